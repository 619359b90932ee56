#include "extract/line_extraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelt {
namespace {

// Collects the lines; stops after `limit` lines when limit is set.
struct Collect : ExtractSink {
  std::vector<std::string> lines;
  std::size_t limit = SIZE_MAX;
  bool OnLine(std::string_view line) override {
    if (lines.size() >= limit) return false;
    lines.emplace_back(line);
    return true;
  }
  std::string Text() const {
    std::string all;
    for (const auto& l : lines) all += l;
    return all;
  }
};

// Lines joined with CR LF, each ended by one.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view l : lines) {
    text += l;
    text += "\r\n";
  }
  return text;
}

ExtractSettings Step1(std::vector<ExtractEntry> entries, std::int32_t process = kProcessExtract) {
  ExtractSettings s;
  s.step = kExtractStep1;
  s.step1Process = process;
  s.step1Entries = std::move(entries);
  return s;
}

ExtractSettings Step2(std::vector<ExtractEntry> starts, std::vector<ExtractEntry> ends,
                      std::int32_t process = kProcessExtract) {
  ExtractSettings s;
  s.step = kExtractStep2;
  s.step2Process = process;
  s.startEntries = std::move(starts);
  s.endEntries = std::move(ends);
  return s;
}

struct Outcome {
  ExtractOutcome outcome;
  std::string text;
};

Outcome Extract(std::string_view text, const ExtractSettings& s) {
  Collect sink;
  Outcome r;
  r.outcome = RunLineExtraction(text, s, LeadByteTest(), sink);
  r.text = sink.Text();
  return r;
}

// Lines "0" .. "n-1", with "HIT" added to the listed ones.
std::string Numbered(int n, std::initializer_list<int> hits) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    text += std::to_string(i);
    for (int h : hits) {
      if (h == i) text += " HIT";
    }
    text += "\r\n";
  }
  return text;
}

TEST(LineExtractionStep1, ErrorLinesExtractedOrDeleted) {
  const std::string text = Lines({"ok 1", "an ERROR here", "ok 2", "ERROR", "ok 3"});
  Outcome r = Extract(text, Step1({{"ERROR", 0, 1}}));
  EXPECT_EQ(r.outcome.result, ExtractResult::kDone);
  EXPECT_EQ(r.text, Lines({"an ERROR here", "ERROR"}));
  EXPECT_EQ(r.outcome.step1, (ExtractStepCounts{true, 5, 3, 2, 3, 2}));
  EXPECT_FALSE(r.outcome.step2.ran);

  r = Extract(text, Step1({{"ERROR", 0, 1}}, kProcessDelete));
  EXPECT_EQ(r.text, Lines({"ok 1", "ok 2", "ok 3"}));
  // Deleted: the two blocks; kept: the three runs between them.
  EXPECT_EQ(r.outcome.step1, (ExtractStepCounts{true, 5, 2, 3, 2, 3}));
}

TEST(LineExtractionStep1, NegativePositionTakesLinesBeforeTheMatch) {
  // Two before, the match, two after.
  Outcome r = Extract(Numbered(10, {5}), Step1({{"HIT", -2, 5}}));
  EXPECT_EQ(r.text, Lines({"3", "4", "5 HIT", "6", "7"}));
  // Near the start fewer lines are free; the block still ends two after.
  r = Extract(Numbered(10, {1}), Step1({{"HIT", -2, 5}}));
  EXPECT_EQ(r.text, Lines({"0", "1 HIT", "2", "3"}));
  // A block never reaches back into the one before: 5 opens 3..7, the walk
  // goes on at 8, whose block may only start at 8.
  r = Extract(Numbered(12, {5, 8}), Step1({{"HIT", -2, 5}}));
  EXPECT_EQ(r.text, Lines({"3", "4", "5 HIT", "6", "7", "8 HIT", "9", "10"}));
  EXPECT_EQ(r.outcome.step1.extractedBlocks, 2u);
  // Lines inside a block are not looked at: 6 is inside 5's block.
  r = Extract(Numbered(12, {5, 6}), Step1({{"HIT", -2, 5}}));
  EXPECT_EQ(r.text, Lines({"3", "4", "5 HIT", "6 HIT", "7"}));
}

