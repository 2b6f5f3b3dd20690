// Resource IDs of the patch options dialog and its tab pages (4200-4999; the runtime
// window keeps 4100-4106).
#pragma once

#define IDD_AOPTION 4200
#define IDB_REG_TYPES 1002  // the registry rows' pictures: text, binary
#define IDC_AO_TAB 4201
#define IDC_AO_OK 4202
#define IDC_AO_SAVE_TPL 4203
#define IDC_AO_LOAD_TPL 4204

// The welcome, end and information pages: the same controls from three bases.
#define IDD_AO_WELCOME 4210
#define IDD_AO_END 4220
#define IDD_AO_INFO 4230
#define AO_SHOW 1
#define AO_TITLE_LABEL 2
#define AO_TITLE 3
#define AO_TEXT_LABEL 4
#define AO_TEXT 5
#define AO_BYTES_LABEL 6
#define AO_BYTES 7

#define IDD_AO_REG 4300
#define IDC_AO_KEYTYPE 4301
#define IDC_AO_LVKEY 4302
#define IDC_AO_MAIN_LABEL 4303
#define IDC_AO_REGMAIN 4304
#define IDC_AO_SUB_LABEL 4305
#define IDC_AO_SUB 4306
#define IDC_AO_KEY_LABEL 4307
#define IDC_AO_KEY 4308
#define IDC_AO_TYPE_LABEL 4309
#define IDC_AO_TYPE_STR 4310
#define IDC_AO_TYPE_BIN 4311
#define IDC_AO_TYPE_DWORD 4312
#define IDC_AO_VAL_LABEL 4313
#define IDC_AO_VAL 4314
#define IDC_AO_NOTE 4315
#define IDC_AO_ADD 4316
#define IDC_AO_DEL 4317

#define IDD_AO_MSG 4400
#define IDC_AO_MSGKIND 4401
#define IDC_AO_MSG_LABEL0 4410  /* .. 4415 */
#define IDC_AO_MSG0 4420        /* .. 4425: SFD FNF ERR OnPatch PatchFailure BrokenWarn */
#define IDC_AO_BTN_LABEL0 4430  /* .. 4433 */
#define IDC_AO_BTN0 4440        /* .. 4443: OK Cancel About Prompt */
#define IDC_AO_SAMPLE_LABEL 4444
#define IDC_AO_SAMPLE_BTN0 4445 /* .. 4447 */
#define IDC_AO_SAMPLE_PROMPT 4448
#define IDC_AO_ACT_LABEL0 4450  /* .. 4457 */
#define IDC_AO_ACT0 4460        /* .. 4467 */

#define IDD_AO_FACE 4500
#define IDC_AO_PIC_LABEL 4501
#define IDC_AO_PIC 4502
#define IDC_AO_PIC_BROWSE 4503
#define IDC_AO_PIC_BOX 4504
#define IDC_AO_ICON_BROWSE 4505
#define IDC_AO_ICON_BOX 4506
#define IDC_AO_TEST0 4507       /* .. 4509: welcome, end, information */
#define IDC_AO_FONT_GROUP 4510
#define IDC_AO_FONT 4511
#define IDC_AO_FONTNAME_LABEL 4512
#define IDC_AO_FONTNAME 4513
#define IDC_AO_FONTSIZE_LABEL 4514
#define IDC_AO_FONTSIZE 4515
#define IDC_AO_SAMTXT_LABEL 4516
#define IDC_AO_SAMTXT_EDIT 4517
#define IDC_AO_PREVIEW_LABEL 4518
#define IDC_AO_SAMTXT 4519

#define IDD_AO_REBOOT 4600
#define IDC_AO_RB_GROUP 4601
#define IDC_AO_RB1_GROUP 4602
#define IDC_AO_RB1_0 4603       /* .. 4606 */
#define IDC_AO_RB2_GROUP 4607
#define IDC_AO_RB2_0 4608       /* .. 4611 */

#define IDD_AO_OTHER 4700
#define IDC_AO_OTHER_GROUP 4701
#define IDC_AO_BACKUP 4702
#define IDC_AO_CONTINUE 4703
#define IDC_AO_SHOWRUN 4704
#define IDC_AO_TITLE_LABEL 4705
#define IDC_AO_PROGTITLE 4706
