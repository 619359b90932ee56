#include "marks/attribute_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "fake_host.h"

namespace quelt {
namespace {

using Lines = std::vector<std::int32_t>;

TEST(AttributeFileName, ReplacesAShortExtensionOrAppendsOne) {
  EXPECT_EQ(AttributeFilePath("C:\\d\\memo.txt"), "C:\\d\\memo.ATR");
  EXPECT_EQ(AttributeFilePath("C:\\d\\README"), "C:\\d\\README.ATR");
  EXPECT_EQ(AttributeFilePath("C:\\d\\page.html"), "C:\\d\\page.html.ATR");
  EXPECT_EQ(AttributeFilePath("a.b"), "a.ATR");
  EXPECT_EQ(AttributeFilePath("x."), "x.ATR");
  EXPECT_EQ(AttributeFilePath("C:\\v1.2\\notes"), "C:\\v1.2\\notes.ATR");  // a folder's dot
  EXPECT_EQ(AttributeFilePath("C:\\d\\a.b.c"), "C:\\d\\a.b.ATR");
  // Three double-byte characters are a three-character extension.
  EXPECT_EQ(AttributeFilePath("C:\\d\\x.\x93\xFA\x96\x7B\x8C\xEA"), "C:\\d\\x.ATR");
  EXPECT_EQ(AttributeFilePath("C:\\d\\memo.ATR"), "");
  EXPECT_EQ(AttributeFilePath("C:\\d\\memo.atr"), "");
  EXPECT_EQ(AttributeFilePath("C:\\d\\memo.atrx"), "C:\\d\\memo.atrx.ATR");
}

class AttributeFile : public ::testing::Test {
 protected:
  static constexpr const char* kText = "C:\\d\\memo.txt";
  static constexpr const char* kAtr = "C:\\d\\memo.ATR";

  void SetUp() override {
    fs.CreateFolder("C:\\d");
    ASSERT_TRUE(store.Create());
    Load("aa\r\nbb\r\ncc");
  }
  void Load(const std::string& text) {
    store.Load(text, DocumentKind::kText);
    fs.WriteFile(kText, text);
  }
  bool Write(bool line = true, bool string = true) {
    return WriteAttributeFile(marks, store, kText, fs, host, line, string);
  }
  bool Read(AttributeMarks& out) { return ReadAttributeFile(kText, fs, host, store, out); }
  AttributeText View() const {
    return {store.Length(), [this](TextOffset p) {
              std::uint8_t b = 0;
              store.CopyOut(p, 1, &b);
              return b;
            }};
  }

  MemoryFileSystem fs;
  test::FakeHost host;
  TextStore store;
  DocMarks marks;
};

TEST_F(AttributeFile, RoundTripOfBothKinds) {
  marks.SetMarks({-2, 6}, {{0, 2, "aa"}, {5, 1, "b"}});
  ASSERT_TRUE(Write());
  const std::string* file = fs.Content(kAtr);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(*file, std::string(kAttributeHeader) + std::string("\x02\x00\xFE\xFF\xFF\xFF\x06\x00\x00\x00", 10) +
                       std::string("\x02\x00\x00\x00\x00\x00" "aa\0" "\x05\x00\x00\x00" "b\0", 15));
  AttributeMarks out;
  EXPECT_TRUE(Read(out));
  EXPECT_EQ(out.lines, (Lines{-2, 6}));
  EXPECT_EQ(out.strings, marks.StringMarks());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AttributeFile, OnlyTheSavedItemsAreWritten) {
  marks.SetMarks({2}, {{0, 1, "a"}});
  ASSERT_TRUE(Write(false, true));
  AttributeMarks out;
  EXPECT_TRUE(Read(out));
  EXPECT_TRUE(out.lines.empty());
  EXPECT_EQ(out.strings.size(), 1u);
  fs.RemoveFile(kAtr);
  ASSERT_TRUE(Write(false, false));  // neither: nothing is written
  EXPECT_FALSE(fs.Exists(kAtr));
}

TEST_F(AttributeFile, AnAtrTextFileHasNoAttributeFile) {
  const std::string text = "C:\\d\\memo.atr";
  marks.SetMarks({2}, {});
  EXPECT_FALSE(WriteAttributeFile(marks, store, text, fs, host, true, false));
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgAttributeSameExtension}));
  EXPECT_TRUE(WriteAttributeFile(marks, store, text, fs, host, false, false));
  EXPECT_EQ(host.messages.size(), 1u);
  AttributeMarks out;
  EXPECT_TRUE(ReadAttributeFile(text, fs, host, store, out));
}

TEST_F(AttributeFile, WithoutMarksOnlyOurOwnFileIsDeleted) {
  marks.SetMarks({2}, {});
  ASSERT_TRUE(Write());
  marks.Clear();
  ASSERT_TRUE(Write());
  EXPECT_FALSE(fs.Exists(kAtr));

  fs.WriteFile(kAtr, "someone else's");
  ASSERT_TRUE(Write());
  ASSERT_NE(fs.Content(kAtr), nullptr);
  EXPECT_EQ(*fs.Content(kAtr), "someone else's");
  EXPECT_TRUE(host.questions.empty());
}

