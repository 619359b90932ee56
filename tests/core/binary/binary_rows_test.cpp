#include <gtest/gtest.h>

#include "binary/binary_rows.h"

namespace quelt {
namespace {

TEST(BinaryRows, RowLayoutAndControlBytes) {
  const std::string data = std::string("ABCDEFGH\x01IJKLMN\r\n", 17) + "Z";
  const BinaryRowText r0 = FormatBinaryRow(data, 0);
  EXPECT_EQ(r0.address, "00000000");
  EXPECT_EQ(r0.hex, "41 42 43 44 45 46 47 48  01 49 4A 4B 4C 4D 4E 0D");
  EXPECT_EQ(kBinaryHexColumn + static_cast<int>(r0.hex.find("01")), BinaryHexColumnOf(8));
  EXPECT_EQ(r0.text, "ABCDEFGH.IJKLMN. ");
  const BinaryRowText r1 = FormatBinaryRow(data, 1);
  EXPECT_EQ(r1.address, "00000010");
  EXPECT_EQ(r1.hex, "0A 5A");
  EXPECT_EQ(r1.text, ".Z ");
  // An empty text: row 0 with its address only.
  const BinaryRowText empty = FormatBinaryRow("", 0);
  EXPECT_EQ(empty.address, "00000000");
  EXPECT_TRUE(empty.hex.empty());
  EXPECT_EQ(BinaryRowCount(0), 1u);
  EXPECT_EQ(BinaryRowCount(16), 1u);
  EXPECT_EQ(BinaryRowCount(17), 2u);
  EXPECT_EQ(FormatBinaryRow(std::string(0x1000, 'a'), 0xFF).address, "00000FF0");
  const std::string line = BinaryRowLine(r1);
  EXPECT_EQ(line.substr(0, 15), "00000010  0A 5A");
  EXPECT_EQ(line.find(".Z "), static_cast<std::size_t>(kBinaryTextColumn));
  EXPECT_EQ(BinaryRowLine(empty), "00000000  ");
}

TEST(BinaryRows, LeadByteAtARowsEndDrawsTheWholeCharacter) {
  // 15 ASCII bytes, then あ (0x82 0xA0) across the row boundary.
  const std::string data = std::string(15, 'x') + "\x82\xA0" + "y";
  EXPECT_EQ(FormatBinaryRow(data, 0).text, std::string(15, 'x') + "\x82\xA0");
  EXPECT_EQ(FormatBinaryRow(data, 1).text, " y ");
  // A lead byte at the very end of the text stands alone.
  EXPECT_EQ(FormatBinaryRow("ab\x82", 0).text, "ab. ");
}

TEST(BinaryRows, TrailBytesAreFoundFromTheLeadByteRunAlone) {
  // 0x82 0x82 0x82 0xA0: 0x82 0x82 is one character, 0x82 0xA0 the next.
  const std::string data = "a\x82\x82\x82\xA0";
  EXPECT_FALSE(IsTrailByteAt(data, 1));
  EXPECT_TRUE(IsTrailByteAt(data, 2));
  EXPECT_FALSE(IsTrailByteAt(data, 3));
  EXPECT_TRUE(IsTrailByteAt(data, 4));
  EXPECT_FALSE(IsTrailByteAt(data, 0));
  // A trail byte that is a lead-byte value too (0x81 0x81).
  EXPECT_TRUE(IsTrailByteAt("\x81\x81", 1));
}

TEST(BinaryRows, ColumnsToBytes) {
  EXPECT_EQ(BinaryByteOfColumn(0).byte, 0);
  EXPECT_FALSE(BinaryByteOfColumn(0).textPart);
  EXPECT_EQ(BinaryByteOfColumn(10).byte, 0);
  EXPECT_EQ(BinaryByteOfColumn(13).byte, 1);
  EXPECT_EQ(BinaryByteOfColumn(31).byte, 7);
  EXPECT_EQ(BinaryByteOfColumn(34).byte, 8);  // the blank between bytes 7 and 8
  EXPECT_EQ(BinaryByteOfColumn(BinaryHexColumnOf(15)).byte, 15);
  const BinaryColumnHit past = BinaryByteOfColumn(58);
  EXPECT_EQ(past.byte, 15);
  EXPECT_EQ(BinaryByteOfColumn(59).byte, 0);
  EXPECT_TRUE(BinaryByteOfColumn(59).textPart);
  EXPECT_EQ(BinaryByteOfColumn(60).byte, 0);
  EXPECT_EQ(BinaryByteOfColumn(75).byte, 15);
  const BinaryColumnHit beyond = BinaryByteOfColumn(90);
  EXPECT_EQ(beyond.byte, 15);
  EXPECT_TRUE(beyond.pastRowEnd);
  EXPECT_FALSE(BinaryByteOfColumn(75).pastRowEnd);
}

TEST(BinaryRows, HexPatternsAndOffsets) {
  std::string bytes;
  ASSERT_TRUE(ParseHexPattern("01000D0A", bytes));
  EXPECT_EQ(bytes, std::string("\x01\x00\x0D\x0A", 4));
  ASSERT_TRUE(ParseHexPattern(" 0d 0A ", bytes));
  EXPECT_EQ(bytes, "\r\n");
  EXPECT_FALSE(ParseHexPattern("010", bytes));   // an odd number of digits
  EXPECT_FALSE(ParseHexPattern("0 1", bytes));   // a blank inside a pair
  EXPECT_FALSE(ParseHexPattern("0g", bytes));
  EXPECT_FALSE(ParseHexPattern("", bytes));
  std::uint32_t offset = 0;
  ASSERT_TRUE(ParseByteOffset(" 255 ", offset));
  EXPECT_EQ(offset, 255u);
  ASSERT_TRUE(ParseByteOffset("0x1F", offset));
  EXPECT_EQ(offset, 31u);
  EXPECT_FALSE(ParseByteOffset("0x", offset));
  EXPECT_FALSE(ParseByteOffset("1F", offset));
  EXPECT_FALSE(ParseByteOffset("4294967296", offset));
  EXPECT_FALSE(ParseByteOffset("-1", offset));
}

}  // namespace
}  // namespace quelt
