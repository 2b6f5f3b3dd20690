// Every language key by section, in the order the table reads them, with its built-in
// English text (line breaks still written as backslash and n). The build writes
// Language\English.lng from it (tools/lang-english.cpp).
#pragma once

#include "runtime/ShowModel.h"

// X(section, key, english) once per key.
#define QUEN_LANG_KEYS(X) \
    /* [Setup] */ \
    X(Setup, LangFileName, "English") \
    X(Setup, Lang_Name, "English") \
    X(Setup, Font_Name, "MS Sans Serif") \
    X(Setup, Font_Size, "8") \
    X(Setup, Writer, "Quenlark Team") \
    X(Setup, MakeDate, "2026/12/06") \
    /* [Button] */ \
    X(Button, Apply_All, "A&pply all") \
    X(Button, Apply_All_Pre, "App&ly all Prev.") \
    X(Button, Button_About, "A&bout") \
    X(Button, Button_Add, "&Add") \
    X(Button, Button_Browse, "&Browse") \
    X(Button, Button_Cancel, "&Cancel") \
    X(Button, Button_Delete, "&Delete") \
    X(Button, Button_Exit, "E&xit") \
    X(Button, Button_Make, "&Make") \
    X(Button, Button_OK, "&OK") \
    X(Button, Button_Option, "&Option") \
    X(Button, Button_Quenlark_Option, "&Quenlark Option") \
    X(Button, Button_Patch_Setting, "Patch Setting...") \
    X(Button, Button_Define_Byte, "De&fine Byte...") \
    X(Button, Button_Select_Font, "Select &Font...") \
    X(Button, Button_Save_Templet, "&Svae Templet...") \
    X(Button, Button_Load_Templet, "&Load Templet...") \
    X(Button, Button_Save_As, "Sa&ve As...") \
    X(Button, Button_Move_Up, "Move &Up") \
    X(Button, Button_Move_Down, "Move Dow&n") \
    X(Button, Button_Change, "Chan&ge") \
    /* [Form] */ \
    X(Form, Action, "Action : ") \
    X(Form, Action_Run, "Execute File") \
    X(Form, Action_Add, "Add File") \
    X(Form, Action_Byte, "Replace Byte") \
    X(Form, Action_Patch, "Patch File") \
    X(Form, Action_Del, "Delete File") \
    X(Form, Action_Ini, "INI Patch") \
    X(Form, Action_ReName, "Rename File") \
    X(Form, Add_Add_Method, "Add Method :") \
    X(Form, Add_Include_Sub, "&Include sub folder") \
    X(Form, Ask_Title, "Title :") \
    X(Form, Ask_Prompt, "Prompt :") \
    X(Form, Ask_Browse_Button, "Brow button :") \
    X(Form, Ask_OK_Button, "OK button :") \
    X(Form, Ask_DNF_Txt, "DirNotFind :") \
    X(Form, File_Directory, "Directory") \
    X(Form, Form_Add, "Add Action") \
    X(Form, Define_Type_Search, "SEARCH") \
    X(Form, Define_Type_Search_All, "S-All") \
    X(Form, Define_Type_Address, "ADDRESS") \
    X(Form, Directory, "Directory :") \
    X(Form, No_Add_Option, "Without addtion option.") \
    X(Form, Option_Title, "Option") \
    X(Form, Option_Relogin, "ReLogin") \
    X(Form, Option_AddKey, "Add Key") \
    X(Form, Option_DelKey, "Delete Key") \
    X(Form, Option_OffKey, "Pause Key") \
    X(Form, Option_Message, "Message") \
    X(Form, Option_Button, "Button") \
    X(Form, Option_Patch_Message, "Patch Message") \
    X(Form, Option_None, "None") \
    X(Form, Option_NowByte, "Bytes :") \
    X(Form, PatchDir, "Patch Directory") \
    X(Form, RegKey_Main, "Main : ") \
    X(Form, RegKey_Sub, "Sub : ") \
    X(Form, RegKey_Key, "Key : ") \
    X(Form, RegKey_Value, "Value : ") \
    X(Form, Setting, "Setting") \
    X(Form, Setting_Execute, "Execute Setting") \
    X(Form, Setting_Add, "Add Setting") \
    X(Form, Setting_Byte, "Replace Byte Setting") \
    X(Form, Setting_Patch, "Patch Setting") \
    X(Form, Setting_Del, "Delete Setting") \
    X(Form, Setting_Ini, "INI Patch Setting") \
    X(Form, Dir_Select_Choose, "Choose a directory :") \
    X(Form, Dir_Select_Title, "Select Directory") \
    X(Form, Cmb_Delete, "< Delete >") \
    X(Form, StatusBar_FileTotal, "File Total :") \
    X(Form, StatusBar_FileTotal_ToolTip, "Number of files in the project") \
    X(Form, Add_Old_Version, "Another old &version of the selected row") \
    X(Form, Old_Versions, "Other old versions:") \
    /* [PatchOption] */ \
    X(PatchOption, POption_Title, "Option") \
    X(PatchOption, Tab_End_Title, "End") \
    X(PatchOption, Tab_Info_Title, "Information") \
    X(PatchOption, Tab_Welcome_Title, "Welcome") \
    X(PatchOption, Tab_Reg_Title, "Registry") \
    X(PatchOption, Tab_Reg_RetainValue, "< Retain Value >") \
    X(PatchOption, Tab_Msg_Title, "Message") \
    X(PatchOption, Tab_InterFace_Title, "InterFace") \
    X(PatchOption, Tab_ReBoot_Title, "ReBoot") \
    X(PatchOption, Tab_Other_Title, "Other") \
    X(PatchOption, Tab_Reg_Note, "Note : ") \
    X(PatchOption, Tab_Msg_CheckError, "Check Error :") \
    X(PatchOption, Tab_Msg_DNF, "File Not Find :") \
    X(PatchOption, Tab_Msg_OnPatch, "On Patch :") \
    X(PatchOption, Tab_Msg_ErrTitle, "Error Title :") \
    X(PatchOption, Tab_Msg_Patch_Failure, "Patch Failure :") \
    X(PatchOption, Tab_Msg_Broken_Warn, "Broken Warn :") \
    X(PatchOption, Tab_Msg_OK_Button, "OK button : ") \
    X(PatchOption, Tab_Msg_Cancel_Button, "Cancel button : ") \
    X(PatchOption, Tab_Msg_About_Button, "About button : ") \
    X(PatchOption, Tab_Msg_Continue_Prompt, "Continue Prompt : ") \
    X(PatchOption, Tab_Face_Picture, "Picture :") \
    X(PatchOption, Tab_Face_Browse_Picture, "&Browse Picture...") \
    X(PatchOption, Tab_Face_Browse_Icon, "Browse Icon...") \
    X(PatchOption, Tab_Face_Test_Welcome, "Test &Welcom Window") \
    X(PatchOption, Tab_Face_Test_End, "Test &End Window") \
    X(PatchOption, Tab_Face_Test_Info, "Test &Info Window") \
    X(PatchOption, Tab_Face_Font_Option, "Font Option") \
    X(PatchOption, Tab_Face_Picture_Size, "The picture is shown at the left of the window, about 90 pixels wide") \
    X(PatchOption, Tab_ReBoot_Option, "ReBoot Option ") \
    X(PatchOption, Tab_ReBoot_First_ReBoot, "First ReBoot ") \
    X(PatchOption, Tab_ReBoot_End_ReBoot, "End ReBoot") \
    X(PatchOption, Tab_ReBoot_ReLogin, "ReLogin") \
    X(PatchOption, Tab_ReBoot_ReBoot, "ReBoot") \
    X(PatchOption, Tab_ReBoot_ShutDown, "ShutDown") \
    X(PatchOption, Tab_Other_Make_Backup, "Make Backup file") \
    X(PatchOption, Tab_Other_Err_Continue, "Continue patch when error occur") \
    X(PatchOption, Tab_Other_Runtime_Info, "Show runtime information") \
    X(PatchOption, Tab_Other_ProgTitle, "Patch Title :") \
    /* [DefineByte] */ \
    X(DefineByte, DB_Title, "Define Byte") \
    X(DefineByte, DB_Type, "Type") \
    X(DefineByte, DB_Search, "&Search") \
    X(DefineByte, DB_Address, "Add&ress") \
    X(DefineByte, DB_Str_Byte, "Bytes in hexadecimal, for example 4D 5A 90") \
    X(DefineByte, DB_Search_All, "Search a&ll") \
    X(DefineByte, DB_10_Scale, "De&cimal") \
    X(DefineByte, DB_16_Scale, "&Hexadecimal") \
    X(DefineByte, DB_Value, "Value :") \
    X(DefineByte, DB_Value_CH, "Value") \
    X(DefineByte, DB_NewValue, "New Value :") \
    X(DefineByte, DB_NewValue_CH, "New Value") \
    X(DefineByte, DB_Dont_Check, "Don't check the source file") \
    /* [INIPatch] */ \
    X(INIPatch, IP_Title, "INI Patch Setting") \
    X(INIPatch, IP_Section, "Section :") \
    X(INIPatch, IP_PatchKey, "Patch Key") \
    /* [MakeFile] */ \
    X(MakeFile, MF_Title, "Make Patch") \
    X(MakeFile, MF_SaveAs, "Save As") \
    X(MakeFile, MF_Make, "Make :") \
    X(MakeFile, MF_ScriptFile, "Patch &Script") \
    X(MakeFile, MF_EXEFile, "Patch &Executable") \
    X(MakeFile, MF_Progress, "Progress") \
    X(MakeFile, MF_PatchFileName, "Patch File :") \
    X(MakeFile, MF_FileTotal, "File Total :") \
    X(MakeFile, MF_Completion, "Completed :") \
    X(MakeFile, MF_MakeOK, "The patch was made successfully.") \
    /* [QuenlarkOption] */ \
    X(QuenlarkOption, MO_Title, "QuenOption") \
    X(QuenlarkOption, MO_LanguageTilte, "Language") \
    X(QuenlarkOption, MO_LanguageSetting, "Language Setting ") \
    X(QuenlarkOption, MO_LanguageName, "Language Name :") \
    X(QuenlarkOption, MO_Information, "Information") \
    X(QuenlarkOption, MO_Writer, "Writer :") \
    X(QuenlarkOption, MO_Date, "Date :") \
    X(QuenlarkOption, CDE_Setting, "CD Setting ") \
    X(QuenlarkOption, CDE_Patch, "CDExtra Patch Mode") \
    X(QuenlarkOption, CDE_PlayCDA, "Play CD Audio") \
    X(QuenlarkOption, CDE_Note, "Note:") \
    X(QuenlarkOption, ADV_Advanced, "Advanced") \
    X(QuenlarkOption, ADV_Setting, "Advanced Setting ") \
    X(QuenlarkOption, ADV_SampleSize, "Sample Size:") \
    X(QuenlarkOption, ADV_MoveSize, "Move Size:") \
    X(QuenlarkOption, ADV_DefaultTPL, "Default TPL:") \
    X(QuenlarkOption, ADV_DiffMode, "Difference :") \
    X(QuenlarkOption, ADV_ModeQuick, "Quick") \
    X(QuenlarkOption, ADV_ModeThorough, "Thorough") \
    X(QuenlarkOption, ADV_ModeCompact, "Compact") \
    X(QuenlarkOption, COMPR_CompressTitle, "Compress") \
    X(QuenlarkOption, COMPR_Type, "Compress Type:") \
    X(QuenlarkOption, COMPR_Option, "Compress") \
    X(QuenlarkOption, COMPR_MSZIP, "MSZIP") \
    X(QuenlarkOption, COMPR_LZX, "LZX") \
    X(QuenlarkOption, COMPR_Level, "Compress Level:") \
    X(QuenlarkOption, FILE_Reg_Setting, "Setting ") \
    X(QuenlarkOption, FILE_Reg_Script_Type, "Register the patch script file type (*.qnl)") \
    /* [ToolTip] */ \
    X(ToolTip, Add_Action_File, "Add files to the project") \
    X(ToolTip, Del_Action_File, "Delete the selected file from the project") \
    X(ToolTip, Option_Patch_File, "Patch options") \
    X(ToolTip, Make_Patch_File, "Make the patch") \
    X(ToolTip, Exit_Prog, "Exit Quenlark") \
    X(ToolTip, Open_Project, "Open a project") \
    X(ToolTip, Save_Project, "Save the project") \
    X(ToolTip, About_Quenlark, "About Quenlark") \
    X(ToolTip, Option_Quenlark, "Quenlark options") \
    X(ToolTip, New_Project, "New project") \
    X(ToolTip, Save_Project_As, "Save the project under another name") \
    X(ToolTip, Move_Action_Up, "Move the selected action up") \
    X(ToolTip, Move_Action_Down, "Move the selected action down") \
    /* [System] */ \
    X(System, sMyComputer, "My Computer") \
    X(System, sUnKnowDisk, "Unknow Device") \
    X(System, sUnUseDisk, "Invalid Device") \
    X(System, sFloopDisk, "Floop Disk") \
    X(System, sHardDisk, "Hard Disk") \
    X(System, sNetDisk, "Network Disk") \
    X(System, sCdromDisk, "CD Device") \
    X(System, sRamDisk, "RAM Disk") \
    X(System, TempletFileSet, "Templet File(*.tpl)|*.tpl") \
    X(System, PictureFileSet, "All support picture|*.bmp;*.jpg;*.jpeg;*.gif;*.rle;*.emf;*.wmf|Bitmap(*.bmp)|*.bmp|JPEG Image(*.jpg;*.jpeg)|*.jpg;*.jpeg|Run Length Encodeing(*.rle)|*.rle|Metafile(*.wmf;*.emf)|*.wmf;*.emf") \
    X(System, ExecuteFileSet, "Executable Patch(*.exe)|*.exe|All Files(*.*)|*.*") \
    X(System, ScriptFileSet, "Executable Patch(*.exe)|*.exe|Patch Script(*.qnl)|*.qnl") \
    X(System, Dir_Type_Me, "< Me >") \
    X(System, Dir_Type_Reg, "< Reg >") \
    X(System, Dir_Type_Ask, "< Ask User >") \
    X(System, Dir_Type_Win, "< Windows >") \
    X(System, Dir_Type_Sys, "< System >") \
    X(System, Dir_Type_Pre, "< Previous >") \
    X(System, Dir_Me_Set, "Me Setting") \
    X(System, Dir_Reg_Set, "Register Setting") \
    X(System, Dir_Ask_Set, "Ask User Setting") \
    X(System, Dir_Win_Set, "Windows Directory Setting") \
    X(System, Dir_Sys_Set, "System Directory Setting") \
    X(System, Dir_Pre_Set, "Previous Setting") \
    X(System, Dir_Sub_Set, "Sub Directory Setting") \
    X(System, Dir_Set, "Setting") \
    X(System, File_Name, "File Name") \
    X(System, File_Size, "Size :") \
    X(System, File_Byte, " Bytes ") \
    X(System, Status_Ready, "Ready!") \
    X(System, Status_Not_Ready, "Not Ready!") \
    X(System, Status_Without_Error, "Without Error!") \
    X(System, New_Ver_File, "New File :") \
    X(System, NS_File, "&File") \
    X(System, NS_Directory, "&Directory") \
    X(System, Str_Show, "Show ") \
    X(System, Str_Title, "Title :") \
    X(System, Str_Text, "Text :") \
    X(System, Str_Test, "Test") \
    X(System, Str_Type, "Type : ") \
    X(System, Str_String, "String") \
    X(System, Str_Binary, "Binary") \
    X(System, Str_DWORD, "DWORD") \
    X(System, Str_Sample, "Sample :") \
    X(System, Str_Font_Name, "Font Name :") \
    X(System, Str_Font_Size, "Font Size :") \
    X(System, Str_Sample_Text, "Sample Text :") \
    X(System, Str_Preview, "Preview :") \
    X(System, Str_UnUser, "None") \
    X(System, Str_Select_Old_Folder, "Select the folder of the old files") \
    X(System, Str_Select_New_Folder, "Select the folder of the new files") \
    X(System, Str_Untitle_Project, "Untitled") \
    /* [Message] */ \
    X(Message, msg_Duplicate_Byte, "Duplicate Byte Setting!") \
    X(Message, msg_Duplicate_Key, "Duplicate Register Key!") \
    X(Message, msg_Duplicate_File, "Duplicate File!") \
    X(Message, msg_Duplicate_INI, "Duplicate INI Setting!") \
    X(Message, msg_ErrFileName, "Error File : ") \
    X(Message, msg_FileFormatError, "File Format Error!") \
    X(Message, msg_FileNotFind, "Can't find file or directory!") \
    X(Message, msg_FilePathName_Error, "File PathName Error!") \
    X(Message, msg_FirstFileDirCantPre, "First file directory setting can't with < Previous >.") \
    X(Message, msg_FirstFileDirCantSub, "First file directory setting can't be a sub directory (.\\).") \
    X(Message, msg_Error, "Error") \
    X(Message, msg_SubKey_Empty, "Sub key is empty!") \
    X(Message, msg_DirSet_SubKey_Empty, "Directory setting SubKey is empty!") \
    X(Message, msg_DirSet_Ask_Empty, "Directory setting Ask User string is empty!") \
    X(Message, msg_Max_Value, "Max value is ") \
    X(Message, msg_Min_Value, "Min value is ") \
    X(Message, msg_Unknow_Error, "Unknow Error!") \
    X(Message, msg_Error_Number, "Error Number : ") \
    X(Message, msg_Need_Input_Value, "Need input value!") \
    X(Message, msg_Source_File_Difference, "Source file is difference!") \
    X(Message, msg_Section_Or_Key_is_Empty, "Section or Key can't Empty!") \
    X(Message, msg_PatchFile_Need_NewVersion, "Patch file need new version file.") \
    X(Message, msg_PatchFile_Dir_Cant_Same, "Patch directory cant sameness!") \
    X(Message, msg_ReplaceByte_Without_Define, "Peplace bytes value without define.") \
    X(Message, msg_ReplaceINI_Without_Define, "INI Patch value without define.") \
    X(Message, msg_Wrong_Templet_File, "Wrong Templet File!") \
    X(Message, msg_SUCCESS, "Success") \
    X(Message, msg_Err_File_Is_Open, "The file is already open!") \
    X(Message, msg_Warning, "Warning") \
    X(Message, msg_Warning_UnSupportScriptType, "A patch script can't carry Execute File, Add File or Patch File actions.\\nThese actions will be left out. Continue?") \
    X(Message, msg_Error_No_SupportScriptType, "The project has no action that a patch script can carry.\\nPlease make a patch executable.") \
    X(Message, msg_InvalidKeyValue, "Invalid key value!") \
    X(Message, msg_WarningSaveProject, "The project has been changed. Save it?") \
    X(Message, msg_Rename_Need_New_Filename, "Rename needs a new file name.") \
    X(Message, msg_NowWritePatchData, "Writing patch data...") \
    X(Message, msg_RetainValue_Only, "The retain value can only be used in the list:") \
    X(Message, msg_Cant_Find_32_ICON, "Can't find a 32 x 32 image in this icon file!") \
    X(Message, msg_Path_File_Access_Error, "Path or file access error!") \
    X(Message, msg_PatchFile_Need_Old_File, "Can't find the source file.") \
    X(Message, msg_Cant_Find_Templet_File, "Can't find the templet file %1!") \
    X(Message, msg_Undo_Done, quen::runtime::kUndoneText) \
    X(Message, msg_Undo_Not_Put_Back, quen::runtime::kNotPutBackText) \
    X(Message, msg_Undo_Original_At, quen::runtime::kOriginalAtText) \
    X(Message, msg_Undo_Tried_Again, quen::runtime::kTriedAgainText) \
    X(Message, msg_Undo_Not_Undone, quen::runtime::kNotUndoneText) \
    X(Message, msg_Undo_Unreadable, quen::runtime::kUnreadableText) \
    X(Message, msg_Undo_Nothing_Changed, quen::runtime::kNothingChangedText) \
    X(Message, msg_Undo_Program_Ran, quen::runtime::kProgramRanText) \
    X(Message, msg_Undo_Other_Runs, quen::runtime::kOtherRunsText) \
    X(Message, msg_Old_Version_Known, "This file is already the action's old version.")
