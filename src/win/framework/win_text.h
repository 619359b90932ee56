// Text at the Win32 boundary: documents and paths are Shift-JIS inside the
// program, the wide APIs take UTF-16, and the message table is UTF-8. Every
// conversion with Shift-JIS uses code page 932 explicitly, so the program
// behaves the same on any system locale.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quelt::win {

constexpr unsigned kShiftJisCodePage = 932;

std::wstring SjisToWide(std::string_view sjis);
std::string WideToSjis(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::string SjisToUtf8(std::string_view sjis);
std::string Utf8ToSjis(std::string_view utf8);

// The whole text of a window or control.
std::wstring WindowTextOf(HWND hwnd);

}  // namespace quelt::win
