#include "html/visual_layout.h"

#include <algorithm>
#include <cmath>

#include "base/sjis.h"

namespace quelt {
namespace {

int Pixels(double tenthsOfMm, double pixelsPerMm) {
  return static_cast<int>(std::lround(tenthsOfMm / 10.0 * pixelsPerMm));
}

bool IsWordByte(std::uint8_t c) { return c > 0x20 && c < 0x7F; }

// The attributes that measure the byte at i; an empty text measures in the
// base font.
VisualAttr AttrAt(const VisualDocument& doc, std::size_t i) {
  return i < doc.attrs.size() ? doc.attrs[i] : VisualAttr{};
}

// Where a word-wrapped line breaks when the character at `overflow` does
// not fit: before the ASCII word it belongs to, after the last blank or
// other character before that word. No such place on the line: 0.
std::size_t WordBreak(std::string_view text, std::size_t start, std::size_t overflow) {
  if (!IsWordByte(static_cast<std::uint8_t>(text[overflow]))) return 0;
  std::size_t j = overflow;
  // Walk back over single-byte word characters; a two-byte character ends
  // the word (its trail byte may look like ASCII, so step by characters).
  std::vector<std::size_t> starts;
  for (std::size_t i = start; i < overflow; i += VisualCharBytes(text, i)) starts.push_back(i);
  for (std::size_t k = starts.size(); k > 0; --k) {
    const std::size_t i = starts[k - 1];
    if (VisualCharBytes(text, i) != 1 || !IsWordByte(static_cast<std::uint8_t>(text[i]))) break;
    j = i;
  }
  return j > start ? j : 0;
}

}  // namespace

VisualLayoutOptions VisualLayoutOptionsOf(const HtmlModeSettings& s) {
  VisualLayoutOptions o;
  if (s.tabWidth > 0) o.tabWidth = s.tabWidth;
  if (s.charIntervalUnit > 0) o.charIntervalUnit = s.charIntervalUnit;
  if (s.lineIntervalUnit > 0) o.lineIntervalUnit = s.lineIntervalUnit;
  o.leftMarginMm = s.rvLeftMarginLM;
  o.topMarginMm = s.rvTopMarginLM;
  o.wordWrap = s.wordWrap != 0;
  return o;
}

std::size_t VisualCharBytes(std::string_view text, std::size_t i) {
  if (i + 1 >= text.size()) return 1;
  const auto c = static_cast<std::uint8_t>(text[i]);
  if (c == kCr && static_cast<std::uint8_t>(text[i + 1]) == kLf) return 2;
  return IsSjisLeadByte(c) ? 2 : 1;
}

bool IsLineBreakAt(std::string_view text, std::size_t i) {
  return i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n';
}

VisualPageGeometry PageGeometryOf(const VisualLayoutOptions& o, double pixelsPerMm) {
  const int left = std::clamp(std::clamp(o.leftMarginMm, 0, kVisualMaxMarginMm), 0,
                              (kVisualPageWidthMm - kVisualMinTextMm) / 2);
  const int top = std::clamp(std::clamp(o.topMarginMm, 0, kVisualMaxMarginMm), 0,
                             (kVisualPageHeightMm - kVisualMinTextMm) / 2);
  VisualPageGeometry g;
  g.width = Pixels(kVisualPageWidthMm * 10.0, pixelsPerMm);
  g.height = Pixels(kVisualPageHeightMm * 10.0, pixelsPerMm);
  g.textLeft = Pixels(left * 10.0, pixelsPerMm);
  g.textTop = Pixels(top * 10.0, pixelsPerMm);
  g.textWidth = std::max(1, g.width - 2 * g.textLeft);
  g.textHeight = std::max(1, g.height - 2 * g.textTop);
  return g;
}

MeasuredLine MeasureVisualLine(const VisualDocument& doc, VisualMetrics& m, const VisualLayoutOptions& o,
                               int textWidth, std::size_t start, std::vector<int>* xs) {
  const std::string_view text = doc.text;
  const double ppm = m.PixelsPerMm();
  const int tab = std::max(1, Pixels(o.tabWidth, ppm));
  MeasuredLine line;
  std::vector<int> lx;  // the caret x before each byte of the line
  int width = 0;
  auto advanceOf = [&](const VisualAttr& a, std::string_view ch) {
    const int extra = Pixels(a.charSpacing * o.charIntervalUnit, ppm);
    return std::max(1, m.CharWidth(a.font, ch) + extra);
  };
  std::size_t i = start;
  while (i < text.size()) {
    const std::size_t n = VisualCharBytes(text, i);
    if (IsLineBreakAt(text, i)) {
      lx.push_back(width);
      lx.push_back(width);
      i += 2;
      line.endsWithBreak = true;
      break;
    }
    int next;
    if (text[i] == '\t') {
      next = (width / tab + 1) * tab;
      if (i == start) next = std::min(next, textWidth);
    } else {
      next = width + advanceOf(doc.attrs[i], text.substr(i, n));
    }
    if (next > textWidth && i > start) {
      const std::size_t wrap = o.wordWrap ? WordBreak(text, start, i) : 0;
      if (wrap > 0) {
        width = lx[wrap - start];
        lx.resize(wrap - start);
        i = wrap;
      }
      break;
    }
    for (std::size_t k = 0; k < n; ++k) lx.push_back(width);
    width = next;
    i += n;
  }
  line.length = i - start;
  line.width = width;
  if (xs) {
    for (std::size_t k = 0; k < lx.size(); ++k) (*xs)[start + k] = lx[k];
    (*xs)[i] = width;
  }
  // Height and ascent from the fonts of the line's characters, the line
  // break included; an empty line shows in the font before it.
  int maxHeight = 0, maxAscent = 0, maxPos = 0, maxNeg = 0;
  VisualAttr last = AttrAt(doc, start > 0 ? start - 1 : 0);
  for (std::size_t k = start; k < i; ++k) {
    const VisualAttr& a = doc.attrs[k];
    maxHeight = std::max(maxHeight, m.FontHeight(a.font));
    maxAscent = std::max(maxAscent, m.FontAscent(a.font));
    maxPos = std::max(maxPos, static_cast<int>(a.lineSpacing));
    maxNeg = std::min(maxNeg, static_cast<int>(a.lineSpacing));
    last = a;
  }
  if (i == start) {
    maxHeight = m.FontHeight(last.font);
    maxAscent = m.FontAscent(last.font);
  }
  // The largest positive spacing adds; negative spacing that outweighs it
  // takes the difference off, at most half the height.
  const int net = maxPos + maxNeg;
  int height = maxHeight;
  if (net > 0) {
    height += Pixels(net * o.lineIntervalUnit, ppm);
  } else if (net < 0) {
    height -= std::min(Pixels(-net * o.lineIntervalUnit, ppm), maxHeight / 2);
  }
  line.height = std::max(1, height);
  line.ascent = std::min(maxAscent, line.height);
  line.blankWidth = advanceOf(last, " ");
  return line;
}

void VisualLayout::Build(const VisualDocument& doc, VisualMetrics& m, const VisualLayoutOptions& o, Host& host) {
  const bool wasTruncated = truncated_;
  page_ = PageGeometryOf(o, m.PixelsPerMm());
  lines_.clear();
  xs_.assign(doc.text.size() + 1, 0);
  charStart_.assign(doc.text.size() + 1, true);
  for (std::size_t i = 0; i < doc.text.size();) {
    const std::size_t n = VisualCharBytes(doc.text, i);
    if (n == 2) charStart_[i + 1] = false;
    i += n;
  }
  truncated_ = false;
  pages_ = 1;
  int page = 0;
  int y = page_.textTop;
  bool pageEmpty = true;
  std::size_t start = 0;
  const std::size_t size = doc.text.size();
  while (true) {
    const MeasuredLine ml = MeasureVisualLine(doc, m, o, page_.textWidth, start, &xs_);
    if (!pageEmpty && y + ml.height > page_.textTop + page_.textHeight) {
      if (page + 1 >= kVisualPageLimit - 1) {
        truncated_ = true;
        break;
      }
      ++page;
      y = page_.textTop;
    }
    VisualLine line;
    line.start = start;
    line.length = ml.length;
    line.endsWithBreak = ml.endsWithBreak;
    line.width = ml.width;
    line.height = ml.height;
    line.ascent = ml.ascent;
    line.page = page;
    line.y = y;
    line.blankWidth = ml.blankWidth;
    lines_.push_back(line);
    pageEmpty = false;
    y += ml.height;
    start += ml.length;
    // A text that ends with a line break has an empty last line.
    if (start >= size && !ml.endsWithBreak) break;
  }
  pages_ = page + 1;
  laidEnd_ = lines_.empty() ? 0 : lines_.back().End();
  if (truncated_) {
    // The line that did not fit measured over the x after the last one.
    xs_[lines_.back().End()] = lines_.back().width;
    laidEnd_ = lines_.back().ContentEnd();
  }
  if (truncated_ && !wasTruncated) host.ShowMessage(kMsgVisualTooManyPages);
}

std::size_t VisualLayout::LineOf(std::size_t offset) const {
  offset = Clamp(offset);
  // The first line whose end lies beyond offset; the last line otherwise.
  auto it = std::upper_bound(lines_.begin(), lines_.end(), offset,
                             [](std::size_t off, const VisualLine& l) { return off < l.End(); });
  if (it == lines_.end()) return lines_.size() - 1;
  return static_cast<std::size_t>(it - lines_.begin());
}

int VisualLayout::XOf(std::size_t offset) const { return page_.textLeft + xs_[Clamp(offset)]; }

VisualPoint VisualLayout::PointOf(std::size_t offset) const {
  const VisualLine& l = lines_[LineOf(offset)];
  return {l.page, XOf(offset), l.y};
}

std::size_t VisualLayout::LastCaretOffset(std::size_t line) const {
  const VisualLine& l = lines_[line];
  if (l.endsWithBreak || line + 1 == lines_.size()) return std::min(l.ContentEnd(), laidEnd_);
  // A wrapped line: its end is the next line's start, so the caret stops
  // before its last character.
  std::size_t last = l.start;
  for (std::size_t i = l.start; i < l.End(); ++i)
    if (charStart_[i]) last = i;
  return last;
}

std::size_t VisualLayout::OffsetInLine(std::size_t line, int x) const {
  const VisualLine& l = lines_[line];
  const int rel = x - page_.textLeft;
  const std::size_t last = LastCaretOffset(line);
  std::size_t i = l.start;
  while (i < last) {
    std::size_t j = i + 1;
    while (j < last && !charStart_[j]) ++j;
    if (rel < (xs_[i] + xs_[j]) / 2) return i;
    i = j;
  }
  return last;
}

std::size_t VisualLayout::LineAt(VisualPoint p) const {
  std::size_t best = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const VisualLine& l = lines_[i];
    if (l.page < p.page) {
      best = i;
      continue;
    }
    if (l.page > p.page) break;
    best = i;
    if (p.y < l.y + l.height) break;
  }
  return best;
}

std::size_t VisualLayout::OffsetAt(VisualPoint p) const { return OffsetInLine(LineAt(p), p.x); }

}  // namespace quelt
