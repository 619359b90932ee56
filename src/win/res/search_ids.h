// Resource ids of the find, replace and jump dialogs.
#pragma once

#define IDD_FIND 190
#define IDD_REPLACE 191
#define IDD_JUMP 192

#define IDC_FIND_TEXT 1601
#define IDC_REPLACE_TEXT 1602
#define IDC_FIND_MATCH_CASE 1603
#define IDC_FIND_WHOLE_WORD 1604
#define IDC_FIND_ESCAPES 1605
#define IDC_FIND_REGEX 1606
#define IDC_FIND_WIDTH 1607
#define IDC_FIND_ROUND 1608
#define IDC_FIND_UP 1609
#define IDC_FIND_DOWN 1610
#define IDC_FIND_NEXT 1611
#define IDC_FIND_PREV 1612
#define IDC_REPLACE_NEXT 1613
#define IDC_REPLACE_ALL 1614

#define IDC_JUMP_LINE 1621
