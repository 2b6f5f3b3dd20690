// Resource IDs of the program test dialog (5800-5999).
#pragma once

#define IDD_TEST 5800
#define IDC_TEST_LABEL0 5801  /* .. 5803: RLE Encode, RLE Decode, CAB Function */
#define IDC_TEST_NAME0 5811   /* .. 5813 */
#define IDC_TEST_BROWSE0 5821 /* .. 5823 */
#define IDC_TEST_RUN0 5831    /* .. 5833 */
#define IDC_TEST_DRV_LABEL 5840
#define IDC_TEST_DRV 5841
#define IDC_TEST_VOL 5842
#define IDC_TEST_CAL 5843
#define IDC_TEST_EXIT 5844
