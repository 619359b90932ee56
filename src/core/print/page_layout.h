// The page layout of printing: one set for the application, edited in the
// page-layout dialog and kept in the state file between runs.
//
// Stored form (280 bytes, little-endian, at offset 4 of the state file):
//   60  print font (the platform's logical-font record; height in points)
//   16  top, bottom, left and right margin (tenths of a millimetre)
//    4  print line numbers (0/1)
//    8  first page number, first line number
//   92  header: printed flag stored inverted (0 = printed), position, and
//       the text in an 84-byte zero-filled field
//   92  footer: the same
//    8  line spacing, character spacing (tenths of a millimetre)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cabinet/cabinet_settings.h"

namespace quelt {

constexpr std::size_t kPageLayoutBytes = 280;
constexpr std::size_t kMaxHeaderFooterText = 80;  // bytes of a header or footer text

// Where a header or footer stands between the margins.
enum HeaderPosition : std::int32_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

struct HeaderFooter {
  std::string text;  // Shift-JIS, at most 80 bytes; "&p", "&f", "&d", "&t" are replaced
  bool printed = true;
  std::int32_t position = kAlignLeft;
  bool operator==(const HeaderFooter&) const = default;
};

struct PageLayout {
  // An empty face name means none was chosen: the interface's default font
  // of 10 points is used.
  FontRecord printFont = DefaultPrintFont();
  std::int32_t topMargin = 100;     // tenths of a millimetre
  std::int32_t bottomMargin = 100;
  std::int32_t leftMargin = 50;
  std::int32_t rightMargin = 50;
  bool printLineNumbers = true;
  std::int32_t firstPageNumber = 1;
  std::int32_t firstLineNumber = 1;
  HeaderFooter header{"FileName = &f  &d &t", true, kAlignLeft};
  HeaderFooter footer{"- &p -", true, kAlignCentre};
  std::int32_t lineSpacing = 0;     // tenths of a millimetre
  std::int32_t charSpacing = 0;

  static FontRecord DefaultPrintFont();
  bool operator==(const PageLayout&) const = default;
};

// Appends the 280 bytes of the stored form.
void EncodePageLayout(const PageLayout& layout, std::string& out);

// Reads the 280 bytes at the front of bytes (false when fewer remain). The
// fields are taken leniently, since the file's own checks do not cover them:
// a text is cut at its zero byte and to 80 bytes, a position outside 0-2 and
// a flag other than 0/1 take their defaults.
bool DecodePageLayout(std::string_view bytes, PageLayout& layout);

}  // namespace quelt
