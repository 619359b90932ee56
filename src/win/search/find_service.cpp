#include "search/find_service.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "app/settings.h"
#include "base/host.h"
#include "framework/command_route.h"
#include "framework/win_text.h"
#include "res/search_ids.h"
#include "search/search_engine.h"

namespace quelt::win {
namespace {

constexpr UINT_PTR kComboEditSubclass = 1;

// Escape in a closed combo box closes the dialog, as on a button (some
// combo boxes keep the key for themselves).
LRESULT CALLBACK ComboEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  HWND combo = reinterpret_cast<HWND>(data);
  if (msg == WM_KEYDOWN && wp == VK_ESCAPE && !SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &ComboEditProc, kComboEditSubclass);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void HookComboEdit(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (combo && GetComboBoxInfo(combo, &info) && info.hwndItem) {
    SetWindowSubclass(info.hwndItem, &ComboEditProc, kComboEditSubclass, reinterpret_cast<DWORD_PTR>(combo));
  }
}

bool Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
void Check(HWND dlg, int id, bool on) { CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED); }

}  // namespace

FindService::~FindService() { Close(); }

UINT FindService::Message() {
  static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
  return message;
}

FindSettings FindService::CurrentSettings() const {
  FindSettings s;
  s.wholeWord = settings_.wholeWord != 0;
  s.escapes = settings_.enableEscapeSequence != 0;
  s.fullEscapes = settings_.fullEscapeSequence != 0;
  s.wrap = settings_.findRound != 0;
  s.multiText = settings_.multiText != 0;
  return s;
}

bool FindService::Open(HWND frame, bool replace, Host& host) {
  if (dialog_ && replace_ == replace) {
    SetActiveWindow(dialog_);
    SetFocus(GetDlgItem(dialog_, IDC_FIND_TEXT));
    return true;
  }
  Close();
  replace_ = replace;
  owner_ = frame;
  dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(replace ? IDD_REPLACE : IDD_FIND), frame,
                               &FindService::DialogProc, reinterpret_cast<LPARAM>(this));
  if (!dialog_) {
    host.ShowMessage(kMsgOutOfMemory);
    return false;
  }
  route_.SetModelessDialog(dialog_);
  ShowWindow(dialog_, SW_SHOW);
  return true;
}

void FindService::Close() {
  if (!dialog_) return;
  HWND dlg = dialog_;
  Destroyed();
  // Hidden first, so the owner is activated again before the window goes.
  ShowWindow(dlg, SW_HIDE);
  DestroyWindow(dlg);
}

void FindService::Destroyed() {
  dialog_ = nullptr;
  scopeOwner_ = nullptr;
  scope_.reset();
  route_.SetModelessDialog(nullptr);
}

bool FindService::TakePendingClickInDialog() {
  if (!dialog_) return false;
  MSG msg;
  // A press on the dialog or any of its buttons; it must not reach a button
  // while the question is shown.
  if (!PeekMessageW(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE)) return false;
  if (msg.hwnd != dialog_ && !IsChild(dialog_, msg.hwnd)) return false;
  PeekMessageW(&msg, msg.hwnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE);
  PeekMessageW(&msg, msg.hwnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE);
  if (GetCapture()) ReleaseCapture();
  return true;
}

bool FindService::TakePendingEscape() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) || msg.wParam != VK_ESCAPE) return false;
  PeekMessageW(&msg, msg.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
  return true;
}

void FindService::SetScope(const void* owner, std::optional<TextRange> scope) {
  scopeOwner_ = owner;
  scope_ = scope;
}

std::optional<TextRange>* FindService::ScopeOf(const void* owner) {
  return owner && owner == scopeOwner_ && scope_ ? &scope_ : nullptr;
}

std::string FindService::FindBoxText() const {
  return findBox_ ? WideToSjis(WindowTextOf(findBox_)) : std::string();
}

void FindService::FillCombo(HWND combo, const SearchHistory& history, const std::string& text) const {
  if (!combo) return;
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : history.Entries()) {
    const std::wstring w = SjisToWide(entry);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
  }
  SetWindowTextW(combo, SjisToWide(text).c_str());
}

void FindService::RefreshHistories() {
  if (findBox_) FillCombo(findBox_, state_.texts, FindBoxText());
  if (dialog_) {
    HWND text = GetDlgItem(dialog_, IDC_FIND_TEXT);
    FillCombo(text, state_.texts, WideToSjis(WindowTextOf(text)));
    if (replace_) {
      HWND rep = GetDlgItem(dialog_, IDC_REPLACE_TEXT);
      FillCombo(rep, state_.replacements, WideToSjis(WindowTextOf(rep)));
    }
  }
}

