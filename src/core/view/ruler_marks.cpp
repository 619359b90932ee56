#include "view/ruler_marks.h"

#include <algorithm>

namespace quelt {

RulerTick RulerTickOf(int index) {
  if (index % 10 == 0) return RulerTick::kLong;
  if (index % 5 == 0) return RulerTick::kMedium;
  return RulerTick::kShort;
}

int RulerTickLength(RulerTick tick) {
  switch (tick) {
    case RulerTick::kLong: return kRulerLongTick;
    case RulerTick::kMedium: return kRulerMediumTick;
    case RulerTick::kShort: return kRulerShortTick;
  }
  return kRulerShortTick;
}

namespace {

std::string NumberEvery(int index, int step) {
  if (index < 0 || index % step != 0) return {};
  return std::to_string(index == 0 ? 1 : index);
}

}  // namespace

std::string ColumnRulerNumber(int column) { return NumberEvery(column, 10); }
std::string LineRulerNumber(int line) { return NumberEvery(line, 5); }

int RulerGeometry::ColumnAtX(int x) const {
  const int w = std::max(charWidth, 1);
  const int dx = x - OriginX();
  if (dx < 0) return firstColumn;
  return firstColumn + dx / w;
}

bool OnWrapMark(const RulerGeometry& g, int x, int wrapColumn) {
  const int column = g.ColumnAtX(x);
  return x >= g.OriginX() - g.charWidth && (column == wrapColumn || column == wrapColumn - 1);
}

}  // namespace quelt
