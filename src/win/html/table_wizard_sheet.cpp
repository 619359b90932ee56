// The table wizard `CTablePS` ("表ｳｨｻﾞｰﾄﾞ"): the attribute page (rows,
// columns, title, border) and two pages of 8 x 4 cell texts, whose
// 位置設定 button sets the alignments of a cell (dialog 1549).
#include <windows.h>
#include <commctrl.h>

#include "cabinet/cabinet_dialog_util.h"
#include "framework/win_text.h"
#include "html/table_tags.h"
#include "html/tag_dialog_util.h"
#include "html/tag_dialogs.h"
#include "res/html_tags_ids.h"

namespace quelt::win {
namespace {

constexpr const char* kHAlignLabels[] = {"標準", "左", "中央", "右"};
constexpr const char* kVAlignLabels[] = {"標準", "上", "中央", "下"};

int CellField(int row, int pageColumn) { return IDC_WIZ_CELL0 + (row - 1) * kColumnsPerDataPage + pageColumn; }

// One data page: page 0 shows columns 1-4, page 1 columns 5-8.
class DataPage {
 public:
  DataPage(TableWizardSettings& v, int page) : v_(v), page_(page) {}

  TagPageHandlers Handlers(int dialogId) {
    TagPageHandlers h;
    h.dialogId = dialogId;
    h.init = [this](HWND p) { Init(p); };
    h.apply = [this](HWND p) { Read(p); };
    h.command = [this](HWND p, int id, int code) { Command(p, id, code); };
    return h;
  }

 private:
  void Init(HWND p) {
    for (int r = 1; r <= kMaxTableRows; ++r) {
      for (int c = 0; c < kColumnsPerDataPage; ++c) {
        SendDlgItemMessageW(p, CellField(r, c), EM_LIMITTEXT, 1024, 0);
        SetItemSjis(p, CellField(r, c), v_.Cell(r, FirstColumnOfPage(page_) + c).text);
      }
    }
    ShowAlignment(p);
  }

  void Read(HWND p) {
    for (int r = 1; r <= kMaxTableRows; ++r) {
      for (int c = 0; c < kColumnsPerDataPage; ++c) {
        v_.Cell(r, FirstColumnOfPage(page_) + c).text = GetItemSjis(p, CellField(r, c));
      }
    }
  }

  // 水平位置 and 垂直位置 follow the focused cell.
  void ShowAlignment(HWND p) {
    const TableCell& cell = v_.Cell(row_, column_);
    SetDlgItemTextW(p, IDC_WIZ_HALIGN, Utf8ToWide(TableHAlignLabel(cell.hAlign)).c_str());
    SetDlgItemTextW(p, IDC_WIZ_VALIGN, Utf8ToWide(TableVAlignLabel(cell.vAlign)).c_str());
  }

  void Command(HWND p, int id, int code) {
    const int offset = id - IDC_WIZ_CELL0;
    if (code == EN_SETFOCUS && offset >= 0 && offset < kMaxTableRows * kColumnsPerDataPage) {
      row_ = offset / kColumnsPerDataPage + 1;
      column_ = FirstColumnOfPage(page_) + offset % kColumnsPerDataPage;
      ShowAlignment(p);
      return;
    }
    if (id == IDC_WIZ_PLACE && code == BN_CLICKED) Place(p);
  }

