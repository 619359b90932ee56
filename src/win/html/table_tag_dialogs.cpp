// The table area, caption, cell (header and data) and row break dialogs.
#include "cabinet/cabinet_dialog_util.h"
#include <vector>

#include "html/table_tags.h"
#include "html/tag_dialog_rules.h"
#include "html/tag_dialog_util.h"
#include "html/tag_dialogs.h"
#include "res/html_tags_ids.h"

namespace quelt::win {
namespace {

constexpr const char* kBackgroundLabels[] = {"標準", "指定する"};
constexpr const char* kCellHAlignLabels[] = {"標準", "左寄せ", "中央", "右寄せ"};
constexpr const char* kCellVAlignLabels[] = {"標準", "上部", "中央", "下部"};
constexpr const char* kCaptionLabels[] = {"標準", "上部", "下部"};

// The colour button and field work only while 指定する is chosen.
void EnableBackgroundColour(HWND d) {
  EnableItems(d, {IDC_TAG_COLOUR_BUTTON, IDC_TAG_COLOUR_FIELD}, BackgroundColourEnabled(ListIndex(d, IDC_TAG_BG_LIST)));
}

void InitBackground(HWND d, bool on, ColourRef colour) {
  FillList(d, IDC_TAG_BG_LIST, kBackgroundLabels, on ? kBackgroundGiven : 0);
  ShowColourField(d, IDC_TAG_COLOUR_FIELD, colour);
  EnableBackgroundColour(d);
}

void BackgroundCommand(HWND d, int id, int code, ColourRef& colour) {
  if (id == IDC_TAG_BG_LIST && code == CBN_SELCHANGE) EnableBackgroundColour(d);
  if (id == IDC_TAG_COLOUR_BUTTON && PickColour(d, colour)) ShowColourField(d, IDC_TAG_COLOUR_FIELD, colour);
}

// OK needs a chosen entry in every list; otherwise a beep.
bool AllChosen(HWND d, std::initializer_list<int> ids) {
  std::vector<int> indexes;
  for (int id : ids) indexes.push_back(ListIndex(d, id));
  if (AllListsChosen(indexes)) return true;
  TagBeep();
  for (int id : ids) {
    if (ListIndex(d, id) < 0) {
      SetFocus(GetDlgItem(d, id));
      break;
    }
  }
  return false;
}

}  // namespace

bool RunTableAreaDialog(HWND owner, TableAreaSettings& s) {
  TableAreaSettings v = s;
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    FillNumberList(d, IDC_TAG_LIST1, v.borderIndex);
    FillNumberList(d, IDC_TAG_LIST2, v.paddingIndex);
    FillNumberList(d, IDC_TAG_LIST3, v.spacingIndex);
    FillNumberList(d, IDC_TAG_LIST4, v.widthIndex);
    InitBackground(d, v.background, v.colour);
  };
  h.command = [&](HWND d, int id, int code) { BackgroundCommand(d, id, code, v.colour); };
  h.ok = [&](HWND d) {
    if (!AllChosen(d, {IDC_TAG_LIST1, IDC_TAG_LIST2, IDC_TAG_LIST3, IDC_TAG_LIST4, IDC_TAG_BG_LIST})) return false;
    v.borderIndex = ListIndex(d, IDC_TAG_LIST1);
    v.paddingIndex = ListIndex(d, IDC_TAG_LIST2);
    v.spacingIndex = ListIndex(d, IDC_TAG_LIST3);
    v.widthIndex = ListIndex(d, IDC_TAG_LIST4);
    v.background = BackgroundColourEnabled(ListIndex(d, IDC_TAG_BG_LIST));
    return true;
  };
  if (!RunTagDialog(owner, IDD_TABLE_AREA, h)) return false;
  s = v;
  return true;
}

bool RunTableCaptionDialog(HWND owner, TableCaptionSettings& s) {
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    SetItemSjis(d, IDC_TAG_TEXT1, s.title);
    FillList(d, IDC_TAG_LIST1, kCaptionLabels, s.position);
  };
  h.ok = [&](HWND d) {
    if (!AllChosen(d, {IDC_TAG_LIST1})) return false;
    s.title = GetItemSjis(d, IDC_TAG_TEXT1);
    s.position = ListIndex(d, IDC_TAG_LIST1);
    return true;
  };
  return RunTagDialog(owner, IDD_TABLE_CAPTION, h);
}

bool RunTableCellDialog(HWND owner, TableCellSettings& s, bool header) {
  TableCellSettings v = s;
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    FillList(d, IDC_TAG_LIST1, kCellHAlignLabels, v.hAlign);
    FillList(d, IDC_TAG_LIST2, kCellVAlignLabels, v.vAlign);
    FillNumberList(d, IDC_TAG_LIST3, v.rowSpanIndex);
    FillNumberList(d, IDC_TAG_LIST4, v.columnSpanIndex);
    FillNumberList(d, IDC_TAG_LIST5, v.widthIndex);
    InitBackground(d, v.background, v.colour);
    CheckItem(d, IDC_TAG_CHECK1, v.noWrap);
  };
  h.command = [&](HWND d, int id, int code) { BackgroundCommand(d, id, code, v.colour); };
  h.ok = [&](HWND d) {
    if (!AllChosen(d, {IDC_TAG_LIST1, IDC_TAG_LIST2, IDC_TAG_LIST3, IDC_TAG_LIST4, IDC_TAG_LIST5, IDC_TAG_BG_LIST}))
      return false;
    v.hAlign = ListIndex(d, IDC_TAG_LIST1);
    v.vAlign = ListIndex(d, IDC_TAG_LIST2);
    v.rowSpanIndex = ListIndex(d, IDC_TAG_LIST3);
    v.columnSpanIndex = ListIndex(d, IDC_TAG_LIST4);
    v.widthIndex = ListIndex(d, IDC_TAG_LIST5);
    v.background = BackgroundColourEnabled(ListIndex(d, IDC_TAG_BG_LIST));
    v.noWrap = IsItemChecked(d, IDC_TAG_CHECK1);
    return true;
  };
  const wchar_t* title = header ? L"ヘッダタグの設定" : L"データタグの設定";
  if (!RunTagDialog(owner, IDD_TABLE_CELL, h, title)) return false;
  s = v;
  return true;
}

bool RunTableRowDialog(HWND owner, TableRowSettings& s) {
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    FillList(d, IDC_TAG_LIST1, kCellHAlignLabels, s.hAlign);
    FillList(d, IDC_TAG_LIST2, kCellVAlignLabels, s.vAlign);
  };
  h.ok = [&](HWND d) {
    if (!AllChosen(d, {IDC_TAG_LIST1, IDC_TAG_LIST2})) return false;
    s.hAlign = ListIndex(d, IDC_TAG_LIST1);
    s.vAlign = ListIndex(d, IDC_TAG_LIST2);
    return true;
  };
  return RunTagDialog(owner, IDD_TABLE_ROW, h);
}

}  // namespace quelt::win
