// Docking of the tool bar and the two tag tool bars: their places at the
// frame's edges (from the engine's dock layout), the drag of a bar to
// another edge, and what is stored of the layout at close.
#include <windows.h>

#include <algorithm>
#include <climits>

#include "app/tag_bar_layout.h"
#include "frame/dock_drag.h"
#include "frame/main_frame.h"

namespace quelt::win {
namespace {

constexpr int kUnlimited = INT_MAX / 4;

DockEdge EdgeOfSetting(int position) {
  return position >= 0 && position < kDockEdgeCount ? static_cast<DockEdge>(position) : DockEdge::kTop;
}

BarRect ScreenRect(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  return {rc.left, rc.top, rc.right, rc.bottom};
}

RECT ToRect(const BarRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void CMainFrame::CreateDock() {
  const AppSettings& s = context_.settings;
  dock_ = InitialDockLayout(EdgeOfSetting(s.toolBarPosition),
                            {s.tagToolBarLeft, s.tagToolBarParallel, s.tagToolBarSequence});
  for (int i = 0; i < dock_.BarCount(); ++i) {
    DockBar(i)->SetDragHandler([this, i](CToolBar&, POINT screen) { OnBarDrag(i, screen); });
  }
}

CToolBar* CMainFrame::DockBar(int bar) {
  switch (bar) {
    case kDockToolBar:
      return &toolBar_;
    case kDockTagBar1:
      return &tagBar1_;
    default:
      return &tagBar2_;
  }
}

BarRect CMainFrame::DockArea() {
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  return {0, 0, rc.right, std::max(0, static_cast<int>(rc.bottom) - statusBar_.Height())};
}

StripBar CMainFrame::WindowStrip() const {
  return {context_.settings.tabBarPosition != 0, windowBar_.Height()};
}

StripBar CMainFrame::ExtStrip() const {
  return {extBarAtTop_, extMenuBar_.Height()};
}

DockArrangement CMainFrame::ArrangeBars(const DockLayout& layout, bool estimate) {
  const StripHeights strips = StripHeightsOf(WindowStrip(), ExtStrip());
  const DockMeasure measure = [this, estimate](int bar, bool vertical, int length) -> BarSize {
    CToolBar* b = DockBar(bar);
    if (!b->Visible()) return {};
    if (estimate) return EstimateBarSize(shapes_[bar], vertical, length);
    const SIZE s = b->Arrange(vertical, length);
    return {s.cx, s.cy};
  };
  return ArrangeDocks(layout, measure, DockArea(), strips.top, strips.bottom);
}

void CMainFrame::LayoutBars() {
  if (!barsCreated_) return;
  statusBar_.Resize();
  docked_ = ArrangeBars(dock_, false);
  for (int i = 0; i < dock_.BarCount(); ++i) {
    CToolBar* bar = DockBar(i);
    if (bar->Visible()) bar->MoveTo(ToRect(docked_.bars[static_cast<std::size_t>(i)]));
  }
  const StripPlaces strips = PlaceStripBars(docked_.topStrip, docked_.bottomStrip, WindowStrip(), ExtStrip(), extBarFirst_);
  if (windowBar_.Height() > 0) {
    const BarRect& r = strips.windowBar;
    MoveWindow(windowBar_.Hwnd(), r.left, r.top, r.Width(), r.Height(), TRUE);
  }
  if (extMenuBar_.Height() > 0) {
    const BarRect& r = strips.extBar;
    MoveWindow(extMenuBar_.Hwnd(), r.left, r.top, r.Width(), r.Height(), TRUE);
    extMenuBar_.FitTabs();
  }
  const BarRect& c = docked_.client;
  MoveWindow(client_, c.left, c.top, c.Width(), c.Height(), TRUE);
  // A column longer than the frame is cut off by the status bar, not drawn
  // over it.
  if (statusBar_.Hwnd()) {
    SetWindowPos(statusBar_.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void CMainFrame::MeasureBarShapes() {
  // Each bar in one row and in one column; the layout puts them back.
  for (int i = 0; i < dock_.BarCount(); ++i) {
    CToolBar* bar = DockBar(i);
    const SIZE row = bar->Arrange(false, kUnlimited);
    const SIZE column = bar->Arrange(true, kUnlimited);
    shapes_[i] = {{row.cx, row.cy}, {column.cx, column.cy}, row.cy, i == kDockToolBar};
  }
  LayoutBars();
}

void CMainFrame::OnBarDrag(int bar, POINT start) {
  MeasureBarShapes();
  const BarRect area = DockArea();
  const auto targetAt = [&](POINT screen) {
    POINT p = screen;
    ScreenToClient(hwnd_, &p);
    return DockTargetAt(dock_, docked_, area, p.x, p.y);
  };
  const DockPreview preview = [&](POINT screen) -> std::optional<RECT> {
    const auto target = targetAt(screen);
    if (!target) return std::nullopt;
    DockLayout moved = dock_;
    moved.Place(bar, *target);
    RECT rc = ToRect(ArrangeBars(moved, true).bars[static_cast<std::size_t>(bar)]);
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  };
  const auto drop = TrackDockDrag(DockBar(bar)->Hwnd(), start, preview);
  // A drop outside every edge's zone leaves the bar where it was.
  const auto target = drop ? targetAt(*drop) : std::nullopt;
  if (!target) return;
  dock_.Place(bar, *target);
  LayoutBars();
  // Bars and documents moved: paint the frame whole, not from moved bits.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CMainFrame::StoreBarLayout() {
  AppSettings& s = context_.settings;
  if (const auto slot = dock_.SlotOf(kDockToolBar)) s.toolBarPosition = static_cast<int>(slot->edge);
  // The tag bars are read back from their rectangles; only bars that have
  // been shown have a place of their own.
  if (!s.saveTagToolBarLayout || !tagBarsPlaced_) return;
  const TagBarLayout l = quelt::StoreTagBarLayout(ScreenRect(tagBar1_.Hwnd()), ScreenRect(tagBar2_.Hwnd()));
  s.tagToolBarLeft = l.left;
  s.tagToolBarParallel = l.parallel;
  s.tagToolBarSequence = l.sequence;
}

}  // namespace quelt::win
