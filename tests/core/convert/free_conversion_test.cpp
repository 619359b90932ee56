#include "convert/free_conversion.h"

#include <gtest/gtest.h>

#include <random>

#include "base/messages.h"
#include "convert/free_conversion_edit.h"
#include "../view/edit_fixture.h"

namespace quelt {
namespace {

using test::EditFixture;

std::string Name(CharClass c) { return std::string(CharClassName(c)); }

FreeConversionRules Rules(std::vector<FreeConversionRule> rows, std::uint32_t options = 0) {
  FreeConversionRules r;
  r.options = options;
  r.rules = std::move(rows);
  return r;
}

// The text the rules make of source (the whole run must finish).
std::string Converted(const FreeConversionRules& rules, std::string_view source, bool fullEscapes = false,
                LeadByteTest lead = LeadByteTest()) {
  FreeConverter c;
  EXPECT_TRUE(c.Prepare(rules, fullEscapes, lead));
  const FreeConverter::Result r = c.Convert(source);
  EXPECT_EQ(r.status, FreeConversionStatus::kDone);
  EXPECT_EQ(r.converted, source.size());
  return r.text;
}

const std::string kHiraA = "\x82\xA0", kHiraI = "\x82\xA2", kHiraGa = "\x82\xAA", kHiraN = "\x82\xF1";
const std::string kKataA = "\x83\x41", kKataI = "\x83\x43", kKataGa = "\x83\x4B", kKataN = "\x83\x93";
const std::string kKataVu = "\x83\x94";                 // ヴ: no hiragana
const std::string kHalfA = "\xB1", kHalfKa = "\xB6", kVoiced = "\xDE";
const std::string kHyo = "\x95\x5C";                    // 表: its second byte is a backslash
const std::string kYen = "\x89\x7E";                    // 円
const std::string kFullOne = "\x82\x50";                // １

TEST(FreeConversion, FirstMatchingRuleWinsTopToBottom) {
  EXPECT_EQ(Converted(Rules({{"ab", "1"}, {"a", "2"}}), "abac"), "12c");
  EXPECT_EQ(Converted(Rules({{"a", "2"}, {"ab", "1"}}), "abac"), "2b2c");
  // A literal rule above a class rule takes its characters first.
  EXPECT_EQ(Converted(Rules({{"5", "five"}, {Name(CharClass::kHalfDigit), "#"}}), "a15"), "a#five");
  // Empty "before" fields are passed over; an empty "after" deletes.
  EXPECT_EQ(Converted(Rules({{"", "x"}, {"b", ""}, {"a", "c"}}), "abba"), "cc");
  // No rule at all copies the text.
  EXPECT_EQ(Converted(Rules({}), "a" + kHiraA + "\r\n"), "a" + kHiraA + "\r\n");
}

TEST(FreeConversion, ClassToClassByPlace) {
  const auto hira = Name(CharClass::kFullHiragana), kata = Name(CharClass::kFullKatakana);
  const auto halfKata = Name(CharClass::kHalfKatakana);
  EXPECT_EQ(Converted(Rules({{hira, kata}}), kHiraA + kHiraGa + "x" + kHiraN), kKataA + kKataGa + "x" + kKataN);
  // ヴ has no hiragana: it is written unchanged.
  EXPECT_EQ(Converted(Rules({{kata, hira}}), kKataVu + kKataI), kKataVu + kHiraI);
  // Half-width to full-width katakana per character: the sound mark is a
  // kana symbol, not a katakana, and is copied.
  EXPECT_EQ(Converted(Rules({{halfKata, kata}}), kHalfA + kHalfKa + kVoiced), kKataA + "\x83\x4A" + kVoiced);
  // Full-width voiced katakana become two half-width characters.
  EXPECT_EQ(Converted(Rules({{kata, halfKata}}), kKataGa + kKataA), kHalfKa + kVoiced + kHalfA);
  // Hiragana to half-width katakana goes through the katakana.
  EXPECT_EQ(Converted(Rules({{hira, halfKata}}), kHiraGa), kHalfKa + kVoiced);
  EXPECT_EQ(Converted(Rules({{Name(CharClass::kHalfDigit), Name(CharClass::kFullDigit)}}), "a1"), "a" + kFullOne);
  EXPECT_EQ(Converted(Rules({{Name(CharClass::kFullUpper), Name(CharClass::kHalfLower)}}), "\x82\x60\x82\x79"), "az");
  // A class of fewer characters: a place past its end has no counterpart.
  EXPECT_EQ(Converted(Rules({{Name(CharClass::kHalfUpper), Name(CharClass::kHalfDigit)}}), "AJK"), "09K");
}

TEST(FreeConversion, ClassAndLiteralMixed) {
  const auto digits = Name(CharClass::kHalfDigit), fullDigits = Name(CharClass::kFullDigit);
  // A class before with a literal after writes the literal for each character.
  EXPECT_EQ(Converted(Rules({{digits, "#"}}), "a12"), "a##");
  EXPECT_EQ(Converted(Rules({{digits, ""}}), "a12b"), "ab");
  // A literal before with a class name after writes the name as it stands.
  EXPECT_EQ(Converted(Rules({{"x", fullDigits}}), "x1"), fullDigits + "1");
  // A class name with other text is literal text.
  const auto rules = Rules({{fullDigits + kYen, "yen"}});
  EXPECT_EQ(Converted(rules, kFullOne + kYen), kFullOne + kYen);
  EXPECT_EQ(Converted(rules, "(" + fullDigits + kYen + ")"), "(yen)");
}

TEST(FreeConversion, NeverSplitsACharacterOrALineEnd) {
  // A backslash rule does not see the second byte of 表.
  EXPECT_EQ(Converted(Rules({{"\\", "/"}}), kHyo + "\\"), kHyo + "/");
  EXPECT_EQ(Converted(Rules({{"\x5C\x95", "!"}}), kHyo + kHyo), kHyo + kHyo);
  // A rule that ends in a lead byte or a CR matches only where the source
  // has that byte alone.
  const auto lone = Rules({{"a\x95", "X"}, {"\r", ""}});
  EXPECT_EQ(Converted(lone, "a" + kHyo), "a" + kHyo);
  EXPECT_EQ(Converted(lone, "aa\x95"), "aX");
  EXPECT_EQ(Converted(lone, "a\r\nb\rc"), "a\r\nbc");
  // A class rule's two-byte character starts at a character boundary only:
  // 0x82 0xA0 inside "\x95\x82" "\xA0" is no あ.
  EXPECT_EQ(Converted(Rules({{Name(CharClass::kFullHiragana), "h"}}), "\x95\x82\xA0" + kHiraA), "\x95\x82\xA0h");
  // Without the lead-byte test every byte is a character of its own.
  EXPECT_EQ(Converted(Rules({{"\\", "/"}}), kHyo, false, LeadByteTest(false)), "\x95/");
}

TEST(FreeConversion, EscapeSequences) {
  const std::uint32_t esc = kFreeConvEscapeSequences;
  EXPECT_EQ(Converted(Rules({{"\\t", "\\n"}}, esc), "a\tb"), "a\r\nb");
  EXPECT_EQ(Converted(Rules({{"\\n", "\\\\"}}, esc), "a\r\nb"), "a\\b");
  // Off, the fields are literal.
  EXPECT_EQ(Converted(Rules({{"\\t", "T"}}), "\\t\t"), "T\t");
  // \xHH only with the full set.
  EXPECT_EQ(Converted(Rules({{"\\x41", "B"}}, esc), "A\\x41"), "AB");
  EXPECT_EQ(Converted(Rules({{"\\x41", "B"}}, esc), "A\\x41", true), "B\\x41");
  // Class names are not decoded; the literal after of a class rule is.
  EXPECT_EQ(Converted(Rules({{Name(CharClass::kHalfSpace), "\\t"}}, esc), "a b"), "a\tb");
  // Bytes that leave a lead byte alone or split a CR LF refuse the run.
  for (const FreeConversionRule& bad : {FreeConversionRule{"\\x82", "a"}, FreeConversionRule{"a", "\\x0D"},
                                        FreeConversionRule{Name(CharClass::kHalfDigit), "\\x82"}}) {
    FreeConverter c;
    EXPECT_FALSE(c.Prepare(Rules({bad}, esc), true)) << bad.before << " " << bad.after;
    EXPECT_TRUE(c.Prepare(Rules({bad}), true));  // without escapes the text is taken as it is
  }
}

TEST(FreeConversion, OutputStopsAtItsLimitKeepingTheConvertedStart) {
  FreeConverter c;
  ASSERT_TRUE(c.Prepare(Rules({{"a", "bb"}}), false));
  const std::size_t half = kFreeConversionOutputLimit / 2;  // 524,208 source bytes fill the output
  FreeConverter::Result r = c.Convert(std::string(600000, 'a'));
  EXPECT_EQ(r.status, FreeConversionStatus::kOutputFull);
  EXPECT_EQ(r.converted, half);
  EXPECT_EQ(r.text, std::string(kFreeConversionOutputLimit, 'b'));
  // Reaching the limit with the last character is no overflow.
  r = c.Convert(std::string(half, 'a'));
  EXPECT_EQ(r.status, FreeConversionStatus::kDone);
  EXPECT_EQ(r.text.size(), kFreeConversionOutputLimit);
  // A long replacement that would pass the buffer's end is not written.
  ASSERT_TRUE(c.Prepare(Rules({{"a", std::string(256, 'x')}}), false));
  r = c.Convert(std::string(50, 'c') + std::string(5000, 'a'));
  EXPECT_EQ(r.status, FreeConversionStatus::kOutputFull);
  EXPECT_EQ(r.converted, 50u + 4095u);
  EXPECT_EQ(r.text.size(), 50u + 4095u * 256u);
  EXPECT_LE(r.text.size(), kFreeConversionBufferSize);
  // Over 1 MiB of source converts nothing; exactly 1 MiB is taken, and even
  // copied unchanged it fills the output 160 bytes before its end.
  r = c.Convert(std::string(kFreeConversionSourceLimit + 1, 'c'));
  EXPECT_EQ(r.status, FreeConversionStatus::kSourceTooLarge);
  EXPECT_EQ(r.converted, 0u);
  EXPECT_TRUE(r.text.empty());
  r = c.Convert(std::string(kFreeConversionSourceLimit, 'c'));
  EXPECT_EQ(r.status, FreeConversionStatus::kOutputFull);
  EXPECT_EQ(r.converted, kFreeConversionOutputLimit);
  EXPECT_EQ(c.Convert(std::string(kFreeConversionOutputLimit, 'c')).status, FreeConversionStatus::kDone);
}

TEST(FreeConversion, OverlongFieldsAreFound) {
  EXPECT_EQ(FirstOverlongField(Rules({{"a", "b"}, {std::string(256, 'x'), ""}})), -1);
  EXPECT_EQ(FirstOverlongField(Rules({{"a", "b"}, {"", std::string(257, 'x')}})), 3);
  EXPECT_EQ(FirstOverlongField(Rules({{std::string(257, 'x'), ""}})), 0);
}

// The walk with its per-byte rule lists against a plain one that tries
// every rule at every character and checks that a match ends on a
// character boundary by walking the source.
std::string PlainRun(const FreeConversionRules& rules, const std::string& s) {
  auto unit = [&](std::size_t i) -> std::size_t {
    if (i + 1 >= s.size()) return 1;
    if (IsSjisLeadByte(static_cast<std::uint8_t>(s[i])) || (s[i] == '\r' && s[i + 1] == '\n')) return 2;
    return 1;
  };
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t u = unit(i);
    bool matched = false;
    for (const FreeConversionRule& rule : rules.rules) {
      if (rule.before.empty()) continue;
      if (const auto from = CharClassByName(rule.before)) {
        std::size_t size = 0;
        const std::uint16_t code = CharCodeAt(std::string_view(s).substr(0, i + u), i, size);
        if (PositionInClass(*from, code) < 0) continue;
        const auto to = CharClassByName(rule.after);
        std::string piece = to ? ClassCounterpart(*from, *to, code) : rule.after;
        if (to && piece.empty()) piece = s.substr(i, u);
        out += piece;
        i += u;
      } else {
        if (s.compare(i, rule.before.size(), rule.before) != 0) continue;
        std::size_t e = i;
        while (e < i + rule.before.size()) e += unit(e);
        if (e != i + rule.before.size()) continue;
        out += rule.after;
        i = e;
      }
      matched = true;
      break;
    }
    if (!matched) {
      out += s.substr(i, u);
      i += u;
    }
  }
  return out;
}

TEST(FreeConversion, RandomRulesMatchThePlainWalk) {
  std::mt19937 rng(7);
  const std::string alphabet[] = {"a", "b", "\\", "\r\n", "\r", "\x95", kHiraA, kKataA, kHyo, kHalfA, kVoiced, "1", kFullOne};
  const auto classes = CharClassListOrder();
  auto piece = [&] { return alphabet[rng() % std::size(alphabet)]; };
  for (int round = 0; round < 2000; ++round) {
    std::string source;
    for (int i = 0, n = static_cast<int>(rng() % 40); i < n; ++i) source += piece();
    FreeConversionRules rules;
    for (int k = 0, n = static_cast<int>(rng() % 11); k < n; ++k) {
      std::string before = rng() % 3 == 0 ? Name(classes[rng() % classes.size()]) : piece();
      if (rng() % 3 == 0) before += piece();
      if (rng() % 8 == 0) before.clear();
      rules.rules.push_back({before, rng() % 3 == 0 ? Name(classes[rng() % classes.size()]) : piece() + "<"});
    }
    ASSERT_EQ(Converted(rules, source), PlainRun(rules, source)) << round;
  }
}

class FreeConversionEdit : public EditFixture {};

TEST_F(FreeConversionEdit, WholeTextReplacedInOneUndoStepAndSelected) {
  Load(kHiraA + kHiraI + "\r\nz");
  EditSession s = Session();
  const auto rules = Rules({{Name(CharClass::kFullHiragana), Name(CharClass::kFullKatakana)}});
  FreeConversionOutcome o = ApplyFreeConversion(s, nullptr, rules, false);
  EXPECT_EQ(o.status, FreeConversionStatus::kDone);
  ASSERT_TRUE(o.edit.Done());
  EXPECT_EQ(Text(), kKataA + kKataI + "\r\nz");
  ASSERT_TRUE(o.edit.hasSelection);
  EXPECT_EQ(o.edit.selection, (TextRange{0, 7}));
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), kHiraA + kHiraI + "\r\nz");
  EXPECT_FALSE(history.CanUndo());
  // Only the selection is converted.
  const TextRange sel{2, 4};
  o = ApplyFreeConversion(s, &sel, rules, false);
  EXPECT_EQ(Text(), kHiraA + kKataI + "\r\nz");
  EXPECT_EQ(o.edit.selection, sel);
  // Rules that change nothing leave the document alone.
  o = ApplyFreeConversion(s, &sel, Rules({{"q", "r"}}), false);
  EXPECT_EQ(o.status, FreeConversionStatus::kDone);
  EXPECT_FALSE(o.edit.Done());
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(FreeConversionEdit, NewDocumentLeavesTheSourceAlone) {
  Load("abc");
  store.SetWriteProtect(true);
  EditSession s = Session();
  FreeConversionOutcome o = ApplyFreeConversion(s, nullptr, Rules({{"b", "x"}}, kFreeConvNewDocument), false);
  EXPECT_EQ(o.status, FreeConversionStatus::kDone);
  EXPECT_TRUE(o.toNewDocument);
  EXPECT_EQ(o.newDocument, "axc");
  EXPECT_EQ(Text(), "abc");
  EXPECT_FALSE(history.CanUndo());
  // Replacing in a write-protected document is refused with a beep.
  o = ApplyFreeConversion(s, nullptr, Rules({{"b", "x"}}), false);
  EXPECT_EQ(o.status, FreeConversionStatus::kRefused);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Text(), "abc");
}

