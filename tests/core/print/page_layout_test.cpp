#include "print/page_layout.h"

#include <gtest/gtest.h>

#include "base/le_words.h"

namespace quelt {
namespace {

std::uint32_t WordAt(const std::string& s, std::size_t at) {
  std::string_view w = std::string_view(s).substr(at, 4);
  std::uint32_t v = 0;
  TakeLe32(w, v);
  return v;
}

TEST(PageLayout, StoredFormPlacesTheFields) {
  PageLayout l;
  l.topMargin = 11;
  l.rightMargin = 44;
  l.firstLineNumber = 7;
  l.header.printed = false;
  l.footer.position = kAlignRight;
  l.charSpacing = 9;
  std::string bytes;
  EncodePageLayout(l, bytes);
  ASSERT_EQ(bytes.size(), kPageLayoutBytes);
  EXPECT_EQ(WordAt(bytes, 60), 11u);
  EXPECT_EQ(WordAt(bytes, 72), 44u);
  EXPECT_EQ(WordAt(bytes, 76), 1u);  // line numbers printed
  EXPECT_EQ(WordAt(bytes, 84), 7u);
  EXPECT_EQ(WordAt(bytes, 88), 1u);  // header not printed: stored inverted
  EXPECT_EQ(bytes.substr(96, 21), std::string("FileName = &f  &d &t", 21));
  EXPECT_EQ(WordAt(bytes, 180), 0u);  // footer printed
  EXPECT_EQ(WordAt(bytes, 184), 2u);
  EXPECT_EQ(WordAt(bytes, 272), 0u);
  EXPECT_EQ(WordAt(bytes, 276), 9u);
  PageLayout back;
  ASSERT_TRUE(DecodePageLayout(bytes, back));
  EXPECT_EQ(back, l);
}

TEST(PageLayout, ReadsStrayValuesLeniently) {
  std::string bytes(kPageLayoutBytes, '\x7A');  // no zero anywhere
  PageLayout l;
  ASSERT_TRUE(DecodePageLayout(bytes, l));
  EXPECT_EQ(l.header.text, std::string(80, '\x7A'));
  EXPECT_EQ(l.header.position, kAlignLeft);
  EXPECT_EQ(l.footer.position, kAlignCentre);
  EXPECT_TRUE(l.printLineNumbers);
  EXPECT_EQ(l.printFont.faceName.back(), 0);
  // What was read writes back to the same record.
  std::string again;
  EncodePageLayout(l, again);
  PageLayout back;
  ASSERT_TRUE(DecodePageLayout(again, back));
  EXPECT_EQ(back, l);
  EXPECT_FALSE(DecodePageLayout(bytes.substr(1), l));
}

}  // namespace
}  // namespace quelt
