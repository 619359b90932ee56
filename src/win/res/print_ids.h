// Resource ids of printing: the page-layout dialog "ﾍﾟｰｼﾞﾚｲｱｳﾄの設定" and the
// window shown while a job prints.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_PAGE_LAYOUT 2050
#define IDC_PL_FONT 2051
#define IDC_PL_TOP 2052
#define IDC_PL_BOTTOM 2053
#define IDC_PL_LEFT 2054
#define IDC_PL_RIGHT 2055
#define IDC_PL_LINE_NUMBERS 2056
#define IDC_PL_LINE_SPACING 2057
#define IDC_PL_CHAR_SPACING 2058
#define IDC_PL_FIRST_PAGE 2059
#define IDC_PL_FIRST_LINE 2060
#define IDC_PL_HEADER 2061
#define IDC_PL_HEADER_PRINTED 2062
#define IDC_PL_HEADER_POSITION 2063
#define IDC_PL_FOOTER 2064
#define IDC_PL_FOOTER_PRINTED 2065
#define IDC_PL_FOOTER_POSITION 2066
#define IDC_PL_FONT_NAME 2067

#define IDD_PRINTING 2080
#define IDC_PRINTING_DOCUMENT 2081
#define IDC_PRINTING_PAGE 2082
