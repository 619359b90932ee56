#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "binary/binary_edit.h"
#include "fake_host.h"
#include "text/text_store.h"

namespace quelt {
namespace {

class BinaryEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Create(DocumentKind::kBinary));
    ASSERT_TRUE(history.Create());
  }
  void Load(const std::string& bytes) {
    store.Load(bytes, DocumentKind::kBinary);
    history.UndoBuffer().Clear();
  }
  TextStore store{LeadByteTest(false)};
  test::FakeHost host;
  UndoHistory history{store, host};
  BinaryCaret caret;
};

TEST_F(BinaryEditTest, TwoDigitsMakeOneByte) {
  Load("xy");
  ASSERT_TRUE(TypeBinaryHexDigit(history, caret, 'd', false));
  EXPECT_EQ(store.Text(), "\x0dxy");  // the first digit inserts its value
  EXPECT_TRUE(caret.secondDigit);
  EXPECT_EQ(caret.offset, 0u);
  ASSERT_TRUE(TypeBinaryHexDigit(history, caret, 'A', false));
  EXPECT_EQ(store.Text(), "\xDAxy");
  EXPECT_EQ(caret.offset, 1u);
  EXPECT_FALSE(caret.secondDigit);
  EXPECT_FALSE(TypeBinaryHexDigit(history, caret, 'g', false));
  // "4" then "1" over x in overwrite mode: 0x41.
  ASSERT_TRUE(TypeBinaryHexDigit(history, caret, '4', true));
  ASSERT_TRUE(TypeBinaryHexDigit(history, caret, '1', true));
  EXPECT_EQ(store.Text(), "\xDA" "Ay");
  // Overwrite at the end adds the byte.
  caret.offset = 3;
  ASSERT_TRUE(TypeBinaryHexDigit(history, caret, '7', true));
  EXPECT_EQ(store.Text(), "\xDA" "Ay\x07");
  while (history.CanUndo()) ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "xy");
}

TEST_F(BinaryEditTest, TextPartWaitsForTheSecondByte) {
  Load("ab");
  caret.textPart = true;
  TypeBinaryTextByte(history, caret, 0x82, false);
  EXPECT_EQ(store.Text(), "ab");
  EXPECT_EQ(caret.pendingLead, 0x82);
  TypeBinaryTextByte(history, caret, 0xA0, false);
  EXPECT_EQ(store.Text(), "\x82\xA0" "ab");
  EXPECT_EQ(caret.offset, 2u);
  TypeBinaryTextByte(history, caret, 'Z', true);
  EXPECT_EQ(store.Text(), "\x82\xA0Zb");
  EXPECT_EQ(history.UndoBuffer().Count(), 3);  // an insertion, then an overwrite pair
}

TEST_F(BinaryEditTest, DeleteBackspaceAndSelections) {
  Load("abcdef");
  caret.offset = 2;
  DeleteBinary(history, caret);
  EXPECT_EQ(store.Text(), "abdef");
  BackspaceBinary(history, caret);
  EXPECT_EQ(store.Text(), "adef");
  EXPECT_EQ(caret.offset, 1u);
  MoveBinaryCaret(caret, BinaryKey::kRight, true, false, store.Length(), 10);
  MoveBinaryCaret(caret, BinaryKey::kRight, true, false, store.Length(), 10);
  ASSERT_TRUE(caret.HasSelection());
  ASSERT_TRUE(TypeBinaryHexDigit(history, caret, '3', false));  // the selection goes first
  EXPECT_EQ(store.Text(), std::string("a\x03" "f", 3));
  caret = BinaryCaret{};
  BackspaceBinary(history, caret);
  EXPECT_EQ(host.beeps, 1);
  caret.offset = store.Length();
  DeleteBinary(history, caret);
  EXPECT_EQ(host.beeps, 2);
}

