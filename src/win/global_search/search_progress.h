// The modeless progress window of a running global search: the file being
// searched, the matches so far and "中断". While it is up the program's
// messages are processed between files, so the user can press "中断".
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/stop_window.h"

namespace quelt::win {

class SearchProgress {
 public:
  explicit SearchProgress(HWND owner);
  ~SearchProgress();
  SearchProgress(const SearchProgress&) = delete;
  SearchProgress& operator=(const SearchProgress&) = delete;

  // Shows the file (name and extension, Shift-JIS) and the count, then
  // processes the waiting messages; false once "中断" was pressed or the
  // program is quitting.
  bool Update(std::string_view fileName, std::uint32_t found);

 private:
  StopWindow window_;
  DWORD lastShown_ = 0;
};

}  // namespace quelt::win
