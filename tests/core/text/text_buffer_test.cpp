#include "text/text_buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace quelt {
namespace {

// A buffer holding `text` written straight into the block.
void Fill(CTextBuffer& buffer, const std::string& text) {
  ASSERT_NE(buffer.EnsureCapacity(static_cast<std::uint32_t>(text.size())), Capacity::kOutOfMemory);
  buffer.BeginDirectAccess(0);
  buffer.Write(0, reinterpret_cast<const std::uint8_t*>(text.data()),
               static_cast<std::uint32_t>(text.size()));
  buffer.EndDirectAccess(0);
}

std::string Pattern(std::size_t n) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + (i * 7 + i / 26) % 26);
  return s;
}

std::string Read(CTextBuffer& buffer, std::uint32_t p, std::uint32_t n) {
  std::string out(n, '\0');
  buffer.CopyOut(p, n, reinterpret_cast<std::uint8_t*>(out.data()));
  return out;
}

std::string PeekAll(const CTextBuffer& buffer, std::uint32_t n) {
  std::string out(n, '\0');
  buffer.Peek(0, n, reinterpret_cast<std::uint8_t*>(out.data()));
  return out;
}

std::string Raw(const CTextBuffer& buffer, std::uint32_t n) {
  return std::string(reinterpret_cast<const char*>(buffer.RawBlock()), n);
}

// An insertion the way the store performs it: open the gap, then write.
void InsertAt(CTextBuffer& buffer, std::string& model, std::uint32_t p, const std::string& s) {
  const auto g = static_cast<std::uint32_t>(s.size());
  const auto length = static_cast<std::uint32_t>(model.size());
  ASSERT_NE(buffer.EnsureCapacity(length + g), Capacity::kOutOfMemory);
  if (p < length) buffer.OpenGap(p, p + g, length - p);
  buffer.Write(p, reinterpret_cast<const std::uint8_t*>(s.data()), g);
  model.insert(p, s);
}

TEST(TextBuffer, CreateSetsUpBlockAndWindow) {
  CTextBuffer buffer;
  EXPECT_FALSE(buffer.Created());
  ASSERT_TRUE(buffer.Create());
  EXPECT_EQ(buffer.CapacityBytes(), 32768u);
  EXPECT_EQ(buffer.WindowStart(), 0u);
  EXPECT_EQ(buffer.WindowLength(), 21845u);
  EXPECT_EQ(buffer.LoadedLength(), 21845u);
  EXPECT_FALSE(buffer.Dirty());
  EXPECT_FALSE(buffer.DirectAccess());
}

TEST(TextBuffer, CreateFailsWhenAllocationFails) {
  CTextBuffer buffer;
  buffer.SetAllocationCeiling(1000);
  EXPECT_FALSE(buffer.Create());
  EXPECT_FALSE(buffer.Created());
  EXPECT_EQ(buffer.CapacityBytes(), 0u);
}

TEST(TextBuffer, CapacityGrowsInStepsAndKeepsTwoBytesHeadroom) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  EXPECT_EQ(buffer.EnsureCapacity(0), Capacity::kFits);
  EXPECT_EQ(buffer.EnsureCapacity(32765), Capacity::kFits);
  EXPECT_EQ(buffer.CapacityBytes(), 32768u);
  EXPECT_EQ(buffer.EnsureCapacity(32766), Capacity::kGrown);
  EXPECT_EQ(buffer.CapacityBytes(), 65536u);
  EXPECT_EQ(buffer.EnsureCapacity(65533), Capacity::kFits);
  EXPECT_EQ(buffer.EnsureCapacity(100000), Capacity::kGrown);
  EXPECT_EQ(buffer.CapacityBytes(), 32768u * 4);
}

TEST(TextBuffer, CapacityLimit) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  EXPECT_EQ(buffer.EnsureCapacity(kMaxTextSize - 2), Capacity::kOverLimit);
  EXPECT_EQ(buffer.EnsureCapacity(UINT32_MAX), Capacity::kOverLimit);
  EXPECT_EQ(buffer.CapacityBytes(), 32768u);
  // The largest text: max - 3 bytes.
  EXPECT_EQ(buffer.EnsureCapacity(kMaxTextSize - 3), Capacity::kGrown);
  EXPECT_EQ(buffer.CapacityBytes(), kMaxTextSize);
  EXPECT_EQ(buffer.EnsureCapacity(kMaxTextSize - 3), Capacity::kFits);
  EXPECT_EQ(buffer.EnsureCapacity(kMaxTextSize - 2), Capacity::kOverLimit);
}

