#include "app/dock_layout.h"

#include <algorithm>

namespace quelt {
namespace {

int EdgeIndex(DockEdge edge) { return static_cast<int>(edge); }

bool Empty(const BarRect& r) { return r.Width() <= 0 || r.Height() <= 0; }

// The measured sizes of one row's bars, zero for a bar left out.
struct MeasuredRow {
  std::vector<BarSize> sizes;
  int thickness = 0;
};

MeasuredRow Measure(const DockLayout::Row& row, const DockMeasure& measure, bool vertical, int length) {
  MeasuredRow out;
  int used = 0;
  for (int bar : row) {
    BarSize s = measure(bar, vertical, std::max(0, length - used));
    if (s.cx <= 0 || s.cy <= 0) s = {};
    out.sizes.push_back(s);
    used += vertical ? s.cy : s.cx;
    out.thickness = std::max(out.thickness, vertical ? s.cx : s.cy);
  }
  return out;
}

// Puts a row's bars one after the other from (x, y) along the edge.
void PlaceRow(const DockLayout::Row& row, const MeasuredRow& m, bool vertical, int x, int y,
              std::vector<BarRect>& bars) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    const BarSize s = m.sizes[i];
    if (s.cx == 0) continue;
    bars[static_cast<std::size_t>(row[i])] = {x, y, x + s.cx, y + s.cy};
    (vertical ? y : x) += vertical ? s.cy : s.cx;
  }
}

// The depth of a band from its edge: where it starts and how thick it is.
struct Band {
  int start = 0, thickness = 0;
};

Band BandOf(DockEdge edge, const BarRect& area, const BarRect& r) {
  switch (edge) {
    case DockEdge::kTop:
      return {r.top - area.top, r.Height()};
    case DockEdge::kBottom:
      return {area.bottom - r.bottom, r.Height()};
    case DockEdge::kLeft:
      return {r.left - area.left, r.Width()};
    case DockEdge::kRight:
      return {area.right - r.right, r.Width()};
  }
  return {};
}

}  // namespace

std::optional<DockSlot> DockLayout::SlotOf(int bar) const {
  for (int e = 0; e < kDockEdgeCount; ++e) {
    for (std::size_t r = 0; r < rows_[e].size(); ++r) {
      const Row& row = rows_[e][r];
      const auto it = std::find(row.begin(), row.end(), bar);
      if (it != row.end()) return DockSlot{static_cast<DockEdge>(e), static_cast<int>(r), static_cast<int>(it - row.begin())};
    }
  }
  return std::nullopt;
}

void DockLayout::Remove(int bar) {
  for (auto& rows : rows_) {
    for (auto row = rows.begin(); row != rows.end(); ++row) {
      const auto it = std::find(row->begin(), row->end(), bar);
      if (it == row->end()) continue;
      row->erase(it);
      if (row->empty()) rows.erase(row);
      return;
    }
  }
}

void DockLayout::Place(int bar, const DockTarget& target) {
  if (bar < 0 || bar >= barCount_) return;
  DockTarget t = target;
  // The target names rows and places as they are with the bar still in;
  // taking the bar out first shifts what follows it.
  if (const auto slot = SlotOf(bar); slot && slot->edge == t.edge) {
    const bool rowGoes = Rows(t.edge)[static_cast<std::size_t>(slot->row)].size() == 1;
    if (!t.newRow && t.row == slot->row) {
      if (rowGoes) {
        t.newRow = true;
      } else if (slot->index < t.index) {
        --t.index;
      }
    } else if (rowGoes && t.row > slot->row) {
      --t.row;
    }
  }
  Remove(bar);
  auto& rows = rows_[EdgeIndex(t.edge)];
  const int rowCount = static_cast<int>(rows.size());
  t.row = std::clamp(t.row, 0, rowCount);
  if (t.newRow || t.row == rowCount) {
    rows.insert(rows.begin() + t.row, Row{bar});
    return;
  }
  Row& row = rows[static_cast<std::size_t>(t.row)];
  const int index = std::clamp(t.index, 0, static_cast<int>(row.size()));
  row.insert(row.begin() + index, bar);
}

void DockLayout::AddRow(int bar, DockEdge edge) {
  Remove(bar);
  rows_[EdgeIndex(edge)].push_back(Row{bar});
}

void DockLayout::AddToLastRow(int bar, DockEdge edge) {
  Remove(bar);
  auto& rows = rows_[EdgeIndex(edge)];
  if (rows.empty()) rows.emplace_back();
  rows.back().push_back(bar);
}

DockLayout InitialDockLayout(DockEdge toolBarEdge, const TagBarLayout& tagBars) {
  DockLayout layout(3);
  layout.AddRow(kDockToolBar, toolBarEdge);
  const DockEdge tagEdge = tagBars.left != 0 ? DockEdge::kLeft : DockEdge::kTop;
  const int lead = tagBars.sequence != 0 ? kDockTagBar1 : kDockTagBar2;
  const int other = lead == kDockTagBar1 ? kDockTagBar2 : kDockTagBar1;
  layout.AddRow(lead, tagEdge);
  if (tagBars.parallel != 0) {
    layout.AddRow(other, tagEdge);
  } else {
    layout.AddToLastRow(other, tagEdge);
  }
  return layout;
}

