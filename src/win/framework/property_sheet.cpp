#include "framework/property_sheet.h"

#include <commctrl.h>

namespace quelt::win {

std::wstring ResourceString(UINT id) {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, static_cast<std::size_t>(n)) : std::wstring();
}

bool RunPropertySheet(HWND owner, UINT titleId, std::span<PROPSHEETPAGEW> pages, UINT startPage) {
  if (pages.empty()) return false;
  const std::wstring title = ResourceString(titleId);
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = title.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = pages.data();
  header.nStartPage = startPage < pages.size() ? startPage : 0;
  return PropertySheetW(&header) > 0;
}

bool TakePageApply(HWND page, LPARAM notification, bool& applied) {
  if (reinterpret_cast<const NMHDR*>(notification)->code != PSN_APPLY) return false;
  applied = true;
  SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_NOERROR);
  return true;
}

}  // namespace quelt::win
