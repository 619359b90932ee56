// Resource ids of the HTML tag dialogs: the page sheet, character, link,
// anchor, image and heading dialogs, the free tag form, the table dialogs
// and the table wizard, the form and the frame dialogs.
#pragma once

#define IDD_TAG_IMAGE 133
#define IDD_TABLE_ATTR 134
#define IDD_TABLE_DATA2 136
#define IDD_TABLE_AREA 143
#define IDD_TABLE_CAPTION 144
#define IDD_TABLE_CELL 146
#define IDD_TABLE_ROW 148
#define IDD_FORM_AREA 149
#define IDD_TAG_HEADING 150
#define IDD_TAG_FORM 164
#define IDD_FRAME_AREA 362
#define IDD_FRAME_FRAME 363
#define IDD_FRAME_TARGET 364
#define IDD_TAG_CHARACTER 1544
#define IDD_TAG_LINK 1545
#define IDD_PAGE_COLOUR 1546
#define IDD_PAGE_TITLE 1547
#define IDD_TABLE_DATA1 1548
#define IDD_TABLE_CELL_PLACE 1549
#define IDD_TAG_ANCHOR 1550
#define IDD_FORM_TEXT 1551
#define IDD_FORM_RADIO 1552
#define IDD_FORM_CHECKBOX 1553
#define IDD_FORM_SUBMIT 1554
#define IDD_FORM_RESET 1555
#define IDD_FORM_SELECT 1556
#define IDD_FORM_TEXTAREA 1557

// Fields shared by several dialogs (each dialog has its own template).
#define IDC_TAG_TEXT1 4101
#define IDC_TAG_TEXT2 4102
#define IDC_TAG_TEXT3 4103
#define IDC_TAG_NUMBER1 4104
#define IDC_TAG_NUMBER2 4105
#define IDC_TAG_CHECK1 4106
#define IDC_TAG_BROWSE 4107
#define IDC_TAG_LIST1 4108
#define IDC_TAG_LIST2 4109
#define IDC_TAG_LIST3 4110
#define IDC_TAG_LIST4 4111
#define IDC_TAG_LIST5 4112
#define IDC_TAG_BG_LIST 4113
#define IDC_TAG_COLOUR_BUTTON 4114
#define IDC_TAG_COLOUR_FIELD 4115
#define IDC_TAG_RADIO1 4116
#define IDC_TAG_RADIO2 4117

// Page colours: button, field and apply box of each of the five colours.
#define IDC_PAGE_COLOUR_BUTTON0 4130
#define IDC_PAGE_COLOUR_FIELD0 4140
#define IDC_PAGE_COLOUR_APPLY0 4150
#define IDC_PAGE_IMAGE 4160
#define IDC_PAGE_IMAGE_BROWSE 4161

// Character dialog.
#define IDC_CHAR_SIZE 4170
#define IDC_CHAR_COLOUR_BUTTON 4171
#define IDC_CHAR_COLOUR_FIELD 4172
#define IDC_CHAR_RESET 4173
#define IDC_CHAR_SAMPLE 4174
#define IDC_CHAR_BOLD 4175
#define IDC_CHAR_ITALIC 4176
#define IDC_CHAR_SUPERSCRIPT 4177
#define IDC_CHAR_SUBSCRIPT 4178

// Image dialog.
#define IDC_IMAGE_FILE 4180
#define IDC_IMAGE_BROWSE 4181
#define IDC_IMAGE_ALT 4182
#define IDC_IMAGE_ALIGN 4183
#define IDC_IMAGE_WIDTH_GIVEN 4184
#define IDC_IMAGE_WIDTH 4185
#define IDC_IMAGE_HEIGHT_GIVEN 4186
#define IDC_IMAGE_HEIGHT 4187
#define IDC_IMAGE_HSPACE 4188
#define IDC_IMAGE_VSPACE 4189
#define IDC_IMAGE_BORDER 4190

// Heading: H1 .. H6 follow each other.
#define IDC_HEADING_H1 4200

// Table wizard: attribute page, the 8 x 4 cell grid, the alignment fields.
#define IDC_WIZ_ROWS 4210
#define IDC_WIZ_ROWS_SPIN 4211
#define IDC_WIZ_COLUMNS 4212
#define IDC_WIZ_COLUMNS_SPIN 4213
#define IDC_WIZ_TITLE 4214
#define IDC_WIZ_BORDER 4215
#define IDC_WIZ_HALIGN 4216
#define IDC_WIZ_VALIGN 4217
#define IDC_WIZ_PLACE 4218
// Cell (row r, column c of the page), r and c from 0: 4220 + r * 4 + c.
#define IDC_WIZ_CELL0 4220
#define IDC_PLACE_ROW 4260
#define IDC_PLACE_COLUMN 4261
#define IDC_PLACE_HALIGN 4262
#define IDC_PLACE_VALIGN 4263