TEST_F(FreeConversionEdit, RefusalsChangeNothing) {
  Load("a\\x41");
  EditSession s = Session();
  // A malformed escape beeps.
  FreeConversionOutcome o =
      ApplyFreeConversion(s, nullptr, Rules({{"a", "\\x82"}}, kFreeConvEscapeSequences), true);
  EXPECT_EQ(o.status, FreeConversionStatus::kBadEscape);
  EXPECT_EQ(host.beeps, 1);
  // An empty document has nothing to convert.
  Load("");
  o = ApplyFreeConversion(s, nullptr, Rules({{"a", "b"}}), false);
  EXPECT_EQ(o.status, FreeConversionStatus::kRefused);
  EXPECT_EQ(host.beeps, 2);
  // A source over 1 MiB shows the message.
  Load(std::string(kFreeConversionSourceLimit + 10, 'a'));
  const TextRange big{5, static_cast<TextOffset>(kFreeConversionSourceLimit + 6)};
  o = ApplyFreeConversion(s, &big, Rules({{"a", "b"}}), false);
  EXPECT_EQ(o.status, FreeConversionStatus::kSourceTooLarge);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgSourceTooLarge);
  EXPECT_EQ(Text(), std::string(kFreeConversionSourceLimit + 10, 'a'));
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(FreeConversionEdit, OverflowKeepsTheUnconvertedRestInTheDocument) {
  Load("<" + std::string(600000, 'a') + ">");
  EditSession s = Session();
  host.answers.push_back(Answer::kOk);  // the removed text may not fit the undo buffer
  const TextRange sel{1, 600001};
  FreeConversionOutcome o = ApplyFreeConversion(s, &sel, Rules({{"a", "bb"}}), false);
  EXPECT_EQ(o.status, FreeConversionStatus::kOutputFull);
  ASSERT_TRUE(o.edit.Done());
  const std::size_t converted = kFreeConversionOutputLimit / 2;
  EXPECT_EQ(Text(), "<" + std::string(kFreeConversionOutputLimit, 'b') + std::string(600000 - converted, 'a') + ">");
  EXPECT_EQ(o.edit.selection.Length(), kFreeConversionOutputLimit + 600000 - converted);
  EXPECT_TRUE(host.messages.empty());  // the window shows it once the result is shown
  // A new document gets the converted start alone.
  Load(std::string(600000, 'a'));
  o = ApplyFreeConversion(s, nullptr, Rules({{"a", "bb"}}, kFreeConvNewDocument), false);
  EXPECT_EQ(o.status, FreeConversionStatus::kOutputFull);
  EXPECT_EQ(o.newDocument, std::string(kFreeConversionOutputLimit, 'b'));
  EXPECT_EQ(Text(), std::string(600000, 'a'));
}

