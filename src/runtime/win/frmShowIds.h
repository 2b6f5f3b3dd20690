// Resource IDs of the runtime window (shared by its .rc template and its code).
#pragma once

#define IDD_FRMSHOW 4100
#define IDC_SHOW_TEXT 4101
#define IDC_SHOW_PROMPT 4102
#define IDC_SHOW_OK 4103
#define IDC_SHOW_CANCEL 4104
#define IDC_SHOW_ABOUT 4105
#define IDC_SHOW_PICTURE 4106
