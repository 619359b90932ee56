#include "text/text_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "fake_host.h"

namespace quelt {
namespace {

using namespace std::string_literals;

// "表" (0x95 0x5C) and "ー" (0x81 0x5B); 0x81 0x81 is "＝", whose trail byte
// is itself a lead byte.
const std::string kHyou = "\x95\x5C";
const std::string kEq = "\x81\x81";

class Store : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store.Create()); }
  TextStore store;
};

TEST_F(Store, NewDocumentDefaults) {
  EXPECT_EQ(store.Length(), 0u);
  EXPECT_EQ(store.LastChar(), kNoLastChar);
  EXPECT_EQ(store.LineCount(), 0u);
  EXPECT_EQ(store.LineCapacity(), 2000u);
  EXPECT_EQ(store.Kind(), DocumentKind::kText);
  EXPECT_EQ(store.CharCode(), 1);
  EXPECT_EQ(store.LineEnd(), 1);
  EXPECT_FALSE(store.OpenedFromCipher());
  EXPECT_FALSE(store.OverwritePermit());
  EXPECT_FALSE(store.WriteProtect());
  EXPECT_EQ(store.BackupGeneration(), -1);
  EXPECT_EQ(store.Layout().lineWidth, 80);
  EXPECT_EQ(store.Text(), "");
  store.Delete(0, 10);  // nothing to delete
  EXPECT_EQ(store.Length(), 0u);
  EXPECT_EQ(store.LastChar(), kNoLastChar);

  TextStore binary;
  ASSERT_TRUE(binary.Create(DocumentKind::kBinary));
  EXPECT_EQ(binary.Kind(), DocumentKind::kBinary);
  EXPECT_EQ(binary.Layout().lineWidth, 16);
}

TEST(StoreCreate, FailedAllocationReleasesEverything) {
  TextStore store;
  store.SetAllocationCeiling(7000);  // the text block does not fit
  EXPECT_FALSE(store.Create());
  EXPECT_EQ(store.LineCapacity(), 0u);
  EXPECT_FALSE(store.Buffer().Created());
  store.SetAllocationCeiling(SIZE_MAX);
  EXPECT_TRUE(store.Create());
}

// ---- Reading a file into the store ----

TEST_F(Store, LoadDropsLoneCrButKeepsCrLfAndLf) {
  EXPECT_EQ(store.Load("A\rB"s, DocumentKind::kText).hint, kHintTextLoaded);
  EXPECT_EQ(store.Text(), "AB");
  EXPECT_EQ(store.LastChar(), 1);
  store.Load("A\r\nB"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "A\r\nB");
  store.Load("A\nB"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "A\nB");
  store.Load("\r\r\r\nx\r"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "\r\nx");
}

TEST_F(Store, LoadDropsATrailingLeadByteOrCr) {
  store.Load("ab\x95"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "ab");
  EXPECT_EQ(store.LastChar(), 1);
  store.Load("ab\r"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "ab");
  const LoadResult only = store.Load("\r"s, DocumentKind::kText);
  EXPECT_EQ(store.Length(), 0u);
  EXPECT_EQ(store.LastChar(), kNoLastChar);
  EXPECT_EQ(only.hint, kHintNone);
}

TEST_F(Store, LoadLastCharacterOffset) {
  store.Load("ab" + kHyou, DocumentKind::kText);
  EXPECT_EQ(store.LastChar(), 2);
  store.Load("ab\r\n"s, DocumentKind::kText);
  EXPECT_EQ(store.LastChar(), 2);  // the CR of the final line end
  store.Load("a\n"s, DocumentKind::kText);
  EXPECT_EQ(store.LastChar(), 1);
}

TEST_F(Store, LoadTurnsNulIntoSpaceExceptAsTrailByte) {
  store.Load("a\0b\x81\0"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "a b\x81\0"s);
  EXPECT_EQ(store.LastChar(), 3);
}