TEST(LineExtractionStep1, CountBelowReachLeavesTheMatchOutside) {
  // Three lines back, two of them taken: the matching line stays outside.
  Outcome r = Extract(Numbered(8, {4}), Step1({{"HIT", -3, 2}}));
  EXPECT_EQ(r.text, Lines({"1", "2"}));
  // With no free line before it, such a match takes nothing.
  r = Extract(Numbered(8, {0}), Step1({{"HIT", -3, 2}}));
  EXPECT_EQ(r.text, "");
  EXPECT_EQ(r.outcome.result, ExtractResult::kDone);
  EXPECT_EQ(r.outcome.step1.extractedBlocks, 0u);
  // A matching line left outside can be reached back to by the next match.
  r = Extract(Numbered(8, {2, 3}), Step1({{"HIT", -1, 1}}));
  EXPECT_EQ(r.text, Lines({"1", "2 HIT"}));
}

TEST(LineExtractionStep1, PositivePositionSkipsLinesAndStopsAtTheEnd) {
  // 2 HIT: lines 2 and 3 stay outside (3 is not looked at), the block is 4, 5.
  Outcome r = Extract(Numbered(10, {2, 3, 7}), Step1({{"HIT", 2, 2}}));
  EXPECT_EQ(r.text, Lines({"4", "5", "9"}));
  // Past the end: no block.
  r = Extract(Numbered(4, {3}), Step1({{"HIT", 1, 3}}));
  EXPECT_EQ(r.text, "");
  EXPECT_EQ(r.outcome.step1.extractedBlocks, 0u);
}

TEST(LineExtractionStep1, FirstMatchingEntryWins) {
  const std::string text = Lines({"a", "b", "WARN ERROR", "c", "d"});
  Outcome r = Extract(text, Step1({{"WARN", -1, 2}, {"ERROR", 0, 3}}));
  EXPECT_EQ(r.text, Lines({"b", "WARN ERROR"}));
  r = Extract(text, Step1({{"ERROR", 0, 3}, {"WARN", -1, 2}}));
  EXPECT_EQ(r.text, Lines({"WARN ERROR", "c", "d"}));
}

TEST(LineExtractionStep2, BeginEndBlocksWithSeparators) {
  const std::string text = Lines({"x", "BEGIN 1", "a", "END", "y", "BEGIN 2", "END", "BEGIN 3", "b", "c", "END", "z"});
  ExtractSettings s = Step2({{"BEGIN", 0, 1}}, {{"END", 0, 1}});
  s.addSeparator = true;
  s.separator = "----";
  Outcome r = Extract(text, s);
  EXPECT_EQ(r.text, Lines({"----   1/3", "BEGIN 1", "a", "END", "----   2/3", "BEGIN 2", "END", "----   3/3", "BEGIN 3",
                           "b", "c", "END"}));
  EXPECT_EQ(r.outcome.step2, (ExtractStepCounts{true, 12, 3, 9, 3, 3}));
  EXPECT_EQ(r.outcome.lines, 9u);
  // Deleting: no separators, the lines outside the blocks.
  s.step2Process = kProcessDelete;
  r = Extract(text, s);
  EXPECT_EQ(r.text, Lines({"x", "y", "z"}));
}

TEST(LineExtractionStep2, StartInsideAnOpenBlockChangesNothing) {
  Outcome r = Extract(Lines({"BEGIN", "a", "BEGIN", "b", "END", "c"}), Step2({{"BEGIN", 0, 1}}, {{"END", 0, 1}}));
  EXPECT_EQ(r.text, Lines({"BEGIN", "a", "BEGIN", "b", "END"}));
  EXPECT_EQ(r.outcome.step2.extractedBlocks, 1u);
}

TEST(LineExtractionStep2, StartLineIsNotItsOwnEnd) {
  // The same string opens and closes: a block runs from one to the next.
  Outcome r = Extract(Lines({"a", "--", "b", "--", "c", "--", "d"}), Step2({{"--", 0, 1}}, {{"--", 0, 1}}));
  EXPECT_EQ(r.text, Lines({"--", "b", "--", "--", "d"}));
}

