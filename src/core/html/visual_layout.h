// Layout of the visual view: the visual text cut into display lines and the
// lines placed on pages as they print.
//
// The page is A4 portrait (210 x 297 mm). The margins of "RVLeftMarginLM"
// (left and right) and "RVTopMarginLM" (top and bottom) are millimetres;
// they are cut so the text area keeps at least 20 mm each way. Tab stops
// stand every "TabWidth" millimetres from the text area's left edge
// (HtmlModeSettings keeps the value times 10, so its unit is a tenth of a
// millimetre). Character and line spacing count in steps of
// "CharIntervalUnit" and "LineIntervalUnit" tenths of a millimetre (0.5 mm
// by default).
//
// Every coordinate is in pixels of the front end's device, measured from
// the top left corner of the page a line stands on.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "base/host.h"
#include "html/visual_document.h"

namespace quelt {

// What the front end measures with the platform's fonts. Font indexes are
// those of the document's font table.
class VisualMetrics {
 public:
  virtual ~VisualMetrics() = default;
  // The advance of one character (1 or 2 Shift-JIS bytes) in a font.
  virtual int CharWidth(int font, std::string_view ch) = 0;
  virtual int FontHeight(int font) = 0;
  virtual int FontAscent(int font) = 0;
  virtual double PixelsPerMm() = 0;
};

struct VisualLayoutOptions {
  int tabWidth = 150;          // tenths of a millimetre
  int charIntervalUnit = 5;    // tenths of a millimetre per spacing step
  int lineIntervalUnit = 5;
  int leftMarginMm = 20;
  int topMarginMm = 20;
  bool wordWrap = false;
};
VisualLayoutOptions VisualLayoutOptionsOf(const HtmlModeSettings& s);

inline constexpr int kVisualPageWidthMm = 210;
inline constexpr int kVisualPageHeightMm = 297;
inline constexpr int kVisualMinTextMm = 20;
inline constexpr int kVisualMaxMarginMm = 200;

// The size of the character at text[i]: CR LF and a lead byte with a byte
// after it are two bytes.
std::size_t VisualCharBytes(std::string_view text, std::size_t i);
bool IsLineBreakAt(std::string_view text, std::size_t i);

struct VisualLine {
  std::size_t start = 0;
  std::size_t length = 0;  // bytes, its line break included
  bool endsWithBreak = false;
  int width = 0;           // of its characters, from the text area's left edge
  int height = 0;
  int ascent = 0;
  int page = 0;            // 0-based
  int y = 0;               // top edge from the page's top
  int blankWidth = 1;      // a blank in the font the line ends with (free-cursor padding)
  std::size_t End() const { return start + length; }
  // Where the caret stands at the end of the line: before its line break.
  std::size_t ContentEnd() const { return endsWithBreak ? End() - 2 : End(); }
};

struct VisualPoint {
  int page = 0;
  int x = 0;
  int y = 0;
  bool operator==(const VisualPoint&) const = default;
};

// The pixel geometry of a page.
struct VisualPageGeometry {
  int width = 0, height = 0;
  int textLeft = 0, textTop = 0, textWidth = 0, textHeight = 0;
};
VisualPageGeometry PageGeometryOf(const VisualLayoutOptions& o, double pixelsPerMm);

// One display line as measured from `start`: its length, width and height.
struct MeasuredLine {
  std::size_t length = 0;
  bool endsWithBreak = false;
  int width = 0, height = 0, ascent = 0, blankWidth = 1;
};
MeasuredLine MeasureVisualLine(const VisualDocument& doc, VisualMetrics& m, const VisualLayoutOptions& o,
                               int textWidth, std::size_t start, std::vector<int>* xs = nullptr);

class VisualLayout {
 public:
  // Lays the whole document out anew. When the text would run on to page
  // 50 the lines stop after page 49; the message says so once, when a
  // layout is cut after one that was not.
  void Build(const VisualDocument& doc, VisualMetrics& m, const VisualLayoutOptions& o, Host& host);

  const std::vector<VisualLine>& Lines() const { return lines_; }
  const VisualLine& Line(std::size_t i) const { return lines_[i]; }
  std::size_t LineCount() const { return lines_.size(); }
  int PageCount() const { return pages_; }
  bool Truncated() const { return truncated_; }
  // The text from here on is not laid out; caret positions stay before it.
  std::size_t LaidEnd() const { return laidEnd_; }
  const VisualPageGeometry& Page() const { return page_; }

  std::size_t Clamp(std::size_t offset) const { return offset < laidEnd_ ? offset : laidEnd_; }
  // The line the caret at offset shows on: an offset at the end of a
  // wrapped line belongs to the next line.
  std::size_t LineOf(std::size_t offset) const;
  // The caret's x at offset, from the page's left edge.
  int XOf(std::size_t offset) const;
  VisualPoint PointOf(std::size_t offset) const;
  // The offset nearest x on a line (never inside its line break, never the
  // end of a wrapped line).
  std::size_t OffsetInLine(std::size_t line, int x) const;
  // The offset nearest a point: the line of the page at y (the nearest line
  // above or below when y falls between lines or outside them).
  std::size_t OffsetAt(VisualPoint p) const;
  // The line at a point, as OffsetAt picks it.
  std::size_t LineAt(VisualPoint p) const;
  // The last offset a caret may take on a line.
  std::size_t LastCaretOffset(std::size_t line) const;

 private:
  std::vector<VisualLine> lines_;
  std::vector<int> xs_;  // caret x before each byte, from the text area's left edge
  std::vector<bool> charStart_;  // a character starts at this byte
  VisualPageGeometry page_;
  int pages_ = 1;
  bool truncated_ = false;
  std::size_t laidEnd_ = 0;
};

}  // namespace quelt
