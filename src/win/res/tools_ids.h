// Resource ids of the user tools and the program execution.
#pragma once

#define IDD_TOOL_PARAMETERS 122
#define IDC_TOOLPAR_TEXT 174
#define IDD_RUN_PROGRAM 125
#define IDC_RUN_COMMAND 191
#define IDC_RUN_PARAMETERS 192
#define IDC_RUN_FOLDER 193
#define IDC_RUN_INTERNAL 194
#define IDC_RUN_CAPTURE 195
#define IDC_RUN_MINIMISED 196
#define IDC_RUN_BROWSE 197