void FindService::InitDialog(HWND dlg) {
  HookComboEdit(GetDlgItem(dlg, IDC_FIND_TEXT));
  HookComboEdit(GetDlgItem(dlg, IDC_REPLACE_TEXT));
  FillCombo(GetDlgItem(dlg, IDC_FIND_TEXT), state_.texts, state_.texts.Newest());
  if (replace_) FillCombo(GetDlgItem(dlg, IDC_REPLACE_TEXT), state_.replacements, state_.replacements.Newest());
  Check(dlg, IDC_FIND_MATCH_CASE, state_.matchCase);
  Check(dlg, IDC_FIND_WHOLE_WORD, settings_.wholeWord != 0);
  Check(dlg, IDC_FIND_ESCAPES, settings_.enableEscapeSequence != 0);
  Check(dlg, IDC_FIND_REGEX, state_.regex);
  Check(dlg, IDC_FIND_WIDTH, state_.distinguishWidth);
  Check(dlg, IDC_FIND_ROUND, settings_.findRound != 0);
  CheckRadioButton(dlg, IDC_FIND_UP, IDC_FIND_DOWN, state_.down ? IDC_FIND_DOWN : IDC_FIND_UP);
  // Near the frame's top right corner, clear of most of the text.
  RECT frame{}, rc{};
  GetWindowRect(owner_, &frame);
  GetWindowRect(dlg, &rc);
  const int w = rc.right - rc.left;
  SetWindowPos(dlg, nullptr, std::max(frame.left, frame.right - w - 32), frame.top + 96, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The search text is selected, so typing replaces it.
  HWND text = GetDlgItem(dlg, IDC_FIND_TEXT);
  SetFocus(text);
  SendMessageW(text, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void FindService::Notify(UINT button) {
  if (busy_) return;
  HWND dlg = dialog_;
  FindRequest r;
  r.closing = button == IDCANCEL;
  r.findNext = button == IDC_FIND_NEXT || button == IDC_FIND_PREV;
  r.replace = button == IDC_REPLACE_NEXT;
  r.replaceAll = button == IDC_REPLACE_ALL;
  r.matchCase = Checked(dlg, IDC_FIND_MATCH_CASE);
  r.down = button == IDC_FIND_PREV ? false : Checked(dlg, IDC_FIND_DOWN);
  r.text = CutSearchText(WideToSjis(WindowTextOf(GetDlgItem(dlg, IDC_FIND_TEXT))));
  if (replace_) r.replacement = CutSearchText(WideToSjis(WindowTextOf(GetDlgItem(dlg, IDC_REPLACE_TEXT))));
  r.regex = Checked(dlg, IDC_FIND_REGEX);
  r.distinguishWidth = Checked(dlg, IDC_FIND_WIDTH);
  // The options that are settings take effect with the button.
  settings_.wholeWord = Checked(dlg, IDC_FIND_WHOLE_WORD) ? 1 : 0;
  settings_.enableEscapeSequence = Checked(dlg, IDC_FIND_ESCAPES) ? 1 : 0;
  settings_.findRound = Checked(dlg, IDC_FIND_ROUND) ? 1 : 0;
  state_.regex = r.regex;
  state_.distinguishWidth = r.distinguishWidth;
  SendMessageW(owner_, Message(), 0, reinterpret_cast<LPARAM>(&r));
}

INT_PTR CALLBACK FindService::DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<FindService*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      self = reinterpret_cast<FindService*>(lp);
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      self->dialog_ = dlg;
      self->InitDialog(dlg);
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (!self) break;
      switch (LOWORD(wp)) {
        case IDC_FIND_NEXT:
        case IDC_FIND_PREV:
        case IDC_REPLACE_NEXT:
        case IDC_REPLACE_ALL:
          if (HIWORD(wp) == BN_CLICKED) self->Notify(LOWORD(wp));
          return TRUE;
        case IDCANCEL:
          self->Notify(IDCANCEL);
          self->Close();
          return TRUE;
        default:
          break;
      }
      break;
    case WM_CLOSE:
      if (self) {
        self->Notify(IDCANCEL);
        self->Close();
      }
      return TRUE;
    case WM_DESTROY:
      if (self && self->dialog_ == dlg) self->Destroyed();
      return FALSE;
    default:
      break;
  }
  return FALSE;
}

}  // namespace quelt::win
