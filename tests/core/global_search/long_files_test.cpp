// The search over files where blocks are cut: lines longer than a block and
// files too large to convert in one piece.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "global_search/file_blocks.h"
#include "global_search/global_search.h"
#include "global_search/result_line.h"
#include "global_search_test_util.h"
#include "text/char_code.h"

namespace quelt {
namespace {

using test::RecordingSink;
using test::Request;

class LongFileTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.CreateFolder("C:\\src"); }
  std::vector<std::string> Run(const GlobalSearchRequest& r) {
    sink.lines.clear();
    RunGlobalSearch(fs, r, {}, sink);
    return sink.lines;
  }
  MemoryFileSystem fs;
  RecordingSink sink;
};

// What a result line shows of a match that ends far into its line.
std::string ResultAt(const std::string& path, int line, const std::string& text, std::size_t at) {
  return path + "(" + std::to_string(line) + "): " + text.substr(at, kResultPathAndText - path.size()) + "\r\n";
}

TEST_F(LongFileTest, ACutInsideALineChangesNothingThatIsFound) {
  const std::string path = "C:\\src\\long.txt";
  // The first block ends after "first\r\n"; the second, all of the long
  // line, is cut inside it at `cut`.
  const std::string head = "first\r\n";
  const std::size_t cut = head.size() + kSearchBlockBytes;
  struct Case {
    const char* name;
    std::string text;
    bool regex = false;
    bool word = false;
    bool distinguishWidth = true;
    char filler = '.';
    bool found = true;
  };
  const Case cases[] = {
      {"plain", "needle"},
      {"case folded", "NEEDLE"},
      {"width folded", "\x82\x8E\x82\x85\x82\x85\x82\x84\x82\x8C\x82\x85", false, false, false},  // full-width
      {"regex", "ne+d[l]e", true},
      {"regex anchored at the line start", "^needle", true, false, true, '.', false},
      {"regex anchored at the line end", "needle$", true, false, true, '.', false},
      {"whole word", "needle", false, true},
      {"whole word inside a word", "needle", false, true, true, 'a', false},
  };
  for (const Case& c : cases) {
    // Matches starting at every offset up to the cut and just after it, and
    // around the start beyond which a match waits for the next block.
    std::vector<std::size_t> offsets;
    for (std::size_t at = cut - 90; at <= cut + 3; ++at) offsets.push_back(at);
    for (std::size_t at = cut - kResultPathAndText - 4; at <= cut - kResultPathAndText + 4; ++at) offsets.push_back(at);
    for (std::size_t at : offsets) {
      SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(at));
      std::string line(2 * kSearchBlockBytes, c.filler);
      line.replace(at - head.size(), 6, "needle");
      fs.WriteFile(path, head + line + "\r\nlast needle\r\n");
      GlobalSearchRequest r = Request(c.text, path);
      r.regex = c.regex;
      r.wholeWord = c.word;
      r.distinguishWidth = c.distinguishWidth;
      const std::vector<std::string> lines = Run(r);
      if (c.found) {
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], ResultAt(path, 2, head + line, at));
      } else {
        ASSERT_EQ(lines.size(), c.regex && c.text[0] == '^' ? 0u : 1u);
      }
      if (!lines.empty()) EXPECT_EQ(lines.back(), path + "(3): last needle\r\n");
    }
  }
}

TEST_F(LongFileTest, ARepeatedPatternGetsTheWholeLongLine) {
  const std::string path = "C:\\src\\long.txt";
  // A match that runs over three blocks, with its line's start.
  const std::string line = "a" + std::string(3 * kSearchBlockBytes, '.') + "z";
  fs.WriteFile(path, line + "\r\nb\r\n" + line);
  GlobalSearchRequest r = Request("^a.*z$", path);
  r.regex = true;
  const std::string shown = line.substr(0, kResultPathAndText - path.size());
  EXPECT_EQ(Run(r), (std::vector<std::string>{path + "(1): " + shown + "\r\n", path + "(3): " + shown + "\r\n"}));
  // A match near the start of a long line is shown from the line's start.
  const std::string text = std::string(100, 'x') + "needle" + std::string(2 * kSearchBlockBytes, 'y');
  fs.WriteFile(path, text + "\r\n");
  for (const bool regex : {false, true}) {
    r = Request(regex ? "ne+dle" : "needle", path);
    r.regex = regex;
    EXPECT_EQ(Run(r), (std::vector<std::string>{path + "(1): " + text.substr(0, kResultPathAndText - path.size()) +
                                                "\r\n"}));
  }
}

TEST_F(LongFileTest, CutsNeverSplitACharacterOrALineEnd) {
  std::string block(kSearchBlockBytes, 'a');
  block.back() = '\r';  // its LF may begin the next block
  EXPECT_EQ(BlockCut(block), kSearchBlockBytes - 1);
  block.back() = '\x81';
  block[kSearchBlockBytes - 2] = '\x81';
  block[kSearchBlockBytes - 3] = '\x81';  // a run of three: the last one begins a character
  EXPECT_EQ(BlockCut(block), kSearchBlockBytes - 1);
  block[10] = '\r';
  block[11] = '\n';
  EXPECT_EQ(BlockCut(block), 12u);
  EXPECT_EQ(BlockCut(block, 100), kSearchBlockBytes - 1);  // a line end in the carried part does not count
}

