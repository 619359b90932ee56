// Resource ids of the binary view.
#pragma once

// "文字列の検索": the binary view's find command explains the find box.
#define IDD_BINARY_FIND_NOTE 1960