TEST_F(Store, LoadKeepsALineEndAfterAStrayLeadByte) {
  // A lead byte before CR LF would take the CR: the lead byte becomes a
  // space instead and the line end stays.
  store.Load("\x81\r\nx"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), " \r\nx");
  // Before a lone CR (which is no line end) the CR is the trail byte, a space.
  store.Load("\x81\rx"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "\x81 x");
  // A real pair before a line end is kept.
  store.Load("\x81\x81\r\n"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "\x81\x81\r\n");
  EXPECT_EQ(store.LastChar(), 2);
}

TEST_F(Store, LoadWithLeadByteTestOff) {
  TextStore plain{LeadByteTest(false)};
  ASSERT_TRUE(plain.Create());
  plain.Load("a\x95"s, DocumentKind::kText);
  EXPECT_EQ(plain.Text(), "a\x95");
  EXPECT_EQ(plain.LastChar(), 1);
  plain.Load("\x81\r\n"s, DocumentKind::kText);
  EXPECT_EQ(plain.Text(), "\x81\r\n");
}

// A font change can switch the lead-byte test on over a text loaded with it
// off ("caf\xE9" in code page 1252 before a line end).
TEST_F(Store, SwitchingTheLeadTestOnKeepsLineEndsWhole) {
  TextStore plain{LeadByteTest(false)};
  ASSERT_TRUE(plain.Create());
  plain.Load("caf\xE9\r\n\x95\x5C\r\nend\xE9"s, DocumentKind::kText);
  EXPECT_EQ(plain.Text(), "caf\xE9\r\n\x95\x5C\r\nend\xE9");
  EXPECT_EQ(plain.SetLead(LeadByteTest(true)), 1u);
  // The lone lead byte before CR LF becomes a space; a real pair stays; a
  // lead byte at the very end is one character.
  EXPECT_EQ(plain.Text(), "caf \r\n\x95\x5C\r\nend\xE9");
  EXPECT_EQ(plain.LastChar(), static_cast<std::int32_t>(plain.Length() - 1));
  // Switching it off again, or on when it is on, changes nothing.
  EXPECT_EQ(plain.SetLead(LeadByteTest(false)), 0u);
  EXPECT_EQ(plain.SetLead(LeadByteTest(true)), 0u);
  EXPECT_EQ(plain.Text(), "caf \r\n\x95\x5C\r\nend\xE9");
}

TEST_F(Store, SwitchingTheLeadTestOnFollowsPairsNotBytes) {
  TextStore plain{LeadByteTest(false)};
  ASSERT_TRUE(plain.Create());
  // 0x81 0x81 is one character, so the 0x81 before CR LF is its trail byte
  // and nothing changes; after "x" the same byte pairs with CR.
  plain.Load("\x81\x81\r\nx\x81\r\n"s, DocumentKind::kText);
  EXPECT_EQ(plain.SetLead(LeadByteTest(true)), 1u);
  EXPECT_EQ(plain.Text(), "\x81\x81\r\nx \r\n");
  // The last character is now the CR LF pair.
  EXPECT_EQ(plain.LastChar(), static_cast<std::int32_t>(plain.Length() - 2));
}

TEST_F(Store, BinaryLoadKeepsEveryByte) {
  const std::string bytes = "a\0\r\x95\r"s;
  const LoadResult r = store.Load(bytes, DocumentKind::kBinary);
  EXPECT_EQ(r.hint, kHintBinaryLoaded);
  EXPECT_EQ(store.Text(), bytes);
  EXPECT_EQ(store.LastChar(), 4);
  EXPECT_EQ(store.Kind(), DocumentKind::kBinary);
  EXPECT_EQ(store.Layout().lineWidth, 16);
  EXPECT_EQ(store.Load(""s, DocumentKind::kBinary).hint, kHintBinaryLoaded);
  EXPECT_EQ(store.LastChar(), kNoLastChar);
}

