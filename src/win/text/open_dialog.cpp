#include "text/open_dialog.h"

#include <commdlg.h>

#include "base/messages.h"
#include "base/path.h"
#include "framework/win_text.h"
#include "res/text_ids.h"
#include "text/file_dialog_util.h"
#include "text/open_request.h"

namespace quelt::win {
namespace {

// Room for the folder and the names of a large selection; only the first
// kMaxOpenFiles names are taken.
constexpr std::size_t kOpenBufferChars = 65536;

struct OpenHookState {
  const OpenDialogContext* context = nullptr;
  bool english = false;
  int kindIndex = 0;
  int codeIndex = 0;
};

// While "ｷｬﾋﾞﾈｯﾄ" is chosen the status bar names the current cabinet.
void ShowKindStatus(const OpenHookState& state, int kindIndex) {
  if (OpenKindOfListIndex(kindIndex, state.english) != OpenKindId::kCabinet) {
    SetPromptText(state.context->frame, L"");
    return;
  }
  const std::wstring name = SjisToWide(FileNameOf(state.context->cabinetPath));
  SetPromptText(state.context->frame, L"現在のｷｬﾋﾞﾈｯﾄ：" + name);
}

UINT_PTR CALLBACK OpenHook(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<OpenHookState*>(GetWindowLongPtrW(dlg, GWLP_USERDATA));
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lp);
      state = reinterpret_cast<OpenHookState*>(ofn->lCustData);
      SetWindowLongPtrW(dlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
      std::vector<const char*> kinds;
      for (int i = 0; i < OpenKindListCount(state->english); ++i)
        kinds.push_back(OpenKindName(OpenKindOfListIndex(i, state->english)));
      FillList(GetDlgItem(dlg, IDC_OPEN_KIND), kinds, state->kindIndex);
      FillList(GetDlgItem(dlg, IDC_OPEN_CODE), CharCodeListNames(), state->codeIndex);
      // In English every file is taken as Shift-JIS.
      if (state->english) EnableWindow(GetDlgItem(dlg, IDC_OPEN_CODE), FALSE);
      ShowKindStatus(*state, state->kindIndex);
      // The file name keeps the focus: a name typed at once goes there.
      return FALSE;
    }
    case WM_COMMAND:
      if (state && LOWORD(wp) == IDC_OPEN_KIND && HIWORD(wp) == CBN_SELCHANGE)
        ShowKindStatus(*state, ListSelection(GetDlgItem(dlg, IDC_OPEN_KIND)));
      return 0;
    case WM_NOTIFY:
      if (state && reinterpret_cast<const NMHDR*>(lp)->code == CDN_FILEOK) {
        state->kindIndex = ListSelection(GetDlgItem(dlg, IDC_OPEN_KIND));
        state->codeIndex = ListSelection(GetDlgItem(dlg, IDC_OPEN_CODE));
      }
      return 0;
    default:
      return 0;
  }
}

// The names of an explorer-style multiple selection: one full path, or the
// folder followed by names.
std::vector<std::string> SelectedPaths(const wchar_t* buffer) {
  std::vector<std::wstring> parts;
  for (const wchar_t* p = buffer; *p; p += wcslen(p) + 1) parts.emplace_back(p);
  std::vector<std::string> paths;
  if (parts.size() == 1) {
    paths.push_back(WideToSjis(parts[0]));
  } else {
    for (std::size_t i = 1; i < parts.size() && paths.size() < kMaxOpenFiles; ++i)
      paths.push_back(JoinPath(WideToSjis(parts[0]), WideToSjis(parts[i])));
  }
  return paths;
}

}  // namespace

bool RunOpenDialog(const OpenDialogContext& context, OpenDialogResult& result) {
  OpenHookState state;
  state.context = &context;
  state.english = IsEnglishInterface();
  std::wstring buffer(kOpenBufferChars, L'\0');
  const std::wstring filter = DialogFilter(*context.cabinet);
  // "html" while the active document is an HTML document.
  const std::wstring ext = DefaultExtension(*context.cabinet, context.activeHtml);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = context.frame;
  ofn.hInstance = GetModuleHandleW(nullptr);
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = LastFilterIndex();
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrDefExt = ext.c_str();
  // The dialog opens in the current folder (a favourite folder sets it).
  wchar_t current[MAX_PATH + 1] = L"";
  const DWORD got = GetCurrentDirectoryW(MAX_PATH + 1, current);
  ofn.lpstrInitialDir = got > 0 && got <= MAX_PATH ? current : nullptr;
  ofn.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLETEMPLATE |
              OFN_ENABLEHOOK | OFN_ENABLESIZING;
  ofn.lpTemplateName = MAKEINTRESOURCEW(IDD_TEXT_OPEN);
  ofn.lpfnHook = OpenHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&state);
  const BOOL ok = GetOpenFileNameW(&ofn);
  SetPromptText(context.frame, L"");
  if (!ok) return false;
  LastFilterIndex() = ofn.nFilterIndex;
  result.paths = SelectedPaths(buffer.c_str());
  result.kind = OpenKindOfListIndex(state.kindIndex, state.english);
  result.code = OpenCodeOfListIndex(state.codeIndex, state.english);
  result.readOnly = (ofn.Flags & OFN_READONLY) != 0;
  return !result.paths.empty();
}

}  // namespace quelt::win
