// Docking of the frame's tool bars at its four edges. Each edge holds rows
// of bars, the outermost row first; the bars of a row lie one after the
// other along the edge. Bars are horizontal at the top and bottom edges and
// vertical at the left and right edges. The top and bottom rows span the
// whole width; the left and right rows fill the height between them.
//
// This file decides where bars go: the places of the bars for given sizes,
// which edge and row a pointer position chooses while a bar is dragged, and
// the layout after the drop. The window side only measures and moves bars.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "app/tag_bar_layout.h"

namespace quelt {

enum class DockEdge { kTop = 0, kBottom = 1, kLeft = 2, kRight = 3 };
constexpr int kDockEdgeCount = 4;

constexpr bool IsVerticalEdge(DockEdge edge) { return edge == DockEdge::kLeft || edge == DockEdge::kRight; }

// Where one bar lies: its edge, its row (0 the outermost) and its place in
// the row (0 nearest the start of the edge: left or top).
struct DockSlot {
  DockEdge edge = DockEdge::kTop;
  int row = 0;
  int index = 0;
};

// Where a dropped bar goes: into row `row` before the bar at `index`, or,
// with newRow, into a new row put before row `row` (row == the number of
// rows: a new innermost row).
struct DockTarget {
  DockEdge edge = DockEdge::kTop;
  int row = 0;
  int index = 0;
  bool newRow = false;
};

// The rows of every edge, each a list of bar numbers (0 to barCount - 1).
class DockLayout {
 public:
  using Row = std::vector<int>;

  explicit DockLayout(int barCount = 0) : barCount_(barCount) {}
  int BarCount() const { return barCount_; }
  const std::vector<Row>& Rows(DockEdge edge) const { return rows_[static_cast<int>(edge)]; }
  // The slot of a placed bar; nothing for a bar not placed.
  std::optional<DockSlot> SlotOf(int bar) const;
  // Puts a bar (taken out first if placed) at the target as it reads now.
  void Place(int bar, const DockTarget& target);
  // Adds a bar at the end of a new innermost row of edge.
  void AddRow(int bar, DockEdge edge);
  // Adds a bar at the end of the innermost row of edge (a new row when the
  // edge has none).
  void AddToLastRow(int bar, DockEdge edge);
  // Takes a bar out; its row goes when it empties.
  void Remove(int bar);

  bool operator==(const DockLayout&) const = default;

 private:
  int barCount_ = 0;
  std::array<std::vector<Row>, kDockEdgeCount> rows_;
};

// The initial layout of the tool bar (bar kDockToolBar) at its edge and the
// two tag bars from their stored layout, in rows after the tool bar's.
constexpr int kDockToolBar = 0;
constexpr int kDockTagBar1 = 1;
constexpr int kDockTagBar2 = 2;
DockLayout InitialDockLayout(DockEdge toolBarEdge, const TagBarLayout& tagBars);

// The size of a bar for its orientation and the length of the row left to
// it; a zero size leaves the bar out (hidden).
using DockMeasure = std::function<BarSize(int bar, bool vertical, int length)>;

struct DockArrangement {
  std::vector<BarRect> bars;  // per bar; empty for a bar left out
  // The bands the rows of each edge take, outermost first.
  std::array<std::vector<BarRect>, kDockEdgeCount> rows;
  BarRect topStrip, bottomStrip;  // fixed strips inside the top and bottom rows
  BarRect client;                 // what is left for the documents
};

// Lays the bars out in area. topStrip and bottomStrip are the heights of
// bars that are not dragged (the window bar) and lie inside the top or the
// bottom rows, across the whole width.
DockArrangement ArrangeDocks(const DockLayout& layout, const DockMeasure& measure, const BarRect& area,
                             int topStrip = 0, int bottomStrip = 0);

// How far outside the area and how far inside its rows a pointer still
// chooses an edge.
constexpr int kDockOutsideReach = 40;
constexpr int kDockInsideReach = 32;

// The target a pointer at (x, y) chooses, from the arrangement the frame
// shows now: the nearest edge whose zone holds the point (the zone runs from
// kDockOutsideReach outside the area to kDockInsideReach past the rows
// already there); inside a row's band the bar joins that row before the
// first bar whose centre lies past the pointer; outside the area it makes a
// new outermost row, past the rows a new innermost one. Nothing when no
// zone holds the point.
std::optional<DockTarget> DockTargetAt(const DockLayout& layout, const DockArrangement& now, const BarRect& area,
                                       int x, int y);

// A size for previews: a bar of one row (one column) of `oneRow`
// (`oneColumn`) wrapped into as many rows as a length needs when wraps is
// set, rows of rowHeight.
struct BarShapes {
  BarSize oneRow, oneColumn;
  int rowHeight = 0;
  bool wraps = false;
};
BarSize EstimateBarSize(const BarShapes& shapes, bool vertical, int length);

}  // namespace quelt
