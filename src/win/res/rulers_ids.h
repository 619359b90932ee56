// Resource ids of the column and line rulers.
#pragma once

#define IDC_LINE_BAR_CURSOR 1970