TEST_F(Store, LoadReplacesTheOldTextAndLines) {
  store.Insert(0, "old text"s);
  store.SetLineCount(1);
  store.Load("new"s, DocumentKind::kText);
  EXPECT_EQ(store.Text(), "new");
  EXPECT_EQ(store.LineCount(), 0u);
}

TEST_F(Store, OversizedLoadIsCut) {
  std::string big(kMaxTextSize + 5, 'x');
  big[kMaxLoadSize - 1] = 'y';
  const LoadResult r = store.Load(big, DocumentKind::kText);
  EXPECT_TRUE(r.truncated);
  EXPECT_EQ(r.hint, kHintTextLoaded);
  EXPECT_EQ(store.Length(), kMaxLoadSize);
  EXPECT_EQ(store.LastChar(), static_cast<std::int32_t>(kMaxLoadSize - 1));
  EXPECT_EQ(store.ByteAt(kMaxLoadSize - 1), 'y');
  // A full text takes no more bytes, but still loses them at its end.
  EXPECT_EQ(store.Insert(0, "z"s), Capacity::kOverLimit);
  EXPECT_EQ(store.Length(), kMaxLoadSize);
  store.Delete(0, 3);
  EXPECT_EQ(store.Insert(0, "zzz"s), Capacity::kFits);
  EXPECT_EQ(store.ByteAt(0), 'z');

  EXPECT_FALSE(store.Load(big.substr(0, kMaxLoadSize), DocumentKind::kText).truncated);
}

TEST_F(Store, LoadOutOfMemoryLeavesAnEmptyText) {
  store.SetAllocationCeiling(40000);
  const LoadResult r = store.Load(std::string(50000, 'a'), DocumentKind::kText);
  EXPECT_EQ(r.capacity, Capacity::kOutOfMemory);
  EXPECT_EQ(r.hint, kHintNone);
  EXPECT_EQ(store.Length(), 0u);
}

// ---- Insert and delete ----

TEST_F(Store, InsertKeepsTheLastCharacterOffset) {
  EXPECT_EQ(store.Insert(0, "ab"s), Capacity::kFits);
  EXPECT_EQ(store.LastChar(), 1);
  store.Insert(2, kHyou);
  EXPECT_EQ(store.LastChar(), 2);
  store.Insert(0, "xy"s);  // before the last character: shifted
  EXPECT_EQ(store.LastChar(), 4);
  store.Insert(99, "\r\n"s);  // past the end: appended
  EXPECT_EQ(store.Text(), "xyab" + kHyou + "\r\n");
  EXPECT_EQ(store.LastChar(), 6);
  store.Insert(store.Length(), "\n"s);
  EXPECT_EQ(store.LastChar(), 8);
  EXPECT_EQ(store.Insert(3, ""s), Capacity::kFits);
  EXPECT_EQ(store.Length(), 9u);
}

TEST_F(Store, InsertGrowsTheBlockOrRefuses) {
  const std::string text(32765, 'a');
  EXPECT_EQ(store.Insert(0, text), Capacity::kFits);
  EXPECT_EQ(store.Insert(0, "b"s), Capacity::kGrown);
  EXPECT_EQ(store.Buffer().CapacityBytes(), 65536u);
  store.SetAllocationCeiling(65536);
  EXPECT_EQ(store.Insert(10, std::string(40000, 'c')), Capacity::kOutOfMemory);
  EXPECT_EQ(store.Text(), "b" + text);
  EXPECT_EQ(store.LastChar(), 32765);
}

TEST_F(Store, DeleteToTheEndFindsTheCharacterBefore) {
  // Every trail byte here is also a lead byte: stepping back byte by byte
  // cannot tell where the last character starts.
  store.Insert(0, "A" + kEq + kEq + kEq + "z");
  store.Delete(7, 1);
  EXPECT_EQ(store.LastChar(), 5);
  store.Delete(5, 2);
  EXPECT_EQ(store.LastChar(), 3);
  store.Delete(1, 4);
  EXPECT_EQ(store.LastChar(), 0);
  store.Delete(0, 100);
  EXPECT_EQ(store.Length(), 0u);
  EXPECT_EQ(store.LastChar(), kNoLastChar);
}

