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

#define IDC_GS_LISTS 1711

// "検索ﾌｧｲﾙﾘｽﾄ": the list names, the masks of the selected list, new,
// delete and add file; and the small dialog that asks for a new name.
#define IDD_SEARCH_FILE_LISTS 1730
#define IDC_SFL_NAMES 1731
#define IDC_SFL_MASKS 1732
#define IDC_SFL_NEW 1733
#define IDC_SFL_DELETE 1734
#define IDC_SFL_ADD_FILE 1735
#define IDD_SEARCH_LIST_NAME 1740
#define IDC_SFL_NAME 1741