TEST_F(BinaryEditTest, PasteReplacesTheSelectionAndFindSelectsTheMatch) {
  Load("abcabc");
  caret.offset = 1;
  caret.anchor = 3;
  caret.selecting = true;
  PasteBinary(history, caret, std::string("\0z", 2));
  EXPECT_EQ(store.Text(), std::string("a\0zabc", 6));
  EXPECT_EQ(caret.offset, 3u);
  EXPECT_FALSE(caret.HasSelection());
  caret = BinaryCaret{};
  const std::string data = store.Text();
  ASSERT_TRUE(FindBinary(data, "ab", caret, true));
  EXPECT_EQ(caret.SelectionStart(), 3u);
  EXPECT_EQ(caret.SelectionEnd(), 5u);
  EXPECT_FALSE(FindBinary(data, "ab", caret, true));  // no later one; the selection stays
  EXPECT_EQ(caret.SelectionStart(), 3u);
  caret.offset = data.size();
  caret.selecting = false;
  ASSERT_TRUE(FindBinary(data, std::string("\0", 1), caret, false));
  EXPECT_EQ(caret.SelectionStart(), 1u);
}

TEST_F(BinaryEditTest, CaretKeys) {
  const TextOffset length = 40;
  caret.offset = 20;
  MoveBinaryCaret(caret, BinaryKey::kHome, false, false, length, 2);
  EXPECT_EQ(caret.offset, 16u);
  MoveBinaryCaret(caret, BinaryKey::kEnd, false, false, length, 2);
  EXPECT_EQ(caret.offset, 31u);
  MoveBinaryCaret(caret, BinaryKey::kDown, false, false, length, 2);
  EXPECT_EQ(caret.offset, 40u);  // held at the end
  MoveBinaryCaret(caret, BinaryKey::kPageUp, false, false, length, 2);
  EXPECT_EQ(caret.offset, 8u);
  MoveBinaryCaret(caret, BinaryKey::kUp, false, false, length, 2);
  EXPECT_EQ(caret.offset, 0u);
  MoveBinaryCaret(caret, BinaryKey::kEnd, true, true, length, 2);
  EXPECT_EQ(caret.offset, 40u);
  EXPECT_EQ(caret.SelectionStart(), 0u);
  MoveBinaryCaret(caret, BinaryKey::kLeft, false, false, length, 2);
  EXPECT_FALSE(caret.HasSelection());
}

// Random typing and deleting against a plain byte array, with the caret
// checked after each step; undoing every step gives the start back.
TEST_F(BinaryEditTest, RandomEditsMatchAByteArray) {
  std::mt19937 rng(5);
  const char* digits = "0123456789abcdef";
  for (int round = 0; round < 40; ++round) {
    std::string model;
    for (int i = 0; i < 20; ++i) model += static_cast<char>(rng() & 0xFF);
    Load(model);
    const std::string start = model;
    for (int step = 0; step < 60; ++step) {
      caret = BinaryCaret{};
      const auto o = static_cast<TextOffset>(rng() % (model.size() + 1));
      caret.offset = o;
      TextOffset expectedCaret = o;
      switch (rng() % 4) {
        case 0: {
          const bool overwrite = rng() % 2;
          const unsigned hi = rng() % 16, lo = rng() % 16;
          TypeBinaryHexDigit(history, caret, digits[hi], overwrite);
          TypeBinaryHexDigit(history, caret, digits[lo], overwrite);
          const char byte = static_cast<char>(hi << 4 | lo);
          if (overwrite && o < model.size()) {
            model[o] = byte;
          } else {
            model.insert(model.begin() + o, byte);
          }
          expectedCaret = o + 1;
          break;
        }
        case 1:
          DeleteBinary(history, caret);
          if (o < model.size()) model.erase(o, 1);
          break;
        case 2:
          BackspaceBinary(history, caret);
          if (o > 0) {
            model.erase(o - 1, 1);
            expectedCaret = o - 1;
          }
          break;
        default: {
          const auto a = static_cast<TextOffset>(rng() % (model.size() + 1));
          caret.anchor = a;
          caret.selecting = true;
          DeleteBinary(history, caret);
          if (a != o) {
            model.erase(std::min(a, o), a > o ? a - o : o - a);
            expectedCaret = std::min(a, o);
          } else if (o < model.size()) {
            model.erase(o, 1);
          }
          break;
        }
      }
      ASSERT_EQ(store.Text(), model) << round << "/" << step;
      ASSERT_EQ(caret.offset, expectedCaret) << round << "/" << step;
    }
    while (history.CanUndo()) ASSERT_TRUE(history.Undo(false).Done());
    EXPECT_EQ(store.Text(), start) << round;
  }
}

}  // namespace
}  // namespace quelt