  void Place(HWND p) {
    CellPlace place{row_, column_, v_.Cell(row_, column_).hAlign, v_.Cell(row_, column_).vAlign};
    TagDialogHandlers h;
    h.init = [&](HWND d) {
      SetItemNumber(d, IDC_PLACE_ROW, place.row);
      SetItemNumber(d, IDC_PLACE_COLUMN, place.column);
      FillList(d, IDC_PLACE_HALIGN, kHAlignLabels, place.hAlign);
      FillList(d, IDC_PLACE_VALIGN, kVAlignLabels, place.vAlign);
    };
    h.ok = [&](HWND d) {
      if (ListIndex(d, IDC_PLACE_HALIGN) < 0 || ListIndex(d, IDC_PLACE_VALIGN) < 0) {
        TagBeep();
        return false;
      }
      place.row = GetItemNumber(d, IDC_PLACE_ROW);
      place.column = GetItemNumber(d, IDC_PLACE_COLUMN);
      place.hAlign = ListIndex(d, IDC_PLACE_HALIGN);
      place.vAlign = ListIndex(d, IDC_PLACE_VALIGN);
      switch (PlaceCellAlignment(v_, page_, place)) {
        case CellPlaceResult::kStored:
          return true;
        case CellPlaceResult::kRowReset:
          TagBeep();
          SetItemNumber(d, IDC_PLACE_ROW, place.row);
          SelectField(d, IDC_PLACE_ROW);
          return false;
        case CellPlaceResult::kColumnReset:
          TagBeep();
          SetItemNumber(d, IDC_PLACE_COLUMN, place.column);
          SelectField(d, IDC_PLACE_COLUMN);
          return false;
      }
      return false;
    };
    if (!RunTagDialog(p, IDD_TABLE_CELL_PLACE, h)) return;
    row_ = place.row;
    column_ = place.column;
    SetFocus(GetDlgItem(p, CellField(row_, column_ - FirstColumnOfPage(page_))));
    ShowAlignment(p);
  }

  TableWizardSettings& v_;
  int page_;
  int row_ = 1;
  int column_ = FirstColumnOfPage(page_);
};

}  // namespace

bool RunTableWizardSheet(HWND owner, TableWizardSettings& s) {
  TableWizardSettings v = s;
  TagPageHandlers pages[3];
  TagPageHandlers& attr = pages[0];
  attr.dialogId = IDD_TABLE_ATTR;
  attr.init = [&](HWND p) {
    for (int spin : {IDC_WIZ_ROWS_SPIN, IDC_WIZ_COLUMNS_SPIN}) {
      SendDlgItemMessageW(p, spin, UDM_SETRANGE32, 1, kMaxTableRows);
    }
    SetItemNumber(p, IDC_WIZ_ROWS, v.rows);
    SetItemNumber(p, IDC_WIZ_COLUMNS, v.columns);
    SendDlgItemMessageW(p, IDC_WIZ_TITLE, EM_LIMITTEXT, kMaxTableTitle, 0);
    SetItemSjis(p, IDC_WIZ_TITLE, v.title);
    CheckItem(p, IDC_WIZ_BORDER, v.border);
  };
  attr.leave = [&](HWND p) {
    bool rowsOk = false, columnsOk = false;
    const int rows = GetItemNumber(p, IDC_WIZ_ROWS, &rowsOk);
    const int columns = GetItemNumber(p, IDC_WIZ_COLUMNS, &columnsOk);
    if (!rowsOk || !columnsOk || !TableSizeValid(rows, columns)) {
      SelectField(p, rowsOk && TableSizeValid(rows, 1) ? IDC_WIZ_COLUMNS : IDC_WIZ_ROWS);
      return false;
    }
    return true;
  };
  attr.apply = [&](HWND p) {
    v.rows = GetItemNumber(p, IDC_WIZ_ROWS);
    v.columns = GetItemNumber(p, IDC_WIZ_COLUMNS);
    v.title = GetItemSjis(p, IDC_WIZ_TITLE);
    v.border = IsItemChecked(p, IDC_WIZ_BORDER);
  };
  DataPage data1(v, 0), data2(v, 1);
  pages[1] = data1.Handlers(IDD_TABLE_DATA1);
  pages[2] = data2.Handlers(IDD_TABLE_DATA2);
  int last = s.lastPage;
  const bool ok = RunTagSheet(owner, L"表ｳｨｻﾞｰﾄﾞ", pages, s.lastPage, last);
  if (ok) s = v;
  s.lastPage = last;
  return ok;
}

}  // namespace quelt::win