TEST(LineExtractionStep2, EndPositionsDropOrTakeLines) {
  const std::string text = Lines({"BEGIN", "a", "b", "END", "c", "d"});
  Outcome r = Extract(text, Step2({{"BEGIN", 0, 1}}, {{"END", -2, 1}}));
  EXPECT_EQ(r.text, Lines({"BEGIN", "a"}));
  r = Extract(text, Step2({{"BEGIN", 0, 1}}, {{"END", 1, 1}}));
  EXPECT_EQ(r.text, Lines({"BEGIN", "a", "b", "END", "c"}));
  r = Extract(text, Step2({{"BEGIN", 0, 1}}, {{"END", 50, 1}}));
  EXPECT_EQ(r.text, text);
  // Never more than the block took: the whole block goes, nothing before it.
  r = Extract(Lines({"x", "BEGIN", "END", "y"}), Step2({{"BEGIN", 0, 1}}, {{"END", -5, 1}}));
  EXPECT_EQ(r.text, "");
  EXPECT_EQ(r.outcome.step2.extractedBlocks, 0u);
  r = Extract(Lines({"x", "BEGIN", "END", "y"}), Step2({{"BEGIN", 0, 1}}, {{"END", -5, 1}}, kProcessDelete));
  EXPECT_EQ(r.text, Lines({"x", "BEGIN", "END", "y"}));
}

TEST(LineExtractionStep2, StartPositions) {
  // Back over lines not yet taken only.
  Outcome r = Extract(Lines({"p", "BEGIN", "END", "q", "BEGIN", "END"}), Step2({{"BEGIN", -3, 1}}, {{"END", 0, 1}}));
  EXPECT_EQ(r.text, Lines({"p", "BEGIN", "END", "q", "BEGIN", "END"}));
  EXPECT_EQ(r.outcome.step2.extractedBlocks, 2u);
  // Forward: the block starts at the line reached, which may end it.
  r = Extract(Lines({"BEGIN", "a", "END", "b", "END"}), Step2({{"BEGIN", 2, 1}}, {{"END", 0, 1}}));
  EXPECT_EQ(r.text, Lines({"END"}));
  // Past the end: no block.
  r = Extract(Lines({"a", "BEGIN", "b"}), Step2({{"BEGIN", 2, 1}}, {{"END", 0, 1}}));
  EXPECT_EQ(r.text, "");
  EXPECT_EQ(r.outcome.step2.extractedBlocks, 0u);
  // Without an end line a block runs to the end.
  r = Extract(Lines({"a", "BEGIN", "b"}), Step2({{"BEGIN", 0, 1}}, {}));
  EXPECT_EQ(r.text, Lines({"BEGIN", "b"}));
}

TEST(LineExtractionSteps, BothStepsAndSeparatorsOfTheLastStep) {
  const std::string text = Lines({"BEGIN", "a ERROR", "b", "END", "c ERROR", "BEGIN", "d", "END"});
  ExtractSettings s;
  s.step = kExtractBothSteps;
  s.step1Entries = {{"ERROR", 0, 1}};
  s.step1Process = kProcessDelete;
  s.startEntries = {{"BEGIN", 0, 1}};
  s.endEntries = {{"END", 0, 1}};
  s.addSeparator = true;
  s.separator = "#";
  Outcome r = Extract(text, s);
  EXPECT_EQ(r.text, Lines({"#   1/2", "BEGIN", "b", "END", "#   2/2", "BEGIN", "d", "END"}));
  EXPECT_EQ(r.outcome.step1, (ExtractStepCounts{true, 8, 2, 6, 2, 3}));
  EXPECT_EQ(r.outcome.step2, (ExtractStepCounts{true, 6, 0, 6, 0, 2}));
  // A last step that deletes writes no separators.
  s.step2Process = kProcessDelete;
  s.step1Process = kProcessExtract;
  EXPECT_EQ(Extract(text, s).text, Lines({"a ERROR", "c ERROR"}));
  // With both chosen, a step with an empty list passes every line.
  s.startEntries.clear();
  r = Extract(text, s);
  EXPECT_EQ(r.text, Lines({"#   1/2", "a ERROR", "#   2/2", "c ERROR"}));
  EXPECT_FALSE(r.outcome.step2.ran);
}

