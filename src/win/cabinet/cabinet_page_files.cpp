// The file-list page (dialog 153): the files registered in the cabinet.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <memory>
#include <string>
#include <vector>

#include "cabinet/cabinet_service.h"
#include "base/path.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/win_text.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
namespace {

// Room for the names of one multiple selection in the file dialog.
constexpr std::size_t kSelectionBufferChars = 32768;

struct FilesState {
  std::vector<std::string> files;
};

FilesState* StateOf(HWND page) { return reinterpret_cast<FilesState*>(GetWindowLongPtrW(page, DWLP_USER)); }

void Show(HWND page, const FilesState& st) {
  HWND list = GetDlgItem(page, IDC_FILES_LIST);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  int widest = 0;
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
  for (const std::string& f : st.files) {
    const std::wstring w = SjisToWide(f);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
    if (size.cx > widest) widest = size.cx;
  }
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

bool Listed(const FilesState& st, const std::string& path) {
  for (const std::string& f : st.files) {
    if (EqualsNoCase(f, path)) return true;
  }
  return false;
}

void Add(HWND page, FilesState& st) {
  std::wstring buffer(kSelectionBufferChars, L'\0');
  const std::wstring filter =
      DialogFilter(SjisToWide(CabinetService::Get().Cabinet().FilterString(CabinetService::Get().Working().DocumentType())));
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = page;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrFilter = filter.c_str();
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&ofn)) return;
  std::vector<std::wstring> parts;
  for (const wchar_t* p = buffer.c_str(); *p; p += wcslen(p) + 1) parts.emplace_back(p);
  std::vector<std::wstring> chosen;
  if (parts.size() == 1) {
    chosen = parts;
  } else {
    std::wstring folder = parts.front();
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    for (std::size_t i = 1; i < parts.size(); ++i) chosen.push_back(folder + parts[i]);
  }
  for (const std::wstring& w : chosen) {
    const std::string path = WideToSjis(w);
    if (SjisCharCount(path) > std::size_t(kMaxCabinetPathChars) || Listed(st, path)) continue;
    if (st.files.size() >= std::size_t(kMaxCabinetFiles)) {
      CabinetBeep();
      break;
    }
    st.files.push_back(path);
  }
  Show(page, st);
}

void Delete(HWND page, FilesState& st) {
  HWND list = GetDlgItem(page, IDC_FILES_LIST);
  const int count = static_cast<int>(SendMessageW(list, LB_GETSELCOUNT, 0, 0));
  if (count <= 0) {
    CabinetBeep();
    return;
  }
  std::vector<int> selected(static_cast<std::size_t>(count));
  SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(selected.data()));
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
    if (*it >= 0 && static_cast<std::size_t>(*it) < st.files.size()) st.files.erase(st.files.begin() + *it);
  }
  Show(page, st);
}

INT_PTR CALLBACK FilesProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto st = std::make_unique<FilesState>();
      st->files = CabinetService::Get().Working().files;
      Show(page, *st);
      SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(st.release()));
      return TRUE;
    }
    case WM_COMMAND: {
      FilesState* st = StateOf(page);
      if (!st || HIWORD(wp) != BN_CLICKED) return FALSE;
      if (LOWORD(wp) == IDC_FILES_ADD) Add(page, *st);
      if (LOWORD(wp) == IDC_FILES_DELETE) Delete(page, *st);
      return FALSE;
    }
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lp)->code == PSN_APPLY) {
        if (FilesState* st = StateOf(page)) {
          CabinetService& service = CabinetService::Get();
          service.Cabinet().Working().files = st->files;
          service.NoteChange();
        }
        return PageResult(page, PSNRET_NOERROR);
      }
      return FALSE;
    case WM_DESTROY:
      std::unique_ptr<FilesState>(StateOf(page)).reset();
      SetWindowLongPtrW(page, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW FilesPage() { return MakePage(IDD_CABINET_FILES, FilesProc); }

}  // namespace quelt::win
