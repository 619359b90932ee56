#include "convert/free_conversion_dialog.h"

#include "cabinet/cabinet_dialog_util.h"
#include "convert/char_classes.h"
#include "convert/free_conversion.h"
#include "framework/win_text.h"
#include "res/convert_ids.h"

namespace quelt::win {
namespace {

struct DialogState {
  FreeConversionRules* rules = nullptr;
  int lastField = IDC_FC_BEFORE_1;  // where "挿入" puts a class name
};

int BeforeField(std::size_t row) { return IDC_FC_BEFORE_1 + static_cast<int>(row); }
int AfterField(std::size_t row) { return IDC_FC_AFTER_1 + static_cast<int>(row); }
bool IsRuleField(int id) { return id >= IDC_FC_BEFORE_1 && id < IDC_FC_AFTER_1 + static_cast<int>(kFreeConversionRuleCount); }

DialogState* StateOf(HWND dlg) { return reinterpret_cast<DialogState*>(GetWindowLongPtrW(dlg, DWLP_USER)); }

void Fill(HWND dlg, const FreeConversionRules& rules) {
  for (std::size_t row = 0; row < kFreeConversionRuleCount; ++row) {
    // A field holds as many characters as a rule keeps bytes; longer texts
    // of double-byte characters are caught when the dialog is confirmed.
    SendDlgItemMessageW(dlg, BeforeField(row), EM_LIMITTEXT, kMaxFreeConversionText, 0);
    SendDlgItemMessageW(dlg, AfterField(row), EM_LIMITTEXT, kMaxFreeConversionText, 0);
    if (row < rules.rules.size()) {
      SetItemSjis(dlg, BeforeField(row), rules.rules[row].before);
      SetItemSjis(dlg, AfterField(row), rules.rules[row].after);
    }
  }
  HWND list = GetDlgItem(dlg, IDC_FC_CLASSES);
  for (const CharClass c : CharClassListOrder()) {
    const std::wstring name = SjisToWide(CharClassName(c));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  CheckItem(dlg, IDC_FC_NEW_DOCUMENT, (rules.options & kFreeConvNewDocument) != 0);
  CheckItem(dlg, IDC_FC_ESCAPES, (rules.options & kFreeConvEscapeSequences) != 0);
}

// Replaces the selection of the last field with the chosen class name.
void InsertClassName(HWND dlg, const DialogState& s) {
  const LRESULT index = SendDlgItemMessageW(dlg, IDC_FC_CLASSES, LB_GETCURSEL, 0, 0);
  const auto order = CharClassListOrder();
  if (index < 0 || static_cast<std::size_t>(index) >= order.size()) return;
  const std::wstring name = SjisToWide(CharClassName(order[static_cast<std::size_t>(index)]));
  HWND field = GetDlgItem(dlg, s.lastField);
  SetFocus(field);
  SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(name.c_str()));
}

bool Confirm(HWND dlg, DialogState& s) {
  FreeConversionRules rules;
  rules.rules.resize(kFreeConversionRuleCount);
  for (std::size_t row = 0; row < kFreeConversionRuleCount; ++row) {
    rules.rules[row].before = GetItemSjis(dlg, BeforeField(row));
    rules.rules[row].after = GetItemSjis(dlg, AfterField(row));
  }
  const int overlong = FirstOverlongField(rules);
  if (overlong >= 0) {
    CabinetBeep();
    const std::size_t row = static_cast<std::size_t>(overlong / 2);
    SelectField(dlg, overlong % 2 ? AfterField(row) : BeforeField(row));
    return false;
  }
  if (IsItemChecked(dlg, IDC_FC_NEW_DOCUMENT)) rules.options |= kFreeConvNewDocument;
  if (IsItemChecked(dlg, IDC_FC_ESCAPES)) rules.options |= kFreeConvEscapeSequences;
  *s.rules = std::move(rules);
  return true;
}

INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      Fill(dlg, *reinterpret_cast<DialogState*>(lp)->rules);
      return TRUE;
    }
    case WM_COMMAND: {
      DialogState* s = StateOf(dlg);
      if (!s) return FALSE;
      const int id = LOWORD(wp), code = HIWORD(wp);
      if (IsRuleField(id)) {
        if (code == EN_SETFOCUS) s->lastField = id;
        return TRUE;
      }
      switch (id) {
        case IDC_FC_CLASSES:
          if (code == LBN_DBLCLK) InsertClassName(dlg, *s);
          return TRUE;
        case IDC_FC_INSERT:
          InsertClassName(dlg, *s);
          return TRUE;
        case IDOK:
          if (Confirm(dlg, *s)) EndDialog(dlg, IDOK);
          return TRUE;
        case IDCANCEL:
          EndDialog(dlg, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    }
    default:
      return FALSE;
  }
}

}  // namespace

bool RunFreeConversionDialog(HWND owner, FreeConversionRules& rules) {
  DialogState state{&rules};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FREE_CONVERSION), owner, Proc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace quelt::win
