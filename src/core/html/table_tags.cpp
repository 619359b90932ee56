#include "html/table_tags.h"

#include <algorithm>

namespace quelt {
namespace {

constexpr const char* kHAlignValues[] = {nullptr, "left", "center", "right"};
constexpr const char* kVAlignValues[] = {nullptr, "top", "middle", "bottom"};

void AddAlignments(OpenTag& tag, int h, int v) {
  if (h >= 1 && h <= 3) tag.Text("ALIGN", kHAlignValues[h]);
  if (v >= 1 && v <= 3) tag.Text("VALIGN", kVAlignValues[v]);
}

void AddNumber(OpenTag& tag, const char* name, int index) {
  if (const auto n = NumberOfListIndex(index)) tag.Number(name, *n);
}

void AddPercent(OpenTag& tag, const char* name, int index) {
  if (const auto n = NumberOfListIndex(index)) tag.Bare(name, std::to_string(*n) + "%");
}

void AddBackground(OpenTag& tag, bool on, ColourRef colour) {
  if (on) tag.Bare("BGCOLOR", FormatHtmlColor(colour, true, true));
}

}  // namespace

std::optional<int> NumberOfListIndex(int index) {
  if (index < 1 || index >= kNumberListCount) return std::nullopt;
  return index - 1;
}

std::string NumberListLabel(int index) {
  if (const auto n = NumberOfListIndex(index)) return std::to_string(*n);
  return "標準";
}

TagPair BuildTableAreaTag(const TableAreaSettings& s) {
  OpenTag tag("TABLE");
  if (s.borderIndex == 0) {
    tag.Flag("BORDER");
  } else if (s.borderIndex >= 2) {
    AddNumber(tag, "BORDER", s.borderIndex);
  }
  AddNumber(tag, "CELLPADDING", s.paddingIndex);
  AddNumber(tag, "CELLSPACING", s.spacingIndex);
  AddPercent(tag, "WIDTH", s.widthIndex);
  AddBackground(tag, s.background, s.colour);
  return {std::string(kCrLf) + tag.Str() + std::string(kCrLf), "\r\n</TABLE>\r\n"};
}

TagPair BuildTableCaptionTag(const TableCaptionSettings& s) {
  OpenTag tag("CAPTION");
  if (s.position == 1) tag.Text("ALIGN", "top");
  if (s.position == 2) tag.Text("ALIGN", "bottom");
  return {tag.Str(), "</CAPTION>"};
}

TagPair BuildTableCellTag(const TableCellSettings& s, bool header) {
  const char* name = header ? "TH" : "TD";
  OpenTag tag(name);
  AddAlignments(tag, s.hAlign, s.vAlign);
  AddNumber(tag, "ROWSPAN", s.rowSpanIndex);
  AddNumber(tag, "COLSPAN", s.columnSpanIndex);
  AddPercent(tag, "WIDTH", s.widthIndex);
  AddBackground(tag, s.background, s.colour);
  if (s.noWrap) tag.Flag("NOWRAP");
  return {tag.Str(), CloseTag(name)};
}

TagPair BuildTableRowTag(const TableRowSettings& s) {
  OpenTag tag("TR");
  AddAlignments(tag, s.hAlign, s.vAlign);
  return {tag.Str(), {}};
}

TagPair BuildTableWizardTag(const TableWizardSettings& s) {
  const int rows = std::min(s.rows, kMaxTableRows);
  const int columns = std::min(s.columns, kMaxTableColumns);
  std::string t(kCrLf);
  t += s.border ? "<TABLE BORDER>" : "<TABLE>";
  if (!s.title.empty()) t += "<CAPTION>" + s.title + "</CAPTION>";
  t += kCrLf;
  if (rows >= 1) t += "<TR>\r\n";
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) {
      const TableCell& cell = s.Cell(r, c);
      OpenTag tag("TD");
      AddAlignments(tag, cell.hAlign, cell.vAlign);
      t += tag.Str();
      t += cell.text;
      t += "</TD>";
    }
    t += kCrLf;
    if (r < rows) t += "<TR>\r\n";
  }
  t += "</TABLE>\r\n";
  return {t, {}};
}

bool TableSizeValid(int rows, int columns) {
  return rows >= 1 && rows <= kMaxTableRows && columns >= 1 && columns <= kMaxTableColumns;
}

const char* TableHAlignLabel(int index) {
  static constexpr const char* kLabels[] = {"標準", "左", "中央", "右"};
  return index >= 0 && index < 4 ? kLabels[index] : kLabels[0];
}

const char* TableVAlignLabel(int index) {
  static constexpr const char* kLabels[] = {"標準", "上", "中央", "下"};
  return index >= 0 && index < 4 ? kLabels[index] : kLabels[0];
}

CellPlaceResult PlaceCellAlignment(TableWizardSettings& s, int page, CellPlace& place) {
  if (place.row < 1 || place.row > kMaxTableRows) {
    place.row = 1;
    return CellPlaceResult::kRowReset;
  }
  const int first = FirstColumnOfPage(page == 1 ? 1 : 0);
  if (place.column < first || place.column >= first + kColumnsPerDataPage) {
    place.column = first;
    return CellPlaceResult::kColumnReset;
  }
  TableCell& cell = s.Cell(place.row, place.column);
  cell.hAlign = place.hAlign >= 0 && place.hAlign <= 3 ? place.hAlign : 0;
  cell.vAlign = place.vAlign >= 0 && place.vAlign <= 3 ? place.vAlign : 0;
  return CellPlaceResult::kStored;
}

}  // namespace quelt