TEST_F(Store, DeleteToTheEndKeepsCrLfTogether) {
  store.Insert(0, "a\r\nb"s);
  store.Delete(3, 1);
  EXPECT_EQ(store.LastChar(), 1);  // the CR, never the LF
  store.Insert(3, "\n\n"s);
  store.Delete(4, 1);
  EXPECT_EQ(store.LastChar(), 3);  // a lone LF is a character
}

TEST_F(Store, DeleteInTheMiddle) {
  store.Insert(0, "ab" + kHyou + "cd");
  store.Delete(2, 2);
  EXPECT_EQ(store.Text(), "abcd");
  EXPECT_EQ(store.LastChar(), 3);
  store.Delete(4, 1);  // at the end: nothing
  store.Delete(1, 0);
  EXPECT_EQ(store.Text(), "abcd");
}

TEST_F(Store, BinaryKindCountsEveryByteAsACharacter) {
  store.Load("\x81\x81"s, DocumentKind::kBinary);
  EXPECT_EQ(store.LastChar(), 1);
  store.Insert(2, "\x95\x5C"s);
  EXPECT_EQ(store.LastChar(), 3);
  store.Delete(3, 1);
  EXPECT_EQ(store.LastChar(), 2);
}

// ---- Line tables ----

TEST_F(Store, LineCapacityGrowsInStepsUpToTheLimit) {
  EXPECT_EQ(store.EnsureLineCapacity(1997), Capacity::kFits);
  EXPECT_EQ(store.EnsureLineCapacity(1998), Capacity::kGrown);
  EXPECT_EQ(store.LineCapacity(), 4000u);
  store.SetLine(3999, 77, 1);
  EXPECT_EQ(store.EnsureLineCapacity(100001), Capacity::kOverLimit);
  EXPECT_EQ(store.EnsureLineCapacity(100000), Capacity::kGrown);
  EXPECT_GE(store.LineCapacity(), 100000u);
  EXPECT_EQ(store.LineStart(3999), 77u);
  EXPECT_TRUE(store.SetLineCount(100000));
  EXPECT_EQ(store.EnsureLineCapacity(100001), Capacity::kOverLimit);
  EXPECT_EQ(store.EnsureLineCapacity(99999), Capacity::kFits);
}

TEST_F(Store, LineCapacityOutOfMemoryKeepsTheTables) {
  store.SetLine(5, 40, 1);
  store.SetAllocationCeiling(8000);
  EXPECT_EQ(store.EnsureLineCapacity(5000), Capacity::kOutOfMemory);
  EXPECT_EQ(store.LineCapacity(), 2000u);
  EXPECT_EQ(store.LineStart(5), 40u);
  EXPECT_EQ(store.LineFlag(5), 1);
  EXPECT_FALSE(store.SetLineCount(2001));
}

TEST_F(Store, LinesAtOffsetZeroOrOneNeverBeginALogicalLine) {
  EXPECT_TRUE(store.SetLine(0, 0, 1));
  EXPECT_TRUE(store.SetLine(1, 1, 1));
  EXPECT_TRUE(store.SetLine(2, 2, 1));
  EXPECT_EQ(store.LineFlag(0), 0);
  EXPECT_EQ(store.LineFlag(1), 0);
  EXPECT_EQ(store.LineFlag(2), 1);
  EXPECT_FALSE(store.SetLine(2000, 5, 0));
}