TEST(TextBuffer, FailedGrowthKeepsTheOldText) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  const std::string text = Pattern(30000);
  Fill(buffer, text);
  buffer.SetByte(5, 'X');  // an unwritten change in the window
  buffer.SetAllocationCeiling(32768);
  EXPECT_EQ(buffer.EnsureCapacity(40000), Capacity::kOutOfMemory);
  EXPECT_EQ(buffer.CapacityBytes(), 32768u);
  std::string expected = text;
  expected[5] = 'X';
  EXPECT_EQ(Read(buffer, 0, 30000), expected);
  buffer.SetAllocationCeiling(SIZE_MAX);
  EXPECT_EQ(buffer.EnsureCapacity(40000), Capacity::kGrown);
  EXPECT_EQ(Read(buffer, 0, 30000), expected);
}

TEST(TextBuffer, TypingInsideTheWindowChangesOnlyTheWindow) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  std::string model = Pattern(100000);
  Fill(buffer, model);
  const std::string before = Raw(buffer, 100000);

  // Bring the window to offset 50000 and type there, one byte at a time.
  ASSERT_EQ(buffer.ByteAt(50000), static_cast<std::uint8_t>(model[50000]));
  const TextOffset start = buffer.WindowStart();
  std::uint32_t caret = 50000;
  while (buffer.WindowLength() + 1 <= kWindowBufferSize) {
    InsertAt(buffer, model, caret, "Q");
    ++caret;
    ASSERT_EQ(buffer.WindowStart(), start);
  }
  EXPECT_EQ(buffer.WindowLength(), kWindowBufferSize);
  EXPECT_TRUE(buffer.Dirty());
  EXPECT_EQ(Raw(buffer, 100000), before);  // the block is untouched so far
  EXPECT_EQ(PeekAll(buffer, static_cast<std::uint32_t>(model.size())), model);

  // The window buffer is full: the next key writes the window back, opens
  // the gap in the block and reloads the window around the caret; only the
  // new key itself waits in the window.
  InsertAt(buffer, model, caret, "Q");
  EXPECT_EQ(buffer.WindowStart(), caret - 10922);
  EXPECT_EQ(buffer.LoadedLength(), buffer.WindowLength());
  const std::string raw = Raw(buffer, static_cast<std::uint32_t>(model.size()));
  EXPECT_EQ(raw.substr(0, caret), model.substr(0, caret));
  EXPECT_EQ(raw.substr(caret + 1), model.substr(caret + 1));
  EXPECT_EQ(Read(buffer, 0, static_cast<std::uint32_t>(model.size())), model);
}

TEST(TextBuffer, LeavingTheWindowWritesItBack) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  std::string model = Pattern(80000);
  Fill(buffer, model);
  InsertAt(buffer, model, 100, "inserted");
  // A deletion inside the window shrinks it.
  const std::uint32_t lengthBefore = buffer.WindowLength();
  buffer.CloseGap(200, 230, static_cast<std::uint32_t>(model.size()) - 230);
  model.erase(200, 30);
  EXPECT_EQ(buffer.WindowLength(), lengthBefore - 30);
  EXPECT_TRUE(buffer.Dirty());
  // Reading far away moves the window and writes the changes back.
  EXPECT_EQ(buffer.ByteAt(70000), static_cast<std::uint8_t>(model[70000]));
  EXPECT_FALSE(buffer.Dirty());
  EXPECT_EQ(buffer.WindowStart(), 70000u - 10922u);
  EXPECT_EQ(Raw(buffer, static_cast<std::uint32_t>(model.size())), model);
}

