// Resource ids shared by the resource script and the code.
#pragma once

#define IDD_UPGRADE_PROMPT 102
#define IDD_MISSING_PRODUCT_ID 109

#define IDC_QUESTION 1005
#define IDC_HEADLINE 1006
#define IDC_MESSAGE 1003
#define IDC_PICTURE 1015
#define IDC_SECOND_TEXT 1004

#define IDS_UPGRADE_QUESTION 104
#define IDS_WELCOME 105
#define IDS_PRODUCT_NAME_PRO 106
#define IDS_PRODUCT_NAME 107
#define IDS_OK 113
#define IDS_CONTINUE 114
#define IDS_CANCEL 115

#define IDI_OLTREVAN 1
#define IDI_REMOVE 2
