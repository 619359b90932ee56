#include "extract/extract_settings.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

std::string Encoded(const ExtractSettings& s) {
  std::string out;
  EncodeExtractSection(s, out);
  return out;
}

ExtractSettings Sample() {
  ExtractSettings s;
  s.step = kExtractStep1;
  s.step1Process = kProcessDelete;
  s.caseSensitive = true;
  s.showInformation = false;
  s.separator = "====";
  s.step1Entries = {{"ERROR", -2, 5}, {"WARN", 10000, 10000}};
  s.startEntries = {{"BEGIN", -10000, 1}};
  s.endEntries = {{"END", 3, 1}};
  return s;
}

TEST(ExtractSection, RoundTripAndEveryTruncationRefused) {
  const std::string bytes = Encoded(Sample());
  std::string_view in = bytes;
  ExtractSettings back;
  ASSERT_TRUE(DecodeExtractSection(in, back));
  EXPECT_EQ(back, Sample());
  EXPECT_TRUE(in.empty());
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    std::string_view cut = std::string_view(bytes).substr(0, n);
    EXPECT_FALSE(DecodeExtractSection(cut, back)) << n;
    EXPECT_EQ(back, ExtractSettings{});
  }
}

TEST(ExtractSection, RefusesValuesOutOfRange) {
  auto decodes = [](std::size_t at, char value) {
    std::string bytes = Encoded(Sample());
    bytes[at] = value;
    std::string_view in = bytes;
    ExtractSettings back;
    return DecodeExtractSection(in, back);
  };
  EXPECT_FALSE(decodes(0, 3));    // execution step
  EXPECT_FALSE(decodes(4, 2));    // step-1 process
  EXPECT_FALSE(decodes(12, 2));   // a flag
  // The separator "====" ends at 36 + 5; the step-1 count follows.
  EXPECT_FALSE(decodes(41, 6));
  // The first entry's line count (after its position): 0 is refused.
  EXPECT_FALSE(decodes(49, 0));
  // Its string becomes empty.
  EXPECT_FALSE(decodes(53, 0));
}

TEST(ExtractSection, WriterLeavesOutInvalidEntries) {
  ExtractSettings s;
  s.step = 9;
  s.step1Entries = {{"", 0, 1}, {"ok", 0, 0}, {std::string(81, 'x'), 0, 1}, {"a", 10001, 1}};
  for (int i = 0; i < 7; ++i) s.startEntries.push_back({"s" + std::to_string(i), 0, 1});
  s.separator = std::string(100, '-');
  const std::string bytes = Encoded(s);
  std::string_view in = bytes;
  ExtractSettings back;
  ASSERT_TRUE(DecodeExtractSection(in, back));
  EXPECT_EQ(back.step, kExtractBothSteps);
  EXPECT_TRUE(back.step1Entries.empty());
  EXPECT_EQ(back.startEntries.size(), kMaxExtractEntries);
  EXPECT_EQ(back.separator.size(), kMaxExtractSeparator);
}

}  // namespace
}  // namespace quelt
