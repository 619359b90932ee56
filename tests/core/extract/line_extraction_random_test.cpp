// The extraction against a plain reference of its rules: random texts of a
// few words a line, random entries, positions, counts, processes and steps.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "extract/line_extraction.h"

namespace quelt {
namespace {

struct Collect : ExtractSink {
  std::string text;
  bool OnLine(std::string_view line) override {
    text += line;
    return true;
  }
};

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

struct Reference {
  std::vector<std::string> lines;  // without CR LF
  bool finalCrLf = true;
  const ExtractSettings& s;

  bool Contains(std::size_t line, const ExtractEntry& e) const {
    return s.caseSensitive ? lines[line].find(e.text) != std::string::npos
                           : Lower(lines[line]).find(Lower(e.text)) != std::string::npos;
  }
  const ExtractEntry* First(std::size_t line, const std::vector<ExtractEntry>& list) const {
    for (const ExtractEntry& e : list) {
      if (Contains(line, e)) return &e;
    }
    return nullptr;
  }

  // in: the walked lines; taken: per walked line, 0 out, 1 in, 2 a block's first line.
  std::vector<int> Step1(const std::vector<std::size_t>& in) const {
    std::vector<int> taken(in.size(), 0);
    long lastBlockEnd = 0;
    long i = 0;
    const long n = static_cast<long>(in.size());
    while (i < n) {
      const ExtractEntry* e = First(in[i], s.step1Entries);
      if (!e) {
        ++i;
        continue;
      }
      bool first = true;
      for (long k = i + e->position; k < i + e->position + e->lineCount; ++k) {
        if (k < lastBlockEnd || k < 0 || k >= n) continue;
        taken[k] = first ? 2 : 1;
        first = false;
        lastBlockEnd = k + 1;
      }
      i = i + e->position + e->lineCount > i + 1 ? i + e->position + e->lineCount : i + 1;
    }
    return taken;
  }

  std::vector<int> Step2(const std::vector<std::size_t>& in) const {
    const long n = static_cast<long>(in.size());
    std::vector<int> taken(in.size(), 0);
    long lastTaken = -1;
    long j = 0;
    while (j < n) {
      const ExtractEntry* st = First(in[j], s.startEntries);
      if (!st) {
        ++j;
        continue;
      }
      std::vector<long> block;
      if (st->position <= 0) {
        long b = j;
        for (int c = 0; c < -st->position && b - 1 > lastTaken; ++c) --b;
        for (long k = b; k <= j; ++k) block.push_back(k);
        ++j;
      } else {
        if (j + st->position >= n) break;
        j += st->position;
      }
      const ExtractEntry* en = nullptr;
      while (j < n && !en) {
        block.push_back(j);
        en = First(in[j], s.endEntries);
        ++j;
      }
      if (en && en->position < 0) {
        for (int c = 0; c < -en->position && !block.empty(); ++c) block.pop_back();
      } else if (en) {
        for (int c = 0; c < en->position && j < n; ++c) block.push_back(j++);
      }
      for (long k : block) taken[k] = 1;
      if (!block.empty()) {
        taken[block.front()] = 2;
        lastTaken = block.back();
      }
    }
    return taken;
  }

  static ExtractStepCounts Counts(const std::vector<int>& taken, bool extract) {
    ExtractStepCounts c;
    c.ran = true;
    c.sourceLines = static_cast<std::uint32_t>(taken.size());
    std::uint32_t in = 0, blocks = 0, runs = 0;
    for (std::size_t k = 0; k < taken.size(); ++k) {
      in += taken[k] != 0;
      blocks += taken[k] == 2;
      runs += taken[k] == 0 && (k == 0 || taken[k - 1] != 0);
    }
    c.extractedLines = extract ? in : c.sourceLines - in;
    c.deletedLines = c.sourceLines - c.extractedLines;
    c.extractedBlocks = extract ? blocks : runs;
    c.deletedBlocks = extract ? runs : blocks;
    return c;
  }