TEST(FreeConversionRecord, RoundTripAndBadData) {
  const auto rules = Rules({{Name(CharClass::kFullHiragana), Name(CharClass::kFullKatakana)}, {"", ""}, {"a", "\\t"}},
                           kFreeConvEscapeSequences | kFreeConvNewDocument);
  const std::string data = EncodeFreeConversionRecord(rules);
  FreeConversionRules back;
  ASSERT_TRUE(DecodeFreeConversionRecord(data, back));
  EXPECT_EQ(back, rules);
  // Truncated, extended or garbled data is refused and leaves the rules.
  for (std::size_t n = 0; n < data.size(); ++n) EXPECT_FALSE(DecodeFreeConversionRecord(data.substr(0, n), back)) << n;
  EXPECT_FALSE(DecodeFreeConversionRecord(data + "x", back));
  std::mt19937 rng(3);
  for (int i = 0; i < 500; ++i) {
    std::string junk(rng() % 40, '\0');
    for (char& ch : junk) ch = static_cast<char>(rng() % 4 == 0 ? 0 : rng());
    FreeConversionRules r;
    if (DecodeFreeConversionRecord(junk, r)) {
      EXPECT_EQ(EncodeFreeConversionRecord(r), junk);
    }
  }
  EXPECT_EQ(back, rules);
}

}  // namespace
}  // namespace quelt
