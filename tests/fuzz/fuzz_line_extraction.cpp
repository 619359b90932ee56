// Line extraction takes its settings from operation files (the recorded
// record) and runs over any text. The input is a 16-bit length, that many
// bytes of a settings record and the text. A record the decoder refuses is
// replaced by settings made from its bytes, so the run is reached either way.
// What comes out must be whole source lines in their order, with separator
// lines only where separators are on, and counts that add up; a sink that
// stops after k lines must get exactly k.
#include <string>
#include <vector>

#include "extract/extract_settings.h"
#include "extract/line_extraction.h"
#include "fuzz_check.h"

namespace quelt {
namespace {

// Settings drawn from raw bytes: the flags from the first byte, entries of a
// few bytes each from the rest.
ExtractSettings FromBytes(std::string_view b) {
  ExtractSettings s;
  if (b.empty()) return s;
  const auto flags = static_cast<std::uint8_t>(b[0]);
  b.remove_prefix(1);
  s.step = flags % 3;
  s.step1Process = (flags >> 2) & 1;
  s.step2Process = (flags >> 3) & 1;
  s.caseSensitive = flags & 16;
  s.regularExpression = flags & 32;
  s.distinguishWidth = !(flags & 64);
  s.addSeparator = flags & 128;
  std::vector<ExtractEntry>* lists[] = {&s.step1Entries, &s.startEntries, &s.endEntries};
  for (int n = 0; b.size() >= 3 && n < 15; ++n) {
    ExtractEntry e;
    e.position = static_cast<std::int8_t>(b[0]) % 12;
    e.lineCount = 1 + static_cast<std::uint8_t>(b[1]) % 8;
    const std::size_t length = 1 + static_cast<std::uint8_t>(b[2]) % 4;
    b.remove_prefix(3);
    e.text.assign(b.substr(0, length));
    b.remove_prefix(e.text.size());
    auto& list = *lists[n % 3];
    if (IsValidExtractEntry(e) && list.size() < kMaxExtractEntries) list.push_back(e);
  }
  return s;
}

// Checks each line as it comes: a view into the text must be a whole line
// after the one before; anything else is a separator line.
struct CheckingSink : ExtractSink {
  std::string_view text;
  bool separators = false;
  std::size_t limit = SIZE_MAX;
  std::size_t given = 0;
  std::size_t sourceLines = 0;
  std::size_t next = 0;  // the offset a following source line may start at
  bool OnLine(std::string_view line) override {
    if (given == limit) return false;
    ++given;
    const char* const base = text.data();
    if (line.data() >= base && line.data() < base + text.size()) {
      const auto at = static_cast<std::size_t>(line.data() - base);
      FUZZ_CHECK(at >= next && !line.empty());
      FUZZ_CHECK(at == 0 || (at >= 2 && text[at - 2] == '\r' && text[at - 1] == '\n'));
      const std::size_t end = at + line.size();
      FUZZ_CHECK(end == text.size() || (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n"));
      next = end;
      ++sourceLines;
    } else {
      FUZZ_CHECK(separators && line.size() >= 7 && line.substr(line.size() - 2) == "\r\n");
    }
    return true;
  }
};

void CheckCounts(const ExtractStepCounts& c) {
  if (!c.ran) return;
  FUZZ_CHECK(c.extractedLines + c.deletedLines == c.sourceLines);
  FUZZ_CHECK(c.extractedBlocks <= c.extractedLines && c.deletedBlocks <= c.deletedLines);
}

void Run(std::string_view text, const ExtractSettings& s) {
  CheckingSink sink;
  sink.text = text;
  sink.separators = s.addSeparator;
  const ExtractOutcome o = RunLineExtraction(text, s, LeadByteTest(), sink);
  FUZZ_CHECK(o.result != ExtractResult::kOutOfMemory && o.result != ExtractResult::kStopped);
  if (o.result != ExtractResult::kDone) {
    FUZZ_CHECK(sink.given == 0);
    FUZZ_CHECK(o.result != ExtractResult::kMissingEntries || !HasExtractEntries(s));
    return;
  }
  FUZZ_CHECK(sink.sourceLines == o.lines);
  CheckCounts(o.step1);
  CheckCounts(o.step2);
  FUZZ_CHECK(o.step1.ran || o.step2.ran);
  if (o.step1.ran && o.step2.ran) {
    FUZZ_CHECK(o.step2.sourceLines == o.step1.extractedLines);
  }
  const ExtractStepCounts& last = o.step2.ran ? o.step2 : o.step1;
  const bool lastExtracts = (o.step2.ran ? s.step2Process : s.step1Process) == kProcessExtract;
  // The lines a step keeps count as extracted whichever its process.
  FUZZ_CHECK(o.lines == last.extractedLines);
  const std::size_t separatorLines = sink.given - sink.sourceLines;
  FUZZ_CHECK(separatorLines == (s.addSeparator && lastExtracts ? last.extractedBlocks : 0));

  // Stopped part way: exactly the lines given so far.
  if (sink.given > 1) {
    CheckingSink stopping;
    stopping.text = text;
    stopping.separators = s.addSeparator;
    stopping.limit = sink.given / 2;
    FUZZ_CHECK(RunLineExtraction(text, s, LeadByteTest(), stopping).result == ExtractResult::kStopped);
    FUZZ_CHECK(stopping.given == sink.given / 2);
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  if (size < 2) return 0;
  const std::size_t length = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
  const std::string_view record = fuzz::AsText(data + 2, length);
  const std::string_view text = fuzz::AsText(data + 2 + length, size - 2 - length);
  std::string_view in = record;
  ExtractSettings s;
  if (DecodeExtractSection(in, s)) {
    std::string again;
    EncodeExtractSection(s, again);
    std::string_view back = again;
    ExtractSettings same;
    FUZZ_CHECK(DecodeExtractSection(back, same) && same == s && back.empty());
  } else {
    s = FromBytes(record);
  }
  Run(text, s);
  return 0;
}
