// Resource IDs of the INI patch dialog (shared by its .rc template and its code).
#pragma once

#define IDD_FRMINI 3000
#define IDC_INI_LABSECTION 3001
#define IDC_INI_SECTION 3002
#define IDC_INI_LABKEY 3003
#define IDC_INI_KEY 3004
#define IDC_INI_LABVALUE 3005
#define IDC_INI_VALUE 3006
#define IDC_INI_LIST 3007
#define IDC_INI_ADD 3008
#define IDC_INI_DEL 3009
#define IDC_INI_CHANGE 3010
