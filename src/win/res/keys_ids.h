// Resource ids of the customisation sheet's keyboard page.
#pragma once

#define IDD_KEYBOARD_PAGE 115
#define IDC_KEYS_KIND_MENU 151
#define IDC_KEYS_KIND_OPERATION 152
#define IDC_KEYS_KIND_EXTENDED 153
#define IDC_KEYS_ITEMS 154
#define IDC_KEYS_BINDINGS 155
#define IDC_KEYS_CTRL 156
#define IDC_KEYS_SHIFT 157
#define IDC_KEYS_KEY 158
#define IDC_KEYS_ADD 159
#define IDC_KEYS_REMOVE 160
#define IDC_KEYS_LIST 161
#define IDS_CUSTOMISE_TITLE 4700