TEST_F(Store, LogicalLineNumbers) {
  // "ab\r\ncdefg\r\nh" wrapped at 3: ab | cde fg | h
  store.Insert(0, "ab\r\ncdefg\r\nh"s);
  const TextOffset starts[] = {0, 4, 7, 11};
  const std::uint8_t flags[] = {0, 1, 0, 1};
  for (std::uint32_t i = 0; i < 4; ++i) store.SetLine(i, starts[i], flags[i]);
  store.SetLineCount(4);
  EXPECT_EQ(store.LogicalLineOf(0), 0u);
  EXPECT_EQ(store.LogicalLineOf(1), 1u);
  EXPECT_EQ(store.LogicalLineOf(2), 1u);
  EXPECT_EQ(store.LogicalLineOf(3), 2u);
  EXPECT_EQ(store.LogicalLineOf(4), 3u);  // one past the last line
}

// ---- Document state ----

TEST_F(Store, EditPermission) {
  EXPECT_TRUE(store.EditAllowed(false));
  EXPECT_FALSE(store.EditAllowed(true));
  store.SetOverwritePermit(true);
  EXPECT_TRUE(store.EditAllowed(true));
  store.SetWriteProtect(true);
  EXPECT_FALSE(store.EditAllowed(false));
  EXPECT_TRUE(store.EditAllowed(true));  // browse mode looks only at the permit
}

TEST_F(Store, ReplaceLayoutReportsAChangedBlock) {
  DocLayoutSettings s;
  s.lineWidth = 120;
  EXPECT_FALSE(store.ReplaceLayout(s));
  EXPECT_EQ(store.Layout().lineWidth, 120);
  s.block[59] = 1;
  EXPECT_TRUE(store.ReplaceLayout(s));
  EXPECT_FALSE(store.ReplaceLayout(s));
  store.SetKind(DocumentKind::kBinary);
  store.ReplaceLayout(s);
  EXPECT_EQ(store.Layout().lineWidth, 16);
}

TEST(CapacityFailure, ShowsTheMatchingMessage) {
  test::FakeHost host;
  EXPECT_FALSE(ReportCapacityFailure(host, Capacity::kFits, false));
  EXPECT_FALSE(ReportCapacityFailure(host, Capacity::kGrown, true));
  EXPECT_TRUE(ReportCapacityFailure(host, Capacity::kOutOfMemory, false));
  EXPECT_TRUE(ReportCapacityFailure(host, Capacity::kOverLimit, false));
  EXPECT_TRUE(ReportCapacityFailure(host, Capacity::kOverLimit, true));
  EXPECT_EQ(host.messages,
            (std::vector<MessageId>{kMsgOutOfMemory, kMsgTooManyChars, kMsgTooManyLines}));
}

// ---- Randomized edits against a plain string ----

// Character starts of a text as the store counts characters (a lead byte with
// its trail byte, and CR LF, are one character), walking from the start.
std::vector<TextOffset> CharStarts(const std::string& text, LeadByteTest lead) {
  std::vector<TextOffset> starts;
  starts.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    starts.push_back(static_cast<TextOffset>(i));
    const auto c = static_cast<std::uint8_t>(text[i]);
    const bool pair = i + 1 < text.size() && (lead(c) || (c == kCr && text[i + 1] == '\n'));
    i += pair ? 2 : 1;
  }
  return starts;
}

class RandomText {
 public:
  explicit RandomText(unsigned seed) : rng_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // Whole characters only, never a lone CR: one-byte characters (ASCII,
  // half-width kana, lone LF, tab), double-byte characters whose trail byte is
  // often itself a lead byte, and CR LF.
  std::string Chars(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
      const int kind = Below(10);
      if (kind < 4) {
        s += static_cast<char>(0x20 + Below(0x5F));
      } else if (kind == 4) {
        s += static_cast<char>(0xA1 + Below(0x3F));
      } else if (kind == 5) {
        s += Below(2) ? '\n' : '\t';
      } else if (kind == 6) {
        s += "\r\n";
      } else {
        const int lead = Below(2) ? 0x81 + Below(0x1F) : 0xE0 + Below(0x1D);
        int trail = Below(2) ? 0x81 + Below(0x1F) : 0x40 + Below(0xBD);
        if (trail == 0x7F) trail = 0x80;
        if (Below(50) == 0) trail = '\n';
        s += static_cast<char>(lead);
        s += static_cast<char>(trail);
      }
    }
    return s;
  }

 private:
  std::mt19937 rng_;
};