  std::string Run(ExtractStepCounts& c1, ExtractStepCounts& c2) const {
    std::vector<std::size_t> in(lines.size());
    for (std::size_t k = 0; k < in.size(); ++k) in[k] = k;
    std::vector<int> starts(in.size(), 0);
    bool lastExtracts = false;
    const bool both = s.step == kExtractBothSteps;
    auto keep = [&](const std::vector<int>& taken, bool extract) {
      std::vector<std::size_t> out;
      std::vector<int> first;
      for (std::size_t k = 0; k < in.size(); ++k) {
        if ((taken[k] != 0) == extract) {
          out.push_back(in[k]);
          first.push_back(taken[k] == 2);
        }
      }
      in = out;
      starts = first;
      lastExtracts = extract;
    };
    if (s.step == kExtractStep1 || (both && !s.step1Entries.empty())) {
      const auto taken = Step1(in);
      c1 = Counts(taken, s.step1Process == kProcessExtract);
      keep(taken, s.step1Process == kProcessExtract);
    }
    if (s.step == kExtractStep2 || (both && !s.startEntries.empty())) {
      const auto taken = Step2(in);
      c2 = Counts(taken, s.step2Process == kProcessExtract);
      keep(taken, s.step2Process == kProcessExtract);
    }
    int blocks = 0;
    for (int f : starts) blocks += f;
    std::string out;
    int number = 0;
    for (std::size_t k = 0; k < in.size(); ++k) {
      if (s.addSeparator && lastExtracts && starts[k]) {
        out += s.separator + "   " + std::to_string(++number) + "/" + std::to_string(blocks) + "\r\n";
      }
      out += lines[in[k]];
      if (in[k] + 1 < lines.size() || finalCrLf) out += "\r\n";
    }
    return out;
  }
};

TEST(LineExtractionRandom, MatchesTheReference) {
  std::mt19937 rng(20240611);
  const std::vector<std::string> words = {"ab", "Ab", "cd", "x", "ERR", "err", "BEG", "END", "end", "y", "a"};
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto position = [&] {
    const int r = pick(20);
    return r == 0 ? -10000 : r == 1 ? 10000 : pick(11) - 5;
  };
  auto entries = [&](bool withCount) {
    std::vector<ExtractEntry> list(static_cast<std::size_t>(pick(4)));
    for (ExtractEntry& e : list) {
      e.text = words[static_cast<std::size_t>(pick(static_cast<int>(words.size())))];
      if (pick(4) == 0) e.text += " " + words[static_cast<std::size_t>(pick(static_cast<int>(words.size())))];
      e.position = position();
      e.lineCount = withCount ? (pick(10) == 0 ? 10000 : 1 + pick(6)) : 1;
    }
    return list;
  };
  for (int round = 0; round < 3000; ++round) {
    ExtractSettings s;
    s.step = pick(3);
    s.step1Process = pick(2);
    s.step2Process = pick(2);
    s.caseSensitive = pick(2) == 1;
    // Width folding changes nothing in ASCII text but takes the pattern search.
    s.distinguishWidth = pick(4) != 0;
    s.addSeparator = pick(2) == 1;
    s.separator = pick(2) ? "--" : "";
    s.step1Entries = entries(true);
    s.startEntries = entries(false);
    s.endEntries = entries(false);
    Reference ref{{}, pick(3) != 0, s};
    ref.lines.resize(static_cast<std::size_t>(pick(30)));
    for (std::string& line : ref.lines) {
      for (int w = pick(4); w > 0; --w) {
        if (!line.empty()) line += ' ';
        line += words[static_cast<std::size_t>(pick(static_cast<int>(words.size())))];
      }
    }
    // An empty last line without CR LF is no line at all.
    if (!ref.lines.empty() && ref.lines.back().empty() && !ref.finalCrLf) ref.lines.back() = "z";
    std::string text;
    for (std::size_t k = 0; k < ref.lines.size(); ++k) {
      text += ref.lines[k];
      if (k + 1 < ref.lines.size() || ref.finalCrLf) text += "\r\n";
    }

    Collect sink;
    const ExtractOutcome got = RunLineExtraction(text, s, LeadByteTest(), sink);
    if (!HasExtractEntries(s)) {
      ASSERT_EQ(got.result, ExtractResult::kMissingEntries) << round;
      continue;
    }
    if (ref.lines.empty()) {
      ASSERT_EQ(got.result, ExtractResult::kNoLines) << round;
      continue;
    }
    ExtractStepCounts c1, c2;
    const std::string want = ref.Run(c1, c2);
    ASSERT_EQ(got.result, ExtractResult::kDone) << round;
    ASSERT_EQ(sink.text, want) << "round " << round << " text:\n" << text;
    ASSERT_EQ(got.step1, c1) << round;
    ASSERT_EQ(got.step2, c2) << round;
  }
}

}  // namespace
}  // namespace quelt
