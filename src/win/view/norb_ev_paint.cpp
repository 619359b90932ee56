// Painting of the edit window: the cells of the visible text drawn run by
// run with one ExtTextOutW and an explicit advance per character, control
// characters as blanks, the line-end and tab marks, the selection inverted
// and the caret-line underline.
#include <algorithm>
#include <vector>

#include "cabinet/cabinet_settings.h"
#include "view/edit_context.h"
#include "framework/sjis_glyphs.h"
#include "marks/doc_marks.h"
#include "record/operation_recorder.h"
#include "view/norb_doc.h"
#include "view/colouring.h"
#include "view/norb_ev.h"

namespace quelt::win {
namespace {

// The longest arrow of the line-end and tab marks, in pixels.
constexpr int kMarkLength = 8;

COLORREF Rgb(std::uint32_t colour) { return static_cast<COLORREF>(colour & kColourMask); }

// A pen that goes when the paint ends.
class Pen {
 public:
  Pen(COLORREF colour, int width = 1) : pen_(CreatePen(PS_SOLID, width, colour)) {}
  ~Pen() { DeleteObject(pen_); }
  HPEN Get() const { return pen_; }

 private:
  HPEN pen_;
};

void DrawLine(HDC dc, HPEN pen, int x1, int y1, int x2, int y2) {
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
}

// A downward arrow for a line end: the shaft and a short two-segment head.
void DrawLineEndMark(HDC dc, HPEN pen, int cx, int top, int bottom) {
  DrawLine(dc, pen, cx, top, cx, bottom + 1);
  const int head = std::max(1, (bottom - top) / 3);
  DrawLine(dc, pen, cx - head, bottom - head, cx, bottom);
  DrawLine(dc, pen, cx + head, bottom - head, cx, bottom);
}

// A rightward arrow for a tab.
void DrawTabMark(HDC dc, HPEN pen, int left, int right, int cy) {
  DrawLine(dc, pen, left, cy, right + 1, cy);
  const int head = std::max(1, (right - left) / 3);
  DrawLine(dc, pen, right - head, cy - head, right, cy);
  DrawLine(dc, pen, right - head, cy + head, right, cy);
}

}  // namespace

// Built here, where the colouring types are complete.
CNorbEV::CNorbEV(CNorbDoc& doc, View* owner)
    : doc_(doc),
      owner_(owner),
      context_(doc.Context()),
      settings_(context_.settings),
      host_(context_.host),
      find_(context_.find),
      recorder_(context_.recording.Recorder()),
      tags_(context_.tagJumps),
      popupItems_(context_.state.Data().popupMenu) {}

CNorbEV::~CNorbEV() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void CNorbEV::RebuildColourScheme() {
  scheme_ = std::make_unique<ColourScheme>(ColourOptionsFrom(context_.CurrentCabinet(), context_.settings, doc_.IsHtml()));
  if (!cells_) cells_ = std::make_unique<CellArray>();
}

void CNorbEV::InvalidateLines(std::uint32_t first, std::uint32_t last) {
  if (last < first) std::swap(first, last);
  const POINT a = CellPoint(0, first), b = CellPoint(0, last + 1);
  RECT rc{0, std::max(0L, a.y), metrics_.clientWidth, std::min<LONG>(metrics_.clientHeight, b.y)};
  if (rc.bottom > rc.top) InvalidateRect(hwnd_, &rc, FALSE);
}

void CNorbEV::OnPaint() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd_, &ps);
  const RECT& update = ps.rcPaint;
  const int width = std::max(1L, update.right - update.left), height = std::max(1L, update.bottom - update.top);
  // Paint into a bitmap of the update rectangle, then copy it in one go.
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  SetViewportOrgEx(dc, -update.left, -update.top, nullptr);

  const FormatBlock& block = context_.CurrentCabinet().block;
  HBRUSH back = CreateSolidBrush(Rgb(block[kWordTextBack]));
  FillRect(dc, &update, back);
  DeleteObject(back);

  // Keep the margins clear of text.
  HRGN clip = CreateRectRgn(metrics_.leftMargin - update.left, metrics_.topMargin - update.top,
                            metrics_.clientWidth - update.left, metrics_.clientHeight - update.top);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);

  // Keywords and colours may have changed since the last paint.
  RebuildColourScheme();
  if (layout_->LineCount() > 0) {
    int column = 0;
    std::uint32_t top = 0, bottom = 0;
    CellAt(0, update.top, column, top);
    CellAt(0, update.bottom, column, bottom);
    // A marked line has its background across the whole row, empty or not.
    if (!doc_.Marks().LineMarks().empty()) {
      HBRUSH brush = CreateSolidBrush(Rgb(block[kWordMarkLineBack]));
      for (std::uint32_t line = top; line <= bottom; ++line) {
        if (!LineMarked(line)) continue;
        const POINT p = CellPoint(0, line);
        RECT rc{metrics_.leftMargin, p.y, metrics_.clientWidth, p.y + metrics_.lineHeight};
        FillRect(dc, &rc, brush);
      }
      DeleteObject(brush);
    }
    const std::int32_t last = layout_->LineLastChar(bottom);
    if (last >= 0 && top <= bottom) PaintRange(dc, layout_->LineStart(top), static_cast<TextOffset>(last));
    PaintSelection(dc);
  }
  if (settings_.drawUnderLine && !dragging_) DrawCaretUnderline(dc, caret_.pos.line, true);

  SelectClipRgn(dc, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  BitBlt(target, update.left, update.top, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(hwnd_, &ps);
}

void CNorbEV::PaintRange(HDC dc, TextOffset from, TextOffset to) {
  const CabinetSettings& cabinet = context_.CurrentCabinet();
  const FormatBlock& block = cabinet.block;
  PaintView view;
  view.topLine = topLine_;
  view.bottomLine = topLine_ + static_cast<std::uint32_t>(metrics_.visibleRows);
  view.firstColumn = firstColumn_;
  view.tabWidth = layout_->Params().tabWidth;
  // String marks are coloured only where the text still equals their copy.
  std::vector<MarkedString> marked;
  for (const StringMark& mark : doc_.Marks().StringMarks()) marked.push_back(MarkedString{mark.offset, mark.text});
  if (!ColourRange(doc_.Store(), *scheme_, view, from, to, doc_.AreaComments(), marked, *cells_)) return;

  const COLORREF textColour = Rgb(block[kWordTextColour]);
  const COLORREF backColour = Rgb(block[kWordTextBack]);
  const COLORREF markLineColour = Rgb(block[kWordMarkLineBack]);
  const bool anyMarkedLine = !doc_.Marks().LineMarks().empty();
  const bool showLineEnds = block[kWordShowLineEnds] != 0, showTabs = block[kWordShowTabs] != 0;
  Pen lineEndPen(Rgb(block[kWordLineEndColour])), tabPen(Rgb(block[kWordTabColour]));
  HGDIOBJ oldFont = SelectObject(dc, font_.Get());
  SetBkMode(dc, TRANSPARENT);
  const int cw = metrics_.charWidth, lh = metrics_.lineHeight, fh = metrics_.fontHeight;
  const std::uint8_t* bytes = cells_->Bytes();
  const std::size_t sizeBase = cells_->begin - cells_->textBegin;
  std::vector<wchar_t> text;
  std::vector<INT> advances;
  PaintRun run;
  for (std::size_t at = 0; NextPaintRun(*cells_, at, run);) {
    const Cell& cell = cells_->cells[run.first];
    const int x = cell.column * cw + metrics_.leftMargin;
    const int y = cell.row * lh + metrics_.topMargin;
    COLORREF fg = textColour, bg = backColour;
    if (anyMarkedLine && LineMarked(topLine_ + static_cast<std::uint32_t>(cell.row))) {
      // The marked line's colours override every code of the line.
      bg = markLineColour;
    } else if (IsBackgroundCode(run.code)) {
      bg = Rgb(CodeColour(run.code));
    } else if (run.code != kDefaultCode) {
      fg = Rgb(CodeColour(run.code));
    }
    SetTextColor(dc, fg);
    SetBkColor(dc, bg);
    if (run.control) {
      const std::uint8_t c = bytes[run.first];
      // A CR LF cell and other control bytes are one character wide; a tab
      // runs to its tab stop.
      const int w = c == '\t' ? std::max<int>(1, cell.columns) * cw : cw;
      RECT rc{x, y, x + w, y + lh};
      INT advance = w;
      ExtTextOutW(dc, x, y, ETO_OPAQUE, &rc, L" ", 1, &advance);
      if (c == kCr && showLineEnds) {
        const int length = std::min(kMarkLength, fh - 2);
        DrawLineEndMark(dc, lineEndPen.Get(), x + cw / 2, y + fh - 2 - length, y + fh - 2);
      } else if (c == '\t' && showTabs) {
        DrawTabMark(dc, tabPen.Get(), x, x + std::min(kMarkLength, cw) - 1, y + fh / 2);
      }
      continue;
    }
    text.clear();
    advances.clear();
    int w = 0;
    for (std::size_t i = run.first; i < run.first + run.count;) {
      const std::uint8_t size = std::max<std::uint8_t>(1, cells_->charSize[sizeBase + i]);
      const int columns = std::max<int>(1, cells_->cells[i].columns);
      text.push_back(size == 2 ? SjisPairGlyph(bytes[i], bytes[i + 1]) : SjisSingleGlyph(bytes[i]));
      advances.push_back(columns * cw);
      w += columns * cw;
      i += size;
    }
    RECT rc{x, y, x + w, y + lh};
    ExtTextOutW(dc, x, y, ETO_OPAQUE, &rc, text.data(), static_cast<UINT>(text.size()), advances.data());
  }
  SelectObject(dc, oldFont);
}

bool CNorbEV::LineMarked(std::uint32_t line) const {
  if (line >= layout_->LineCount()) return false;
  if (line > 0 && doc_.Store().LineFlag(line) == 0) return false;
  return doc_.Marks().IsLineMarked(layout_->LineStart(line));
}

bool CNorbEV::SelectionRange(TextOffset& from, TextOffset& to) const {
  if (!selection_.active || selection_.box || selection_.anchor == selection_.caret) return false;
  from = std::min(selection_.anchor, selection_.caret);
  to = std::max(selection_.anchor, selection_.caret);
  return true;
}

void CNorbEV::PaintSelection(HDC dc) {
  if (!selection_.active) return;
  // "DisableInvertOnPlaying": a selection made by played-back operations is
  // not shown.
  if (settings_.disableInvertOnPlaying && recorder_.IsPlaying()) return;
  const std::uint32_t lastVisible = topLine_ + static_cast<std::uint32_t>(metrics_.visibleRows) + 1;
  if (selection_.box) {
    const int c1 = std::min(selection_.anchorColumn, selection_.caretColumn);
    const int c2 = std::max(selection_.anchorColumn, selection_.caretColumn);
    const std::uint32_t l1 = std::max(std::min(selection_.anchorLine, selection_.caretLine), topLine_);
    const std::uint32_t l2 = std::min(std::max(selection_.anchorLine, selection_.caretLine), lastVisible);
    if (l1 > l2 || c1 == c2) return;
    const POINT a = CellPoint(c1, l1), b = CellPoint(c2, l2 + 1);
    RECT rc{a.x, a.y, b.x, b.y};
    InvertRect(dc, &rc);
    return;
  }
  TextOffset from = 0, to = 0;
  if (!SelectionRange(from, to)) return;
  const std::uint32_t first = std::max(layout_->LineOfOffset(from), topLine_);
  const std::uint32_t last = std::min(layout_->LineOfOffset(to), lastVisible);
  for (std::uint32_t line = first; line <= last && line < layout_->LineCount(); ++line) {
    const TextOffset start = layout_->LineStart(line);
    const TextOffset end = layout_->LineTextEnd(line);
    const int c1 = from > start ? layout_->ColumnInLine(line, from) : 0;
    int c2;
    if (to <= end) {
      c2 = layout_->ColumnInLine(line, to);
    } else {
      // The selection runs through the line end: show its cell too.
      c2 = layout_->ColumnInLine(line, end) + (layout_->EndsWithCrLf(line) ? 1 : 0);
    }
    if (c2 <= c1) continue;
    const POINT a = CellPoint(c1, line), b = CellPoint(c2, line + 1);
    RECT rc{a.x, a.y, b.x, b.y};
    InvertRect(dc, &rc);
  }
}

void CNorbEV::DrawCaretUnderline(HDC dc, std::uint32_t line, bool draw) {
  if (line < topLine_ || line > topLine_ + static_cast<std::uint32_t>(metrics_.visibleRows)) return;
  const CabinetSettings& cabinet = context_.CurrentCabinet();
  const POINT pt = CellPoint(firstColumn_, line);
  int y = pt.y - 1 + metrics_.fontHeight;
  if (metrics_.lineHeight - metrics_.fontHeight >= 2) y += 2;
  const int width = (layout_->MaxColumn() - firstColumn_ + 2) * metrics_.charWidth;
  Pen pen(Rgb(draw ? cabinet.cursorLineColour : cabinet.block[kWordTextBack]));
  DrawLine(dc, pen.Get(), pt.x, y, pt.x + width, y);
}

void CNorbEV::InvalidateSelectionChange(const EvSelection& before) {
  // Repaint the lines either selection touches; painting inverts the new one.
  auto lines = [this](const EvSelection& s, std::uint32_t& a, std::uint32_t& b) {
    if (!s.active) return false;
    if (s.box) {
      a = std::min(s.anchorLine, s.caretLine);
      b = std::max(s.anchorLine, s.caretLine);
    } else {
      a = layout_->LineOfOffset(std::min(s.anchor, s.caret));
      b = layout_->LineOfOffset(std::max(s.anchor, s.caret));
    }
    return true;
  };
  std::uint32_t a = 0, b = 0;
  if (before.active && selection_.active && !before.box && !selection_.box && before.anchor == selection_.anchor) {
    // Only the moving end changed: repaint between the old and new ends.
    a = layout_->LineOfOffset(std::min(before.caret, selection_.caret));
    b = layout_->LineOfOffset(std::max(before.caret, selection_.caret));
    InvalidateLines(a, b);
    return;
  }
  if (lines(before, a, b)) InvalidateLines(a, b);
  if (lines(selection_, a, b)) InvalidateLines(a, b);
}

}  // namespace quelt::win
