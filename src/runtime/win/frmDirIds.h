// Resource IDs of the directory question (shared by its .rc template and its code).
#pragma once

#define IDD_FRMDIR 5500
#define IDC_DIR_PROMPT 5501
#define IDC_DIR_TEXT 5502
#define IDC_DIR_BROWSE 5503
#define IDC_DIR_OK 5504
