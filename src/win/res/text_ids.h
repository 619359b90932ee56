// Command, dialog and control ids of the text document's file commands and
// dialogs (open and save templates, rename, properties).
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Commands.
#define ID_FILE_CLOSE_ALL 32961
#define ID_FILE_SAVE_ALL 32962
#define ID_FILE_PROPERTIES 33030
#define ID_FILE_DELETE 33031
#define ID_FILE_RENAME 33032

// The template added to the open dialog.
#define IDD_TEXT_OPEN 1501
#define IDC_OPEN_KIND_LABEL 1510
#define IDC_OPEN_KIND 1511
#define IDC_OPEN_CODE_LABEL 1512
#define IDC_OPEN_CODE 1513

// The template added to the save dialog.
#define IDD_TEXT_SAVE 1502
#define IDC_SAVE_CODE_LABEL 1520
#define IDC_SAVE_CODE 1521
#define IDC_SAVE_LINEEND_LABEL 1522
#define IDC_SAVE_LINEEND 1523

// "名前の変更".
#define IDD_TEXT_RENAME 1503
#define IDC_RENAME_OLD 1530
#define IDC_RENAME_NEW 1531

// "ﾌﾟﾛﾊﾟﾃｨ".
#define IDD_TEXT_PROPERTIES 1504
#define IDC_PROP_NAME 1540
#define IDC_PROP_PATH 1541
#define IDC_PROP_FILESIZE 1542
#define IDC_PROP_CREATED 1543
#define IDC_PROP_MODIFIED 1544
#define IDC_PROP_CODE 1545
#define IDC_PROP_LINEEND 1546
#define IDC_PROP_DISPLAYLINES 1547
#define IDC_PROP_LOGICALLINES 1548
#define IDC_PROP_EDITSIZE 1549