TEST(LineExtractionFailures, MissingEntriesEmptyTextAndStop) {
  Collect sink;
  ExtractSettings s = Step2({}, {{"END", 0, 1}});
  EXPECT_EQ(RunLineExtraction("END\r\n", s, LeadByteTest(), sink).result, ExtractResult::kMissingEntries);
  s = Step1({});
  s.startEntries = {{"BEGIN", 0, 1}};
  EXPECT_EQ(RunLineExtraction("BEGIN\r\n", s, LeadByteTest(), sink).result, ExtractResult::kMissingEntries);
  s.step = kExtractBothSteps;
  s.startEntries.clear();
  EXPECT_EQ(RunLineExtraction("BEGIN\r\n", s, LeadByteTest(), sink).result, ExtractResult::kMissingEntries);
  EXPECT_TRUE(sink.lines.empty());
  EXPECT_EQ(RunLineExtraction("", Step1({{"a", 0, 1}}), LeadByteTest(), sink).result, ExtractResult::kNoLines);

  // Stopped after three lines: those stay, the rest never comes.
  Collect stopping;
  stopping.limit = 3;
  const ExtractOutcome o = RunLineExtraction(Numbered(10, {}), Step1({{"1", 0, 1}}, kProcessDelete),
                                             LeadByteTest(), stopping);
  EXPECT_EQ(o.result, ExtractResult::kStopped);
  EXPECT_EQ(stopping.Text(), Lines({"0", "2", "3"}));

  // The search itself can be stopped.
  struct Refuse : Collect {
    bool KeepGoing() override { return false; }
  } refuse;
  std::string big;
  for (int i = 0; i < 3000; ++i) big += "some line of text\r\n";
  EXPECT_EQ(RunLineExtraction(big, Step1({{"nowhere", 0, 1}}), LeadByteTest(), refuse).result, ExtractResult::kStopped);
}

TEST(LineExtractionLines, LineEndsAndTheLastLine) {
  // A last line without CR LF comes as it is.
  Outcome r = Extract("a HIT\r\nb\r\nc HIT", Step1({{"HIT", 0, 1}}));
  EXPECT_EQ(r.text, "a HIT\r\nc HIT");
  EXPECT_EQ(r.outcome.step1.sourceLines, 3u);
  // A final CR LF opens no empty line; a lone CR or LF ends no line.
  r = Extract("a\rHIT\nb\r\n\r\nc\r\n", Step1({{"HIT", 0, 1}}, kProcessDelete));
  EXPECT_EQ(r.text, "\r\nc\r\n");
  EXPECT_EQ(r.outcome.step1.sourceLines, 3u);
  // A string never matches across a line end.
  r = Extract("ab\r\ncd\r\n", Step1({{"b\r\nc", 0, 1}, {"ab\r", 0, 1}}));
  EXPECT_EQ(r.text, "");
}

TEST(LineExtractionMatching, TheThreeOptions) {
  const std::string text = Lines({"error one", "ERROR two", "\x82\x64\x82\x71\x82\x71\x82\x6e\x82\x71 three", "none"});
  ExtractSettings s = Step1({{"ERROR", 0, 1}});
  EXPECT_EQ(Extract(text, s).outcome.step1.extractedLines, 2u);
  s.caseSensitive = true;
  EXPECT_EQ(Extract(text, s).text, Lines({"ERROR two"}));
  // Full-width ＥＲＲＯＲ folds to ERROR.
  s.distinguishWidth = false;
  EXPECT_EQ(Extract(text, s).outcome.step1.extractedLines, 2u);
  s = Step1({{"^E.*o$", 0, 1}});
  s.regularExpression = true;
  EXPECT_EQ(Extract(text, s).text, Lines({"ERROR two"}));
  // A malformed pattern matches nothing.
  s.step1Entries = {{"[ab", 0, 1}, {"two", 0, 1}};
  EXPECT_EQ(Extract(text, s).text, Lines({"ERROR two"}));
}

TEST(LineExtractionLines, DoubleByteCharactersAreNotSplit) {
  // 0x82 0x60 is "Ａ"; its second byte is "`", which a search for "`" must
  // not find inside it.
  Outcome r = Extract("\x82\x60\r\nx`\r\n", Step1({{"`", 0, 1}}));
  EXPECT_EQ(r.text, "x`\r\n");
}

}  // namespace
}  // namespace quelt