void RandomEdits(LeadByteTest lead, unsigned seed, int steps) {
  TextStore store{lead};
  ASSERT_TRUE(store.Create());
  RandomText random(seed);
  std::string model = random.Chars(30000);
  ASSERT_EQ(store.Load(model, DocumentKind::kText).hint, kHintTextLoaded);
  ASSERT_EQ(store.Text(), model);
  TextOffset caret = static_cast<TextOffset>(model.size() / 2);

  std::vector<TextOffset> starts = CharStarts(model, lead);
  for (int step = 0; step < steps; ++step) {
    const auto length = static_cast<TextOffset>(model.size());
    // Most edits happen near the caret, inside the window; some jump far
    // away or go to the very end.
    TextOffset target;
    const int where = random.Below(10);
    if (where < 6) {
      const std::int64_t near = std::int64_t{caret} + random.Below(4001) - 2000;
      target = static_cast<TextOffset>(std::clamp<std::int64_t>(near, 0, length));
    } else if (where < 9) {
      target = static_cast<TextOffset>(random.Below(static_cast<int>(length) + 1));
    } else {
      target = length;
    }
    const auto it = std::lower_bound(starts.begin(), starts.end(), target);
    const std::size_t index = static_cast<std::size_t>(it - starts.begin());
    const TextOffset p = it == starts.end() ? length : *it;

    // Big edits push the window past its buffer; the size drifts between
    // about 10 and 90 KB.
    const bool big = random.Below(40) == 0;
    const int chars = big ? 2000 + random.Below(8000) : 1 + random.Below(12);
    const bool insert = model.size() < 10000 || (model.size() < 90000 && random.Below(2) == 0);
    if (insert) {
      const std::string bytes = random.Chars(chars);
      const Capacity c = store.Insert(p, bytes);
      ASSERT_TRUE(c == Capacity::kFits || c == Capacity::kGrown) << "step " << step;
      model.insert(p, bytes);
      caret = p + static_cast<TextOffset>(bytes.size());
    } else {
      const std::size_t endIndex = std::min(starts.size(), index + static_cast<std::size_t>(chars));
      const TextOffset end = endIndex == starts.size() ? length : starts[endIndex];
      store.Delete(p, end - p);
      model.erase(p, end - p);
      caret = p;
    }

    ASSERT_EQ(store.Length(), model.size()) << "step " << step;
    starts = CharStarts(model, lead);
    const std::int32_t last = starts.empty() ? kNoLastChar : static_cast<std::int32_t>(starts.back());
    ASSERT_EQ(store.LastChar(), last) << "step " << step;
    ASSERT_EQ(store.Text(), model) << "step " << step;
    if (!model.empty()) {
      // Reads through the window agree as well.
      const TextOffset at = static_cast<TextOffset>(random.Below(static_cast<int>(model.size())));
      ASSERT_EQ(store.ByteAt(at), static_cast<std::uint8_t>(model[at])) << "step " << step;
    }
    if (step % 97 == 0) {
      // After a write-back the block itself holds the text.
      const std::uint8_t* block = store.Buffer().PointerAt(0);
      ASSERT_EQ(std::string(reinterpret_cast<const char*>(block), model.size()), model);
    }
  }
}

TEST(StoreRandom, InsertsAndDeletesMatchAStringModel) { RandomEdits(LeadByteTest(), 1, 3000); }

TEST(StoreRandom, WithTheLeadByteTestOff) { RandomEdits(LeadByteTest(false), 2, 1000); }

}  // namespace
}  // namespace quelt