TEST_F(AttributeFile, AForeignFileIsOverwrittenOnlyAfterOk) {
  fs.WriteFile(kAtr, std::string(kAttributeHeader).substr(0, 29));  // shorter than the header
  marks.SetMarks({2}, {});
  EXPECT_FALSE(Write());
  EXPECT_EQ(host.questions, (std::vector<MessageId>{kMsgAttributeForeignFile}));
  EXPECT_EQ(fs.Content(kAtr)->size(), 29u);
  host.answers.push_back(Answer::kOk);
  EXPECT_TRUE(Write());
  EXPECT_EQ(fs.Content(kAtr)->substr(0, kAttributeHeaderSize), kAttributeHeader);
  EXPECT_TRUE(Write());  // now ours: no second question
  EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(AttributeFile, AFailedWriteIsReported) {
  marks.SetMarks({2}, {});
  fs.FailWritesAfter(0);
  EXPECT_FALSE(Write());
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgAttributeWriteError}));
}

TEST_F(AttributeFile, ATextChangedOutsideNoLongerFits) {
  marks.SetMarks({-2, 2}, {});
  ASSERT_TRUE(Write());
  Load("aaa\r\nbb\r\ncc");  // the CR of the mark moved to 3
  AttributeMarks out;
  EXPECT_FALSE(Read(out));
  EXPECT_TRUE(out.lines.empty());
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgAttributeMismatch}));

  Load("");  // the first line's mark fits any text, even an empty one
  fs.WriteFile(kAtr, BuildAttributeFile({-2}, {}));
  EXPECT_TRUE(Read(out));
  EXPECT_EQ(out.lines, (Lines{-2}));
}

TEST_F(AttributeFile, MissingOrForeignFilesGiveNoMarks) {
  AttributeMarks out;
  EXPECT_TRUE(Read(out));
  fs.WriteFile(kAtr, "Kav Quelt Attribute File 200\r\n\x01\x00");
  EXPECT_TRUE(Read(out));
  fs.WriteFile(kAtr, "short");
  EXPECT_TRUE(Read(out));
  EXPECT_TRUE(out.lines.empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AttributeFile, ParserRejectsWhatTheTextCannotCarry) {
  AttributeMarks out;
  const auto parse = [&](const Lines& lines, const std::vector<StringMark>& strings) {
    return ParseAttributeFile(BuildAttributeFile(lines, strings), View(), out);
  };
  EXPECT_EQ(parse({2, 6}, {{8, 2, "cc"}}), AttributeParse::kMarks);
  EXPECT_EQ(parse({6, 2}, {}), AttributeParse::kMismatch);           // not ascending
  EXPECT_EQ(parse({2, 2}, {}), AttributeParse::kMismatch);           // twice
  EXPECT_EQ(parse({-3}, {}), AttributeParse::kMismatch);
  EXPECT_EQ(parse({10}, {}), AttributeParse::kMismatch);             // past the text
  EXPECT_EQ(parse({}, {{9, 2, "cc"}}), AttributeParse::kMismatch);   // over the text end
  EXPECT_EQ(parse({}, {{10, 1, "c"}}), AttributeParse::kMismatch);
  EXPECT_EQ(parse({}, {{5, 1, "b"}, {0, 1, "a"}}), AttributeParse::kMismatch);
  EXPECT_EQ(parse({}, {{0, 1, "a"}, {0, 2, "aa"}}), AttributeParse::kMarks);  // a shared offset
  EXPECT_EQ(parse({}, {{0, 0, ""}}), AttributeParse::kMismatch);     // an empty text
  EXPECT_TRUE(out.strings.empty());

  std::string many = std::string(kAttributeHeader) + "\x65";  // 101 line marks
  many += std::string(1 + 4 * 101, '\0');
  EXPECT_EQ(ParseAttributeFile(many, View(), out), AttributeParse::kMismatch);
  std::string longText = BuildAttributeFile({}, {});
  longText[kAttributeHeaderSize + 2] = 1;
  longText += std::string(4, '\0') + std::string(81, 'a') + '\0';  // 81 bytes
  EXPECT_EQ(ParseAttributeFile(longText, AttributeText{200, [](TextOffset) { return 'a'; }}, out),
            AttributeParse::kMismatch);
}

// 100 line marks and 100 string marks of 80 bytes: the largest file reads
// back, and every shorter piece of it is rejected or ignored.
TEST_F(AttributeFile, TheLargestFileAndEveryTruncationOfIt) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += std::string(80, static_cast<char>('A' + i % 26)) + "\r\n";
  Load(text);
  Lines lines;
  std::vector<StringMark> strings;
  for (int i = 0; i < 100; ++i) {
    lines.push_back(i * 82 + 80);
    strings.push_back({static_cast<TextOffset>(i * 82), 80, text.substr(i * 82, 80)});
  }
  marks.SetMarks(lines, strings);
  ASSERT_TRUE(Write());
  const std::string file = *fs.Content(kAtr);
  EXPECT_EQ(file.size(), kMaxAttributeFileSize);
  EXPECT_EQ(kMaxAttributeFileSize, 8934u);
  AttributeMarks out;
  ASSERT_TRUE(Read(out));
  EXPECT_EQ(out.lines, lines);
  EXPECT_EQ(out.strings, strings);

  for (std::size_t n = 0; n < file.size(); ++n) {
    const AttributeParse r = ParseAttributeFile(std::string_view(file).substr(0, n), View(), out);
    EXPECT_EQ(r, n < kAttributeHeaderSize ? AttributeParse::kIgnored : AttributeParse::kMismatch) << n;
    EXPECT_TRUE(out.lines.empty() && out.strings.empty());
  }
}

TEST_F(AttributeFile, AnUnreadableFileIsReported) {
  fs.CreateFolder(kAtr);  // a folder of that name exists but reads as no file
  AttributeMarks out;
  EXPECT_FALSE(Read(out));
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgAttributeReadError}));
}

}  // namespace
}  // namespace quelt
