// The table tags: the table area, caption, header and data cell and row
// break dialogs, and the table wizard that writes a whole table from a grid
// of cell texts. Each pair is a pure function of the table settings, which
// the application keeps for the run.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "html/tag_pair.h"

namespace quelt {

// The number lists of borders, spacings, spans and widths: "標準" at index
// 0, then the numbers 0 to 100 (index i stands for i - 1).
inline constexpr int kNumberListCount = 102;
// The number index i stands for; nullopt for 標準 (index 0) or an index
// outside the list.
std::optional<int> NumberOfListIndex(int index);
// The label of a list entry (UTF-8): "標準", "0", ..., "100".
std::string NumberListLabel(int index);

// The wizard's grid.
inline constexpr int kMaxTableRows = 8;
inline constexpr int kMaxTableColumns = 8;
// The longest table title.
inline constexpr int kMaxTableTitle = 80;
// Each data page shows this many columns.
inline constexpr int kColumnsPerDataPage = 4;

struct TableCell {
  std::string text;
  int hAlign = 0;  // 0 標準, 1 left, 2 center, 3 right
  int vAlign = 0;  // 0 標準, 1 top, 2 middle, 3 bottom
  bool operator==(const TableCell&) const = default;
};

struct TableWizardSettings {
  int rows = 1;
  int columns = 1;
  bool border = true;
  std::string title;
  std::array<TableCell, kMaxTableRows * kMaxTableColumns> cells{};  // row-major
  int lastPage = 0;  // the sheet reopens at the page active when it closed
  TableCell& Cell(int row, int column) { return cells[(row - 1) * kMaxTableColumns + column - 1]; }
  const TableCell& Cell(int row, int column) const {
    return cells[(row - 1) * kMaxTableColumns + column - 1];
  }
  bool operator==(const TableWizardSettings&) const = default;
};

// Dialog 143.
struct TableAreaSettings {
  int borderIndex = 0;
  int paddingIndex = 0;
  int spacingIndex = 0;
  int widthIndex = 0;
  bool background = false;
  ColourRef colour = 0xC0C0C0;
  bool operator==(const TableAreaSettings&) const = default;
};

// Dialog 144: position 0 標準, 1 上部, 2 下部. The title is kept for the
// next use and not written.
struct TableCaptionSettings {
  int position = 0;
  std::string title;
  bool operator==(const TableCaptionSettings&) const = default;
};

// Dialog 146, shared by the header and the data cell.
struct TableCellSettings {
  int hAlign = 0;  // 0 標準, 1 左寄せ, 2 中央, 3 右寄せ
  int vAlign = 0;  // 0 標準, 1 上部, 2 中央, 3 下部
  int rowSpanIndex = 0;
  int columnSpanIndex = 0;
  int widthIndex = 0;
  bool background = false;
  ColourRef colour = 0xC0C0C0;
  bool noWrap = false;
  bool operator==(const TableCellSettings&) const = default;
};

// Dialog 148.
struct TableRowSettings {
  int hAlign = 0;
  int vAlign = 0;
  bool operator==(const TableRowSettings&) const = default;
};

struct TableSettings {
  TableWizardSettings wizard;
  TableAreaSettings area;
  TableCaptionSettings caption;
  TableCellSettings cell;
  TableRowSettings row;
  bool operator==(const TableSettings&) const = default;
};

TagPair BuildTableAreaTag(const TableAreaSettings& s);
TagPair BuildTableCaptionTag(const TableCaptionSettings& s);
// TH for the header cell (32931), TD for the data cell (32932).
TagPair BuildTableCellTag(const TableCellSettings& s, bool header);
TagPair BuildTableRowTag(const TableRowSettings& s);
// The whole table as the opening text; the closing text is empty.
TagPair BuildTableWizardTag(const TableWizardSettings& s);

// The attribute page's check when it is left: rows and columns 1..8.
bool TableSizeValid(int rows, int columns);

// The alignment labels (UTF-8) the data pages show for the focused cell and
// dialog 1549 lists: "標準", "左", "中央", "右" and "標準", "上", "中央", "下".
const char* TableHAlignLabel(int index);
const char* TableVAlignLabel(int index);

// Dialog 1549 on OK, on data page 0 (columns 1-4) or 1 (columns 5-8).
enum class CellPlaceResult {
  kStored,       // the cell has the alignments; the focus goes to its field
  kRowReset,     // the row was outside 1..8: the row field is set back to 1
  kColumnReset,  // the column lay outside the page: set back to its first
};
struct CellPlace {
  int row = 1;
  int column = 1;
  int hAlign = 0;
  int vAlign = 0;
};
// Stores the alignments when the place is sound; otherwise corrects place
// as the dialog shows it again and stores nothing.
CellPlaceResult PlaceCellAlignment(TableWizardSettings& s, int page, CellPlace& place);
// The first column a data page shows.
inline int FirstColumnOfPage(int page) { return page * kColumnsPerDataPage + 1; }

}  // namespace quelt
