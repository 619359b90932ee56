#include "cipher/cipher_dialogs.h"

#include "base/host.h"
#include "base/messages.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cipher/cipher_entry.h"
#include "cipher/cipher_secrets.h"
#include "res/security_ids.h"

namespace quelt::win {
namespace {

struct PromptState {
  const std::string* password;
  bool hideExplanation;
};

INT_PTR CALLBACK PromptProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      const auto* s = reinterpret_cast<const PromptState*>(lp);
      if (s->hideExplanation) ShowWindow(GetDlgItem(dlg, IDC_PROMPT_TEXT), SW_HIDE);
      SendDlgItemMessageW(dlg, IDC_PROMPT_PASSWORD, EM_LIMITTEXT, kMaxPassword, 0);
      SetFocus(GetDlgItem(dlg, IDC_PROMPT_PASSWORD));
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        const auto* s = reinterpret_cast<const PromptState*>(GetWindowLongPtrW(dlg, DWLP_USER));
        if (GetItemSjis(dlg, IDC_PROMPT_PASSWORD) != *s->password) {
          CabinetBeep();
          SelectField(dlg, IDC_PROMPT_PASSWORD);
          return TRUE;
        }
        EndDialog(dlg, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

struct SecretState {
  std::string* value;
  bool isKey;
  Host* host;
};

constexpr int kSecretFieldIds[] = {0, IDC_SECRET_CURRENT, IDC_SECRET_NEW, IDC_SECRET_REPEAT};

INT_PTR CALLBACK SecretProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      const auto* s = reinterpret_cast<const SecretState*>(lp);
      const WPARAM limit = s->isKey ? kMaxCipherKey : kMaxPassword;
      for (int id : {IDC_SECRET_CURRENT, IDC_SECRET_NEW, IDC_SECRET_REPEAT}) {
        SendDlgItemMessageW(dlg, id, EM_LIMITTEXT, limit, 0);
      }
      // Nothing to type again while none is set.
      const bool set = !s->value->empty();
      EnableWindow(GetDlgItem(dlg, IDC_SECRET_CURRENT_LABEL), set);
      EnableWindow(GetDlgItem(dlg, IDC_SECRET_CURRENT), set);
      SetFocus(GetDlgItem(dlg, set ? IDC_SECRET_CURRENT : IDC_SECRET_NEW));
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        auto* s = reinterpret_cast<SecretState*>(GetWindowLongPtrW(dlg, DWLP_USER));
        const std::string current = GetItemSjis(dlg, IDC_SECRET_CURRENT);
        const std::string entry = GetItemSjis(dlg, IDC_SECRET_NEW);
        const std::string repeat = GetItemSjis(dlg, IDC_SECRET_REPEAT);
        const SecretCheck c = s->isKey ? CheckNewKey(*s->value, current, entry, repeat)
                                       : CheckNewPassword(*s->value, current, entry, repeat);
        if (c.keyTooShort) {
          s->host->ShowMessage(kMsgCipherKeyTooShort);
          SelectField(dlg, IDC_SECRET_NEW);
          return TRUE;
        }
        if (!c.Accepted()) {
          CabinetBeep();
          SelectField(dlg, kSecretFieldIds[static_cast<int>(c.refused)]);
          return TRUE;
        }
        *s->value = entry;
        EndDialog(dlg, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

bool EditSecret(HWND owner, Host& host, std::string& value, bool isKey) {
  SecretState state{&value, isKey, &host};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(isKey ? IDD_CIPHER_KEY : IDD_CIPHER_PASSWORD),
                         owner, SecretProc, reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace

bool AskPasswordPrompt(HWND owner, const std::string& password, bool hideExplanation) {
  PromptState state{&password, hideExplanation};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PASSWORD_PROMPT), owner, PromptProc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}

bool EditCipherKey(HWND owner, Host& host, std::string& key) { return EditSecret(owner, host, key, true); }
bool EditCipherPassword(HWND owner, Host& host, std::string& password) {
  return EditSecret(owner, host, password, false);
}

}  // namespace quelt::win
