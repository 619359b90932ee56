#include "view/edit_dialogs.h"

#include "framework/win_text.h"
#include "res/edit_ids.h"
#include "view/expand_format.h"

namespace quelt::win {
namespace {

// Characters of an entry shown in the history list.
constexpr std::size_t kListTextChars = 40;


struct HistoryState {
  const ClipHistory* history;
  int index;
};

void ShowHistoryEntry(HWND dlg, const HistoryState& state) {
  HWND list = GetDlgItem(dlg, IDC_CLIP_HISTORY_LIST);
  const LRESULT sel = SendMessageW(list, LB_GETCURSEL, 0, 0);
  std::wstring text;
  if (sel != LB_ERR) {
    const auto slot = static_cast<int>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(sel), 0));
    text = SjisToWide(state.history->Entry(slot));
  }
  SetDlgItemTextW(dlg, IDC_CLIP_HISTORY_TEXT, text.c_str());
}

INT_PTR CALLBACK HistoryProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<HistoryState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<HistoryState*>(lp);
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      HWND list = GetDlgItem(dlg, IDC_CLIP_HISTORY_LIST);
      const ClipHistory& h = *state->history;
      // Newest first: from the current entry backwards through the ring.
      for (int k = 0; k < h.Count(); ++k) {
        const int slot = (h.WriteIndex() - 1 - k + 2 * kClipHistorySize) % kClipHistorySize;
        if (slot >= h.Count()) continue;
        std::wstring line = SjisToWide(h.Entry(slot));
        const std::size_t end = line.find_first_of(L"\r\n");
        if (end != std::wstring::npos) line.resize(end);
        if (line.size() > kListTextChars) line = line.substr(0, kListTextChars) + L"...";
        const LRESULT item = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(item), slot);
        if (slot == h.CurrentIndex()) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
      }
      ShowHistoryEntry(dlg, *state);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDC_CLIP_HISTORY_LIST && HIWORD(wp) == LBN_SELCHANGE) {
        ShowHistoryEntry(dlg, *state);
      } else if (LOWORD(wp) == IDOK || (LOWORD(wp) == IDC_CLIP_HISTORY_LIST && HIWORD(wp) == LBN_DBLCLK)) {
        HWND list = GetDlgItem(dlg, IDC_CLIP_HISTORY_LIST);
        const LRESULT sel = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (sel == LB_ERR) {
          EndDialog(dlg, IDCANCEL);
        } else {
          state->index = static_cast<int>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(sel), 0));
          EndDialog(dlg, IDOK);
        }
      } else if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

struct InsertState {
  std::string text;
  int position;
};

INT_PTR CALLBACK InsertProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<InsertState*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<InsertState*>(lp);
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      SetDlgItemTextW(dlg, IDC_INSERT_STRING_TEXT, SjisToWide(state->text).c_str());
      const int radio = state->position == kInsertAtLineStart ? IDC_INSERT_AT_LINE_START
                        : state->position == kInsertAtLineEnd ? IDC_INSERT_AT_LINE_END
                                                              : IDC_INSERT_AT_CARET;
      CheckRadioButton(dlg, IDC_INSERT_AT_CARET, IDC_INSERT_AT_LINE_END, radio);
      HWND list = GetDlgItem(dlg, IDC_INSERT_VARIABLES);
      for (std::size_t i = 0; i < kFormatVariableHelpCount; ++i) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(kFormatVariableHelp[i]).c_str()));
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDC_INSERT_VARIABLES && HIWORD(wp) == LBN_DBLCLK) {
        // A double click puts the variable into the string at its caret.
        const LRESULT sel = SendDlgItemMessageW(dlg, IDC_INSERT_VARIABLES, LB_GETCURSEL, 0, 0);
        if (sel != LB_ERR && static_cast<std::size_t>(sel) < kFormatVariableHelpCount) {
          const std::wstring name = Utf8ToWide(std::string_view(kFormatVariableHelp[static_cast<std::size_t>(sel)], 2));
          SendDlgItemMessageW(dlg, IDC_INSERT_STRING_TEXT, EM_REPLACESEL, TRUE,
                              reinterpret_cast<LPARAM>(name.c_str()));
          SetFocus(GetDlgItem(dlg, IDC_INSERT_STRING_TEXT));
        }
      } else if (LOWORD(wp) == IDOK) {
        state->text = WideToSjis(WindowTextOf(GetDlgItem(dlg, IDC_INSERT_STRING_TEXT)));
        state->position = IsDlgButtonChecked(dlg, IDC_INSERT_AT_LINE_START) ? kInsertAtLineStart
                          : IsDlgButtonChecked(dlg, IDC_INSERT_AT_LINE_END) ? kInsertAtLineEnd
                                                                            : kInsertAtCaret;
        EndDialog(dlg, IDOK);
      } else if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

bool ChooseClipHistoryEntry(HWND owner, const ClipHistory& history, int& index) {
  HistoryState state{&history, -1};
  const INT_PTR r = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CLIP_HISTORY), owner,
                                    &HistoryProc, reinterpret_cast<LPARAM>(&state));
  if (r != IDOK || state.index < 0) return false;
  index = state.index;
  return true;
}

bool AskInsertString(HWND owner, std::string& text, int& position) {
  InsertState state{text, position};
  const INT_PTR r = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INSERT_STRING), owner,
                                    &InsertProc, reinterpret_cast<LPARAM>(&state));
  if (r != IDOK) return false;
  text = state.text;
  position = state.position;
  return true;
}

}  // namespace quelt::win
