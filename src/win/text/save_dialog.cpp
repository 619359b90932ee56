#include "text/save_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/win_text.h"
#include "res/text_ids.h"
#include "text/file_dialog_util.h"

namespace quelt::win {
namespace {

// The system's longest path, with room for its terminator.
constexpr std::size_t kSaveBufferChars = MAX_PATH * 2;

struct SaveHookState {
  const SaveAsRequest* request = nullptr;
  HWND frame = nullptr;
  int codeIndex = 0;     // 0 keeps the document's code
  int lineEndIndex = 0;  // 0 keeps the document's line end
};

UINT_PTR CALLBACK SaveHook(HWND dlg, UINT msg, WPARAM, LPARAM lp) {
  auto* state = reinterpret_cast<SaveHookState*>(GetWindowLongPtrW(dlg, GWLP_USERDATA));
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lp);
      state = reinterpret_cast<SaveHookState*>(ofn->lCustData);
      SetWindowLongPtrW(dlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
      const SaveAsRequest& r = *state->request;
      HWND code = GetDlgItem(dlg, IDC_SAVE_CODE), lineEnd = GetDlgItem(dlg, IDC_SAVE_LINEEND);
      FillList(code, CharCodeListNames(), static_cast<int>(r.code));
      FillList(lineEnd,
               {LineEndListName(LineEndId::kAuto), LineEndListName(LineEndId::kCrLf), LineEndListName(LineEndId::kCr),
                LineEndListName(LineEndId::kLf)},
               static_cast<int>(r.lineEnd));
      if (r.binary) {
        EnableWindow(code, FALSE);
        EnableWindow(lineEnd, FALSE);
      } else {
        SetPromptText(state->frame, L"現在文書のｺｰﾄﾞ=" + Utf8ToWide(CharCodeListName(r.code)) + L" 改行=" +
                      Utf8ToWide(LineEndListName(r.lineEnd)));
      }
      // The file name keeps the focus: a name typed at once goes there.
      return FALSE;
    }
    case WM_NOTIFY:
      if (state && reinterpret_cast<const NMHDR*>(lp)->code == CDN_FILEOK) {
        state->codeIndex = ListSelection(GetDlgItem(dlg, IDC_SAVE_CODE));
        state->lineEndIndex = ListSelection(GetDlgItem(dlg, IDC_SAVE_LINEEND));
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace

bool WinSaveAsDialog::Run(const SaveAsRequest& request, SaveAsChoice& choice) {
  SaveHookState state;
  state.request = &request;
  state.frame = owner_;
  std::wstring buffer(kSaveBufferChars, L'\0');
  const std::wstring proposed = SjisToWide(request.proposedName);
  proposed.copy(buffer.data(), std::min(proposed.size(), buffer.size() - 1));
  const std::wstring filter = DialogFilter(cabinet_);
  const std::wstring ext = DefaultExtension(cabinet_, html_);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.hInstance = GetModuleHandleW(nullptr);
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = LastFilterIndex();
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrDefExt = ext.c_str();
  ofn.lpstrTitle = L"名前を付けて保存";
  ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOREADONLYRETURN |
              OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  ofn.lpTemplateName = MAKEINTRESOURCEW(IDD_TEXT_SAVE);
  ofn.lpfnHook = SaveHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&state);
  const BOOL ok = GetSaveFileNameW(&ofn);
  SetPromptText(owner_, L"");
  if (!ok) return false;
  LastFilterIndex() = ofn.nFilterIndex;
  choice.path = WideToSjis(buffer.c_str());
  choice.code = static_cast<CharCodeId>(state.codeIndex);
  choice.lineEnd = static_cast<LineEndId>(state.lineEndIndex);
  return !choice.path.empty();
}

}  // namespace quelt::win