TEST(TextBuffer, GapOutsideTheWindowMovesTheBlock) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  std::string model = Pattern(90000);
  Fill(buffer, model);
  InsertAt(buffer, model, 10, "near");   // in the window, unwritten
  InsertAt(buffer, model, 60000, "far");  // outside: write back, move, reload
  EXPECT_EQ(buffer.WindowStart(), 60000u - 10922u);
  EXPECT_EQ(buffer.LoadedLength(), buffer.WindowLength());
  const std::string raw = Raw(buffer, static_cast<std::uint32_t>(model.size()));
  EXPECT_EQ(raw.substr(0, 60000), model.substr(0, 60000));  // "near" was written back
  EXPECT_EQ(raw.substr(60003), model.substr(60003));         // the tail moved up
  buffer.CloseGap(5, 50000, static_cast<std::uint32_t>(model.size()) - 50000);
  model.erase(5, 49995);
  EXPECT_EQ(buffer.WindowStart(), 0u);
  EXPECT_EQ(Read(buffer, 0, static_cast<std::uint32_t>(model.size())), model);
}

TEST(TextBuffer, ReloadNearTheEndOfTheBlockIsShort) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  Fill(buffer, Pattern(32000));
  buffer.ByteAt(31000);
  EXPECT_EQ(buffer.WindowStart(), 31000u - 10922u);
  EXPECT_EQ(buffer.WindowLength(), 32768u - (31000u - 10922u));
  EXPECT_EQ(buffer.ByteAt(40000), 0);  // past the block
}

TEST(TextBuffer, CopyOutAndWriteSpanSeveralWindows) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  std::string model = Pattern(120000);
  Fill(buffer, model);
  const std::string chunk = Pattern(70000).substr(3);
  buffer.Write(20000, reinterpret_cast<const std::uint8_t*>(chunk.data()),
               static_cast<std::uint32_t>(chunk.size()));
  model.replace(20000, chunk.size(), chunk);
  EXPECT_EQ(Read(buffer, 1, 119999), model.substr(1));
  EXPECT_EQ(PeekAll(buffer, 120000), model);
}

TEST(TextBuffer, PointerToRange) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  std::string model = Pattern(100000);
  Fill(buffer, model);
  InsertAt(buffer, model, 500, "xyz");
  // Inside the window: the window buffer itself, holding the change.
  const std::uint8_t* inWindow = buffer.PointerToRange(498, 10);
  ASSERT_NE(inWindow, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(inWindow), 10), model.substr(498, 10));
  EXPECT_TRUE(inWindow < buffer.RawBlock() || inWindow >= buffer.RawBlock() + buffer.CapacityBytes());
  // Longer than the window: a pointer into the block after write-back.
  const std::uint8_t* inBlock = buffer.PointerToRange(400, 50000);
  ASSERT_EQ(inBlock, buffer.RawBlock() + 400);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(inBlock), 50000), model.substr(400, 50000));
  EXPECT_EQ(buffer.PointerToRange(100000, buffer.CapacityBytes()), nullptr);
}

TEST(TextBuffer, WritesThroughPointerAtAreSeen) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  std::string model = Pattern(1000);
  Fill(buffer, model);
  buffer.SetByte(10, '#');
  std::uint8_t* p = buffer.PointerAt(10);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(*p, '#');
  *p = '$';
  EXPECT_EQ(buffer.ByteAt(10), '$');
  EXPECT_EQ(buffer.PointerAt(buffer.CapacityBytes()), nullptr);
}

TEST(TextBuffer, DirectAccessBypassesTheWindow) {
  CTextBuffer buffer;
  ASSERT_TRUE(buffer.Create());
  std::string model = Pattern(50000);
  Fill(buffer, model);
  buffer.SetByte(3, '!');
  model[3] = '!';
  buffer.BeginDirectAccess(0);
  EXPECT_FALSE(buffer.Dirty());
  EXPECT_EQ(Raw(buffer, 50000), model);  // written back on entry
  buffer.SetByte(40000, '@');
  model[40000] = '@';
  buffer.OpenGap(100, 102, 49900);
  model.insert(100, "  ");
  buffer.Write(100, reinterpret_cast<const std::uint8_t*>("<>"), 2);
  model.replace(100, 2, "<>");
  EXPECT_EQ(Raw(buffer, 50002), model);
  buffer.EndDirectAccess(30000);
  EXPECT_FALSE(buffer.DirectAccess());
  EXPECT_EQ(buffer.WindowStart(), 30000u - 10922u);
  EXPECT_EQ(Read(buffer, 0, 50002), model);
}

}  // namespace
}  // namespace quelt
