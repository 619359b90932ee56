// The fixed-pitch grid of an edit window: the pixel metrics derived from the
// display font, the device resolution and the margins, and the conversion
// between client pixels and (column, line) cells. Pure integer arithmetic;
// the window supplies the font metrics it measured.
#pragma once

#include <cstdint>

namespace quelt {

// Tenths of a millimetre per inch: the divisor of every spacing and margin.
constexpr int kTenthMmPerInch = 254;

// What the window measures and reads from the settings.
struct GridInput {
  int fontAveCharWidth = 8;  // the display font's average character width, pixels
  int fontHeight = 16;       // the display font's height, pixels
  int logPixelsX = 96, logPixelsY = 96;
  int charSpacing = 0;       // "文字間", tenths of a millimetre
  int lineSpacing = 0;       // "行間", tenths of a millimetre
  int leftMarginLM = 15;     // `LeftMarginLM`, tenths of a millimetre
  int topMarginLM = 15;      // `TopMarginLM`
};

struct GridMetrics {
  int charWidth = 8;    // pixels per column (at least 1)
  int lineHeight = 16;  // pixels per line (at least 1)
  int tabWidth = 32;    // pixels per tab stop
  int leftMargin = 0;   // pixels
  int topMargin = 0;    // pixels
};

GridMetrics MakeGridMetrics(const GridInput& in, int tabColumns);

// Rows and columns that fit into a client area (0 when the margins eat it).
int VisibleRows(const GridMetrics& m, int clientHeight);
int VisibleColumns(const GridMetrics& m, int clientWidth);

// The scroll position: the first display line and column shown.
struct ScrollPos {
  std::uint32_t topLine = 0;
  int firstColumn = 0;
};

struct GridCell {
  int column = 0;
  std::uint32_t line = 0;
};
struct Point {
  int x = 0, y = 0;
};

// Top-left pixel of a cell (may lie outside the client area).
Point CellToPoint(const GridMetrics& m, const ScrollPos& scroll, int column, std::uint32_t line);
// The cell under a client pixel: the column clamped to 0..maxColumn, the
// line to 0..lineCount.
GridCell PointToCell(const GridMetrics& m, const ScrollPos& scroll, int x, int y, int maxColumn,
                 std::uint32_t lineCount);

}  // namespace quelt
