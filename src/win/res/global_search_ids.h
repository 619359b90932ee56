// Resource ids of the global search: the template that extends the file
// dialog, and the progress window.
#pragma once

#define IDD_GLOBAL_SEARCH 1700
#define IDC_GS_TEXT 1701
#define IDC_GS_MASK 1702
#define IDC_GS_CASE 1703
#define IDC_GS_WORD 1704
#define IDC_GS_ESCAPE 1705
#define IDC_GS_REGEX 1706
#define IDC_GS_WIDTH 1707
#define IDC_GS_SUBDIR 1708
#define IDC_GS_NONTEXT 1709
#define IDC_GS_CODE 1710

#define IDD_GLOBAL_SEARCH_PROGRESS 1720
#define IDC_GS_PROGRESS_FILE 1721
#define IDC_GS_PROGRESS_COUNT 1722
