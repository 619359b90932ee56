// The filter page (dialog 124): the file-type filters of each document type.
// The selected pair is checked before any other action takes effect.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_filter_page.h"
#include "cabinet/cabinet_service.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/win_text.h"
#include "res/cabinet_ids.h"

namespace quelt::win {
namespace {

constexpr int kTypeButtons[kDocumentTypes] = {IDC_FLT_TYPE0, IDC_FLT_TYPE1, IDC_FLT_TYPE2};

struct FilterState {
  explicit FilterState(const CabinetSettings& s)
      : model(s.filters, s.DocumentType(), IsEnglishInterface()) {}
  FilterPageModel model;
  bool filling = false;  // the page itself is changing the fields
};

FilterState* StateOf(HWND page) { return reinterpret_cast<FilterState*>(GetWindowLongPtrW(page, DWLP_USER)); }

// Shows the model: type, list, selection and the selected pair's fields.
void Show(HWND page, FilterState& st) {
  st.filling = true;
  const FilterPageModel& m = st.model;
  CheckRadioButton(page, IDC_FLT_TYPE0, IDC_FLT_TYPE2, kTypeButtons[m.Type()]);
  HWND list = GetDlgItem(page, IDC_FLT_LIST);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const FilterPair& p : m.List()) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(p.title).c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(m.Selected()), 0);
  const bool any = m.Selected() >= 0;
  SetItemSjis(page, IDC_FLT_TITLE, any ? m.List()[m.Selected()].title : std::string());
  SetItemSjis(page, IDC_FLT_PATTERN, any ? m.List()[m.Selected()].pattern : std::string());
  EnableWindow(GetDlgItem(page, IDC_FLT_TITLE), any);
  EnableWindow(GetDlgItem(page, IDC_FLT_PATTERN), any);
  st.filling = false;
}

// The fields as typed go into the selected pair.
void TakeFields(HWND page, FilterState& st) {
  if (st.model.Selected() < 0) return;
  st.model.SetTitle(GetItemSjis(page, IDC_FLT_TITLE));
  st.model.SetPattern(GetItemSjis(page, IDC_FLT_PATTERN));
}

// Shows what an action left; a refusal selects the failing field, and an
// empty list beeps and puts the focus on "new".
void Answer(HWND page, FilterState& st, FilterAction action) {
  switch (action) {
    case FilterAction::kDone:
      Show(page, st);
      return;
    case FilterAction::kRefused:
      Show(page, st);
      SelectField(page, st.model.LastCheck() == FilterCheck::kBadTitle ? IDC_FLT_TITLE : IDC_FLT_PATTERN);
      return;
    case FilterAction::kFull:
      CabinetBeep();
      return;
    case FilterAction::kNothing:
      if (st.model.List().empty()) {
        CabinetBeep();
        SetFocus(GetDlgItem(page, IDC_FLT_NEW));
      }
      Show(page, st);
      return;
  }
}

void OnCommand(HWND page, int id, int code) {
  FilterState* st = StateOf(page);
  if (!st || st->filling) return;
  FilterPageModel& m = st->model;
  if (id == IDC_FLT_TITLE && code == EN_KILLFOCUS) {
    // Leaving the title field updates the list entry's text.
    TakeFields(page, *st);
    if (m.Selected() >= 0) {
      HWND list = GetDlgItem(page, IDC_FLT_LIST);
      const WPARAM at = static_cast<WPARAM>(m.Selected());
      SendMessageW(list, LB_DELETESTRING, at, 0);
      SendMessageW(list, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(SjisToWide(m.List()[at].title).c_str()));
      SendMessageW(list, LB_SETCURSEL, at, 0);
    }
    return;
  }
  if (id == IDC_FLT_LIST && code == LBN_SELCHANGE) {
    const int wanted = static_cast<int>(SendDlgItemMessageW(page, IDC_FLT_LIST, LB_GETCURSEL, 0, 0));
    TakeFields(page, *st);
    Answer(page, *st, m.Select(wanted));
    return;
  }
  if (code != BN_CLICKED) return;
  TakeFields(page, *st);
  switch (id) {
    case IDC_FLT_TYPE0:
    case IDC_FLT_TYPE1:
    case IDC_FLT_TYPE2:
      Answer(page, *st, m.ChooseType(id - IDC_FLT_TYPE0));
      return;
    case IDC_FLT_UP:
      Answer(page, *st, m.MoveUp());
      return;
    case IDC_FLT_DOWN:
      Answer(page, *st, m.MoveDown());
      return;
    case IDC_FLT_NEW:
      Answer(page, *st, m.New());
      if (m.Selected() >= 0) SelectField(page, IDC_FLT_TITLE);
      return;
    case IDC_FLT_DELETE:
      Answer(page, *st, m.Delete());
      return;
    case IDC_FLT_DEFAULTS:
      Answer(page, *st, m.RestoreDefaults());
      return;
    default:
      return;
  }
}

// Leaving or confirming the page runs the same check as every action.
bool Check(HWND page) {
  FilterState* st = StateOf(page);
  if (!st) return true;
  TakeFields(page, *st);
  const FilterCheck c = st->model.CheckSelected();
  if (c == FilterCheck::kOk || c == FilterCheck::kEmptyList) return true;
  SelectField(page, c == FilterCheck::kBadTitle ? IDC_FLT_TITLE : IDC_FLT_PATTERN);
  return false;
}

void Apply(HWND page) {
  FilterState* st = StateOf(page);
  if (!st) return;
  TakeFields(page, *st);
  CabinetService& service = CabinetService::Get();
  service.Cabinet().Working().filters = st->model.Lists();
  service.NoteChange();
}

INT_PTR CALLBACK FilterProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto st = std::make_unique<FilterState>(CabinetService::Get().Working());
      SendDlgItemMessageW(page, IDC_FLT_TITLE, EM_LIMITTEXT, 80, 0);
      SendDlgItemMessageW(page, IDC_FLT_PATTERN, EM_LIMITTEXT, 80, 0);
      Show(page, *st);
      SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(st.release()));
      return TRUE;
    }
    case WM_COMMAND:
      OnCommand(page, LOWORD(wp), HIWORD(wp));
      return FALSE;
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (nm->code == PSN_KILLACTIVE) return PageResult(page, Check(page) ? FALSE : TRUE);
      if (nm->code == PSN_APPLY) {
        Apply(page);
        return PageResult(page, PSNRET_NOERROR);
      }
      return FALSE;
    }
    case WM_DESTROY:
      std::unique_ptr<FilterState>(StateOf(page)).reset();
      SetWindowLongPtrW(page, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW FilterPage() { return MakePage(IDD_CABINET_FILTER, FilterProc); }

}  // namespace quelt::win
