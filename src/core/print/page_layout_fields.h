// The page-layout dialog's fields as text: millimetres with one decimal for
// the tenths of a millimetre the record keeps, plain numbers for the first
// page and line numbers, and the checks a confirmed dialog passes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "print/page_layout.h"

namespace quelt {

constexpr int kMaxMarginTenths = 5000;    // a margin of at most 500 mm
constexpr int kMaxSpacingTenths = 1000;   // line and character spacing of at most 100 mm
constexpr int kMaxFirstPageNumber = 9999;
constexpr int kMaxFirstLineNumber = 99999;

// "10", "12.5": tenths of a millimetre as millimetres.
std::string FormatMillimetres(int tenths);
// Millimetres with at most one decimal ("7", "7.5", " 7.50 " is refused for
// its second decimal) into tenths within 0..maxTenths; nothing otherwise.
std::optional<int> ParseMillimetres(std::string_view text, int maxTenths);
// A whole number within lo..hi; nothing otherwise.
std::optional<int> ParseFieldNumber(std::string_view text, int lo, int hi);

// The dialog's text fields, in the order a refused field is reported.
enum class PageLayoutField {
  kNone = -1,
  kTopMargin,
  kBottomMargin,
  kLeftMargin,
  kRightMargin,
  kLineSpacing,
  kCharSpacing,
  kFirstPageNumber,
  kFirstLineNumber,
  kHeaderText,
  kFooterText,
};

struct PageLayoutTexts {
  std::string topMargin, bottomMargin, leftMargin, rightMargin;
  std::string lineSpacing, charSpacing;
  std::string firstPageNumber, firstLineNumber;
  std::string headerText, footerText;  // Shift-JIS
};

PageLayoutTexts PageLayoutToTexts(const PageLayout& layout);
// Writes the texts into layout (the other fields stay); the first field
// that does not hold a valid value, when one does not (layout unchanged).
PageLayoutField ApplyPageLayoutTexts(const PageLayoutTexts& texts, PageLayout& layout);

}  // namespace quelt