DockArrangement ArrangeDocks(const DockLayout& layout, const DockMeasure& measure, const BarRect& area, int topStrip,
                             int bottomStrip) {
  DockArrangement out;
  out.bars.resize(static_cast<std::size_t>(layout.BarCount()));
  int top = area.top, bottom = area.bottom, left = area.left, right = area.right;
  const int width = area.Width();
  // The top and bottom rows span the whole width, outermost first.
  for (const auto& row : layout.Rows(DockEdge::kTop)) {
    const MeasuredRow m = Measure(row, measure, false, width);
    PlaceRow(row, m, false, area.left, top, out.bars);
    out.rows[EdgeIndex(DockEdge::kTop)].push_back({area.left, top, area.right, top + m.thickness});
    top += m.thickness;
  }
  out.topStrip = {area.left, top, area.right, top + std::max(0, topStrip)};
  top = out.topStrip.bottom;
  for (const auto& row : layout.Rows(DockEdge::kBottom)) {
    const MeasuredRow m = Measure(row, measure, false, width);
    PlaceRow(row, m, false, area.left, bottom - m.thickness, out.bars);
    out.rows[EdgeIndex(DockEdge::kBottom)].push_back({area.left, bottom - m.thickness, area.right, bottom});
    bottom -= m.thickness;
  }
  out.bottomStrip = {area.left, bottom - std::max(0, bottomStrip), area.right, bottom};
  bottom = std::max(top, out.bottomStrip.top);
  // The left and right rows fill the height between.
  const int height = bottom - top;
  for (const auto& row : layout.Rows(DockEdge::kLeft)) {
    const MeasuredRow m = Measure(row, measure, true, height);
    PlaceRow(row, m, true, left, top, out.bars);
    out.rows[EdgeIndex(DockEdge::kLeft)].push_back({left, top, left + m.thickness, bottom});
    left += m.thickness;
  }
  for (const auto& row : layout.Rows(DockEdge::kRight)) {
    const MeasuredRow m = Measure(row, measure, true, height);
    PlaceRow(row, m, true, right - m.thickness, top, out.bars);
    out.rows[EdgeIndex(DockEdge::kRight)].push_back({right - m.thickness, top, right, bottom});
    right -= m.thickness;
  }
  out.client = {left, top, std::max(left, right), bottom};
  return out;
}

std::optional<DockTarget> DockTargetAt(const DockLayout& layout, const DockArrangement& now, const BarRect& area,
                                       int x, int y) {
  // The pointer must be near the area at all.
  if (x < area.left - kDockOutsideReach || x >= area.right + kDockOutsideReach ||
      y < area.top - kDockOutsideReach || y >= area.bottom + kDockOutsideReach)
    return std::nullopt;
  const int depths[kDockEdgeCount] = {y - area.top, area.bottom - 1 - y, x - area.left, area.right - 1 - x};
  std::optional<DockEdge> best;
  for (int e = 0; e < kDockEdgeCount; ++e) {
    const DockEdge edge = static_cast<DockEdge>(e);
    // The zone reaches past the rows there (and the fixed strip inside the
    // top or bottom rows).
    int inner = 0;
    for (const BarRect& band : now.rows[e]) {
      const Band b = BandOf(edge, area, band);
      inner = std::max(inner, b.start + b.thickness);
    }
    if (edge == DockEdge::kTop) inner = std::max(inner, now.topStrip.bottom - area.top);
    if (edge == DockEdge::kBottom) inner = std::max(inner, area.bottom - now.bottomStrip.top);
    if (depths[e] >= inner + kDockInsideReach) continue;
    if (!best || depths[e] < depths[static_cast<int>(*best)]) best = edge;
  }
  if (!best) return std::nullopt;
  const DockEdge edge = *best;
  const int depth = depths[static_cast<int>(edge)];
  const auto& rows = layout.Rows(edge);
  const auto& bands = now.rows[static_cast<int>(edge)];
  DockTarget target{edge, 0, 0, true};
  if (depth < 0) return target;  // outside the area: a new outermost row
  target.row = static_cast<int>(rows.size());
  for (std::size_t r = 0; r < rows.size() && r < bands.size(); ++r) {
    const Band b = BandOf(edge, area, bands[r]);
    if (b.thickness <= 0 || depth < b.start || depth >= b.start + b.thickness) continue;
    // Into this row, before the first bar whose centre lies past the pointer.
    const bool vertical = IsVerticalEdge(edge);
    const int along = vertical ? y : x;
    target.row = static_cast<int>(r);
    target.newRow = false;
    target.index = static_cast<int>(rows[r].size());
    for (std::size_t i = 0; i < rows[r].size(); ++i) {
      const BarRect& bar = now.bars[static_cast<std::size_t>(rows[r][i])];
      if (Empty(bar)) continue;
      const int centre = vertical ? (bar.top + bar.bottom) / 2 : (bar.left + bar.right) / 2;
      if (along < centre) {
        target.index = static_cast<int>(i);
        break;
      }
    }
    break;
  }
  return target;
}

BarSize EstimateBarSize(const BarShapes& shapes, bool vertical, int length) {
  if (vertical) return shapes.oneColumn;
  const BarSize one = shapes.oneRow;
  if (!shapes.wraps || length <= 0 || one.cx <= length) return one;
  const int rows = (one.cx + length - 1) / length;
  return {length, one.cy + (rows - 1) * shapes.rowHeight};
}

}  // namespace quelt