// A converted piece by piece at every cut, and in pieces of one byte, equals
// the whole conversion.
TEST(InternalStream, EveryCutGivesTheWholeConversion) {
  const std::string sjis = "\x93\xfa\x96\x7b ab\xb6\xc5\r\n\x8c\xea\r\n";  // 日本 ab ｶﾅ / 語
  struct Form {
    CharCodeId code;
    LineEndId lineEnd;
  };
  for (const Form f : {Form{CharCodeId::kJis, LineEndId::kCrLf}, Form{CharCodeId::kJis, LineEndId::kLf},
                       Form{CharCodeId::kEuc, LineEndId::kCrLf}, Form{CharCodeId::kEuc, LineEndId::kCr},
                       Form{CharCodeId::kShiftJis, LineEndId::kLf}, Form{CharCodeId::kShiftJis, LineEndId::kCr}}) {
    const ConvertResult file =
        FromInternal(reinterpret_cast<const std::uint8_t*>(sjis.data()), sjis.size(), f.code, f.lineEnd);
    const auto* raw = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    const int selector = SelectorOfLineEnd(f.lineEnd);
    const std::string whole = ToInternal(raw, file.bytes.size(), f.code, selector).bytes;
    ASSERT_EQ(whole, sjis);
    for (std::size_t at = 0; at <= file.bytes.size(); ++at) {
      SCOPED_TRACE(std::to_string(static_cast<int>(f.code)) + " cut at " + std::to_string(at));
      InternalStream stream(f.code, selector);
      std::string out;
      const std::size_t used = stream.Convert(raw, at, false, out);
      ASSERT_LE(used, at);
      std::string rest = file.bytes.substr(used);
      stream.Convert(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size(), true, out);
      EXPECT_EQ(out, whole);
    }
    InternalStream stream(f.code, selector);
    std::string out, pending;
    for (std::size_t i = 0; i < file.bytes.size(); ++i) {
      pending += file.bytes[i];
      pending.erase(0, stream.Convert(reinterpret_cast<const std::uint8_t*>(pending.data()), pending.size(),
                                      false, out));
    }
    stream.Convert(reinterpret_cast<const std::uint8_t*>(pending.data()), pending.size(), true, out);
    EXPECT_EQ(out, whole);
  }
}

TEST_F(LongFileTest, FilesOverTwoMegabytesAreConvertedAsTheyAreRead) {
  // About 2.4 MB of lines; the search text on a few of them.
  const std::string needle = "\x8c\x9f\x8d\xf5";  // 検索
  std::vector<std::string> lines;
  for (int i = 1; i <= 40000; ++i) {
    std::string l = "\x93\xfa\x96\x7b" + std::to_string(i) + " \xb6\xc5 text \x8a\xbf\x8e\x9a";  // 日本 ｶﾅ 漢字
    if (i == 1 || i % 9973 == 0 || i == 40000) l += needle;
    lines.push_back(l + std::string(30, 'w'));
  }
  struct Form {
    const char* name;
    CharCodeId code;
    LineEndId lineEnd;
    int decision;
  };
  for (const Form f : {Form{"e.txt", CharCodeId::kEuc, LineEndId::kLf, 0},
                       Form{"j.txt", CharCodeId::kJis, LineEndId::kCrLf, 0},
                       Form{"j2.txt", CharCodeId::kJis, LineEndId::kCr, 2},
                       Form{"e3.txt", CharCodeId::kEuc, LineEndId::kCrLf, 3},
                       Form{"lf.txt", CharCodeId::kShiftJis, LineEndId::kLf, 0},
                       Form{"cr.txt", CharCodeId::kShiftJis, LineEndId::kCr, 0}}) {
    SCOPED_TRACE(f.name);
    std::string file;
    for (const std::string& l : lines) {
      const std::string internal = l + "\r\n";
      file += FromInternal(reinterpret_cast<const std::uint8_t*>(internal.data()), internal.size(), f.code,
                           f.lineEnd)
                  .bytes;
    }
    ASSERT_GT(file.size(), kMaxConvertBytes);
    const std::string path = std::string("C:\\src\\") + f.name;
    fs.WriteFile(path, file);
    GlobalSearchRequest r = Request(needle, path);
    r.codeDecision = f.decision;
    std::vector<std::string> expected;
    for (int i : {1, 9973, 19946, 29919, 39892, 40000}) {
      expected.push_back(path + "(" + std::to_string(i) + "): " + lines[i - 1] + "\r\n");
    }
    EXPECT_EQ(Run(r), expected);
    fs.RemoveFile(path);
  }
}

}  // namespace
}  // namespace quelt

namespace quelt {
namespace {

// A long scan inside one file asks the sink as it goes: a "中断" during it
// stops the search there, with nothing found and the search marked aborted.
TEST_F(LongFileTest, ALongScanInsideAFileCanBeStopped) {
  fs.WriteFile("C:\\src\\long.txt", std::string(1500000, 'a') + "b\r\n");
  fs.WriteFile("C:\\src\\other.txt", "b\r\n");
  GlobalSearchRequest r = Request(".*b", "C:\\src\\*.txt");
  r.regex = true;
  sink.stopAfter = 3;
  const GlobalSearchOutcome o = RunGlobalSearch(fs, r, {}, sink);
  EXPECT_TRUE(o.aborted);
  EXPECT_EQ(o.found, 0u);
  EXPECT_TRUE(sink.lines.empty());
  ASSERT_EQ(sink.names.size(), 3u);
  EXPECT_EQ(sink.names[0], "long.txt");
}

}  // namespace
}  // namespace quelt
