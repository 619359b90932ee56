#include "print/page_layout_fields.h"

#include <cstdint>

namespace quelt {
namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatMillimetres(int tenths) {
  std::string s = std::to_string(tenths / 10);
  if (tenths % 10 != 0) s += "." + std::to_string(tenths % 10);
  return s;
}

std::optional<int> ParseMillimetres(std::string_view text, int maxTenths) {
  text = Trimmed(text);
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if (dot != std::string_view::npos && fraction.size() != 1) return std::nullopt;
  std::int64_t value = 0;
  for (char c : whole) {
    if (!IsDigit(c) || value > maxTenths) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  value *= 10;
  if (!fraction.empty()) {
    if (!IsDigit(fraction[0])) return std::nullopt;
    value += fraction[0] - '0';
  }
  if (value > maxTenths) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> ParseFieldNumber(std::string_view text, int lo, int hi) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c) || value > hi) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < lo || value > hi) return std::nullopt;
  return static_cast<int>(value);
}

PageLayoutTexts PageLayoutToTexts(const PageLayout& l) {
  PageLayoutTexts t;
  t.topMargin = FormatMillimetres(l.topMargin);
  t.bottomMargin = FormatMillimetres(l.bottomMargin);
  t.leftMargin = FormatMillimetres(l.leftMargin);
  t.rightMargin = FormatMillimetres(l.rightMargin);
  t.lineSpacing = FormatMillimetres(l.lineSpacing);
  t.charSpacing = FormatMillimetres(l.charSpacing);
  t.firstPageNumber = std::to_string(l.firstPageNumber);
  t.firstLineNumber = std::to_string(l.firstLineNumber);
  t.headerText = l.header.text;
  t.footerText = l.footer.text;
  return t;
}

PageLayoutField ApplyPageLayoutTexts(const PageLayoutTexts& t, PageLayout& layout) {
  using F = PageLayoutField;
  PageLayout l = layout;
  const struct {
    const std::string& text;
    int& field;
    int max;
    F id;
  } lengths[] = {
      {t.topMargin, l.topMargin, kMaxMarginTenths, F::kTopMargin},
      {t.bottomMargin, l.bottomMargin, kMaxMarginTenths, F::kBottomMargin},
      {t.leftMargin, l.leftMargin, kMaxMarginTenths, F::kLeftMargin},
      {t.rightMargin, l.rightMargin, kMaxMarginTenths, F::kRightMargin},
      {t.lineSpacing, l.lineSpacing, kMaxSpacingTenths, F::kLineSpacing},
      {t.charSpacing, l.charSpacing, kMaxSpacingTenths, F::kCharSpacing},
  };
  for (const auto& f : lengths) {
    const std::optional<int> v = ParseMillimetres(f.text, f.max);
    if (!v) return f.id;
    f.field = *v;
  }
  const std::optional<int> page = ParseFieldNumber(t.firstPageNumber, 0, kMaxFirstPageNumber);
  if (!page) return F::kFirstPageNumber;
  const std::optional<int> line = ParseFieldNumber(t.firstLineNumber, 0, kMaxFirstLineNumber);
  if (!line) return F::kFirstLineNumber;
  l.firstPageNumber = *page;
  l.firstLineNumber = *line;
  if (t.headerText.size() > kMaxHeaderFooterText || t.headerText.find('\0') != std::string::npos) return F::kHeaderText;
  if (t.footerText.size() > kMaxHeaderFooterText || t.footerText.find('\0') != std::string::npos) return F::kFooterText;
  l.header.text = t.headerText;
  l.footer.text = t.footerText;
  layout = l;
  return F::kNone;
}

}  // namespace quelt
