// Resource and command ids of quelt.exe (shared by quelt.rc and the code).
#pragma once

// Menus, icons and document strings of the frame and the document templates.
#define IDR_MAINFRAME 2
#define IDR_TEXTTYPE 3
#define IDR_HTMLTYPE 4

// Dialogs.
#define IDD_SPLASH 502
#define IDC_SPLASH_TEXT 1000

// Framework command ids.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_EDIT_APPEND_CUT 32804
#define ID_EDIT_APPEND_COPY 32805
#define ID_EDIT_SELECT_ALL 32803
#define ID_EDIT_WRITE_PROTECT 32789
#define ID_ALLOW_OVERWRITE 33065
#define ID_EDIT_INSERT_DATE 32826
#define ID_EDIT_INSERT_TIME 32827
#define ID_EDIT_INSERT_STRING 32828
#define ID_EDIT_PASTE_SELECTED 33021
#define ID_EDIT_PASTE_FROM_HISTORY 33023
#define ID_EDIT_PASTE_HISTORY_CURRENT 33024
#define ID_EDIT_PASTE_HISTORY_NEXT 33025
#define ID_EDIT_PASTE_HISTORY_PREV 33026
#define ID_EDIT_ALIGN_RIGHT 32798
#define ID_EDIT_ALIGN_LEFT 32959
#define ID_EDIT_ALIGN_CENTRE 32799
#define ID_EDIT_TAB_TO_SPACE 32801
#define ID_EDIT_SPACE_TO_TAB 32802

#define ID_EDIT_REDO 57644
#define ID_WINDOW_MARK 32793
#define ID_WINDOW_MARK_NEXT 32794
#define ID_WINDOW_MARK_PREV 32795
#define ID_WINDOW_MARK_RESET 32796
#define ID_WINDOW_CASCADE 57650
#define ID_WINDOW_TILE_HORZ 57651
#define ID_WINDOW_TILE_VERT 57652
#define ID_WINDOW_ARRANGE 57649
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

// Strings.
#define IDS_FRAME_TITLE 57347

// Shared cursors loaded at start-up for the views.
#define IDC_CURSOR_126 126
#define IDC_CURSOR_165 165
#define IDC_CURSOR_173 173
#define IDC_CURSOR_174 174
#define IDC_CURSOR_175 175

// The notification-area icon of the resident mode.
#define ID_TRAY_ICON 2
#define WM_TRAY_NOTIFY (WM_USER + 20)
