// The pages "ｽﾃｯﾌﾟ1" (the step-1 list with position and line count) and
// "ｽﾃｯﾌﾟ2" (the start and end lists sharing one string and one position
// field, each list with its own "追加" and "削除"). The list labels follow
// the process chosen on the page.
#include "cabinet/cabinet_dialog_util.h"
#include "extract/extract_entry_editing.h"
#include "extract/extract_entry_list.h"
#include "extract/extract_sheet.h"
#include "framework/win_text.h"
#include "res/extract_ids.h"

namespace quelt::win {
namespace {

constexpr EntryListFields kStep1List = {IDC_EXT1_LIST, IDC_EXT1_TEXT, IDC_EXT1_POSITION, IDC_EXT1_COUNT};
constexpr EntryListFields kStartList = {IDC_EXT2_START_LIST, IDC_EXT2_TEXT, IDC_EXT2_POSITION, 0};
constexpr EntryListFields kEndList = {IDC_EXT2_END_LIST, IDC_EXT2_TEXT, IDC_EXT2_POSITION, 0};

std::int32_t ProcessShown(HWND page, int deleteButton) {
  return IsItemChecked(page, deleteButton) ? kProcessDelete : kProcessExtract;
}

void ShowLabel(HWND page, int id, const std::string& utf8) { SetDlgItemTextW(page, id, Utf8ToWide(utf8).c_str()); }

void LimitText(HWND page, int id) { SendDlgItemMessageW(page, id, EM_LIMITTEXT, kMaxExtractString, 0); }

void ShowStep2Labels(HWND page, std::int32_t process) {
  ShowLabel(page, IDC_EXT2_START_LABEL, StartListLabel(process));
  ShowLabel(page, IDC_EXT2_END_LABEL, EndListLabel(process));
}

}  // namespace

void CExtStep1Page::OnInit(HWND page) {
  const ExtractSettings& s = values_.settings;
  CheckRadioButton(page, IDC_EXT1_EXTRACT, IDC_EXT1_DELETE,
                   s.step1Process == kProcessDelete ? IDC_EXT1_DELETE : IDC_EXT1_EXTRACT);
  ShowLabel(page, IDC_EXT1_LIST_LABEL, Step1ListLabel(s.step1Process));
  LimitText(page, IDC_EXT1_TEXT);
  SetupNumberField(page, IDC_EXT1_POSITION, IDC_EXT1_POSITION_SPIN, -kMaxExtractPosition, kMaxExtractPosition, 0);
  SetupNumberField(page, IDC_EXT1_COUNT, IDC_EXT1_COUNT_SPIN, 1, kMaxExtractLineCount, 1);
  FillEntryList(page, kStep1List, s.step1Entries);
}

bool CExtStep1Page::OnCommand(HWND page, int id, int code) {
  std::vector<ExtractEntry>& list = values_.settings.step1Entries;
  switch (id) {
    case IDC_EXT1_EXTRACT:
    case IDC_EXT1_DELETE:
      if (code != BN_CLICKED) return false;
      ShowLabel(page, IDC_EXT1_LIST_LABEL, Step1ListLabel(ProcessShown(page, IDC_EXT1_DELETE)));
      return true;
    case IDC_EXT1_ADD:
      if (code == BN_CLICKED) AddListEntry(page, kStep1List, list);
      return true;
    case IDC_EXT1_REMOVE:
      if (code == BN_CLICKED) RemoveListEntry(page, kStep1List, list);
      return true;
    case IDC_EXT1_LIST:
      if (code != LBN_SELCHANGE) return false;
      ShowListEntry(page, kStep1List, list);
      return true;
    default:
      return false;
  }
}

int CExtStep1Page::Read(HWND page) {
  values_.settings.step1Process = ProcessShown(page, IDC_EXT1_DELETE);
  return 0;
}

void CExtStep2Page::OnInit(HWND page) {
  const ExtractSettings& s = values_.settings;
  CheckRadioButton(page, IDC_EXT2_EXTRACT, IDC_EXT2_DELETE,
                   s.step2Process == kProcessDelete ? IDC_EXT2_DELETE : IDC_EXT2_EXTRACT);
  ShowStep2Labels(page, s.step2Process);
  LimitText(page, IDC_EXT2_TEXT);
  SetupNumberField(page, IDC_EXT2_POSITION, IDC_EXT2_POSITION_SPIN, -kMaxExtractPosition, kMaxExtractPosition, 0);
  FillEntryList(page, kStartList, s.startEntries);
  FillEntryList(page, kEndList, s.endEntries);
}

bool CExtStep2Page::OnCommand(HWND page, int id, int code) {
  ExtractSettings& s = values_.settings;
  // The other list gives up its selection, so that the fields show one entry.
  auto only = [page](const EntryListFields& other) {
    SendDlgItemMessageW(page, other.list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  };
  if (code == BN_CLICKED) {
    switch (id) {
      case IDC_EXT2_EXTRACT:
      case IDC_EXT2_DELETE:
        ShowStep2Labels(page, ProcessShown(page, IDC_EXT2_DELETE));
        return true;
      case IDC_EXT2_START_ADD:
        AddListEntry(page, kStartList, s.startEntries);
        only(kEndList);
        return true;
      case IDC_EXT2_START_REMOVE:
        RemoveListEntry(page, kStartList, s.startEntries);
        return true;
      case IDC_EXT2_END_ADD:
        AddListEntry(page, kEndList, s.endEntries);
        only(kStartList);
        return true;
      case IDC_EXT2_END_REMOVE:
        RemoveListEntry(page, kEndList, s.endEntries);
        return true;
      default:
        return false;
    }
  }
  if (code == LBN_SELCHANGE && id == IDC_EXT2_START_LIST) {
    only(kEndList);
    ShowListEntry(page, kStartList, s.startEntries);
    return true;
  }
  if (code == LBN_SELCHANGE && id == IDC_EXT2_END_LIST) {
    only(kStartList);
    ShowListEntry(page, kEndList, s.endEntries);
    return true;
  }
  return false;
}

int CExtStep2Page::Read(HWND page) {
  values_.settings.step2Process = ProcessShown(page, IDC_EXT2_DELETE);
  return 0;
}

}  // namespace quelt::win
