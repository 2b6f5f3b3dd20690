// Resource and control IDs of the add-action dialog (shared by its .rc template and its code).
#pragma once

#define IDD_FRMADD 2000
#define IDC_ADD_FAMACTION 2001
#define IDC_ADD_KIND0 2010  // seven kind buttons, 2010..2016, kind code = ID - 2010
#define IDC_ADD_KIND6 2016
#define IDC_ADD_FAMFILE 2020
#define IDC_ADD_OPTFILE 2021
#define IDC_ADD_OPTDIR 2022
#define IDC_ADD_CHKSUB 2023
#define IDC_ADD_FILE 2024
#define IDC_ADD_BROWSE0 2025
#define IDC_ADD_CHKOLD 2026
#define IDC_ADD_FAMNEW 2030
#define IDC_ADD_NEW 2031
#define IDC_ADD_BROWSE1 2032
