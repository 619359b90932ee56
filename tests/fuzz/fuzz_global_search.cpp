// The search over files reads any file: its bytes are converted as the code
// decision asks and taken in blocks. Any bytes, repeated into lines longer
// than a block or a file over 2 MB, are searched with any options; the
// result lines must be those of one search over the whole converted text,
// so that no block cut changes what is found. The conversion piece by
// piece must equal the whole conversion at any cut.
#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "find/find_run.h"
#include "fuzz_check.h"
#include "global_search/file_blocks.h"
#include "global_search/global_search.h"
#include "global_search/result_line.h"
#include "text/char_code.h"

namespace quelt {
namespace {

const char* const kPath = "C:\\f.txt";

class Sink : public GlobalSearchSink {
 public:
  void OnResult(std::string_view line) override { lines.emplace_back(line); }
  bool KeepGoing(std::string_view, std::uint32_t) override { return true; }
  std::vector<std::string> lines;
};

void CheckStream(std::string_view raw, CharCodeId code, int selector, std::size_t cut) {
  const auto* b = fuzz::AsBytes(raw);
  const ConvertResult whole = ToInternal(b, raw.size(), code, selector);
  if (whole.status != ConvertStatus::kOk) return;
  InternalStream stream(code, selector);
  std::string out;
  const std::size_t used = stream.Convert(b, cut, false, out);
  FUZZ_CHECK(used <= cut);
  stream.Convert(b + used, raw.size() - used, true, out);
  FUZZ_CHECK(out == whole.bytes);
}

// The text the search reads: converted as FileBlocks converts it.
std::string Converted(const std::string& file, int decision) {
  if (decision == 1) return file;
  const Detection d =
      Detect(fuzz::AsBytes(file), std::min<std::size_t>(file.size(), kDetectSampleBytes), false);
  const CharCodeId code = decision == 2 ? CharCodeId::kJis : decision == 3 ? CharCodeId::kEuc : d.code;
  if (code == CharCodeId::kShiftJis && d.selector == kSelectorCrLf) return file;
  InternalStream stream(code, d.selector);
  std::string out;
  stream.Convert(fuzz::AsBytes(file), file.size(), true, out);
  return out;
}

// The result lines of one search over the whole text.
std::vector<std::string> Reference(const Searcher& searcher, std::string text, bool nonText, bool stepByLength) {
  if (!nonText) {
    text.resize(std::min(text.find('\0'), text.size()));
  } else {
    for (char& c : text) {
      if (c == '\0') c = static_cast<char>(0xFF);
    }
  }
  const auto* b = fuzz::AsBytes(text);
  const auto n = static_cast<std::uint32_t>(text.size());
  std::vector<std::string> lines;
  std::uint32_t line = 1, lineStart = 0, counted = 1;
  for (std::uint32_t pos = 0; pos < n;) {
    const SearchHit hit = searcher.Find(b, n, pos, n, true);
    if (!hit.found || hit.length == 0) break;
    for (; counted < hit.start; ++counted) {
      if (b[counted] == '\n' && b[counted - 1] == '\r') {
        ++line;
        lineStart = counted + 1;
      }
    }
    const std::uint32_t end = hit.start + hit.length;
    lines.push_back(FormatResultLine(kPath, line, b, n, lineStart, hit.start, end));
    pos = stepByLength ? end : hit.start + static_cast<std::uint32_t>(SjisCharSize(b, n, hit.start));
  }
  return lines;
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  if (size < 5) return 0;
  const std::uint8_t flags = data[0];
  const std::size_t patternLength = std::min<std::size_t>(data[1] % 40, size - 5);
  const std::uint8_t grow = data[2];
  const std::string_view pattern = fuzz::AsText(data + 5, patternLength);
  const std::string_view body = fuzz::AsText(data + 5 + patternLength, size - 5 - patternLength);
  static const CharCodeId kCodes[] = {CharCodeId::kShiftJis, CharCodeId::kJis, CharCodeId::kEuc};
  CheckStream(body, kCodes[data[3] % 3], data[3] / 3 % 3, body.empty() ? 0 : data[4] % (body.size() + 1));
  if (body.empty()) return 0;

  // The body repeated: to a line longer than a block, or a file over 2 MB.
  std::size_t target = (grow & 0x7F) * std::size_t{1024};
  if (grow & 0x80) target += kMaxConvertBytes + 1;
  std::string file(body);
  while (file.size() < target) file += body;

  GlobalSearchRequest r;
  r.text = std::string(pattern);
  r.maskText = kPath;
  r.subfolders = false;
  r.matchCase = flags & 1;
  r.wholeWord = flags & 2;
  r.regex = flags & 4;
  r.distinguishWidth = !(flags & 8);
  r.multiText = flags & 16;
  r.nonText = flags & 32;
  r.codeDecision = flags >> 6;
  MemoryFileSystem fs;
  fs.WriteFile(kPath, file);
  Sink sink;
  const GlobalSearchOutcome outcome = RunGlobalSearch(fs, r, {}, sink);
  FUZZ_CHECK(outcome.found == sink.lines.size());
  if (outcome.badText) return 0;

  // A pattern that can match a line end may be cut at a block's last CR LF,
  // and a repetition is given at most a megabyte of a longer line.
  const bool crossesLines = pattern.find_first_of("\r\n") != std::string_view::npos ||
                            (r.regex && pattern.find('[') != std::string_view::npos);
  if (crossesLines || (r.regex && (grow & 0x80))) return 0;
  FindFlags findFlags;
  findFlags.matchCase = r.matchCase;
  findFlags.regex = r.regex;
  findFlags.distinguishWidth = r.distinguishWidth;
  FindSettings settings;
  settings.wholeWord = r.wholeWord;
  settings.multiText = r.multiText;
  Searcher searcher;
  FUZZ_CHECK(PrepareSearcher(searcher, r.text, findFlags, settings, LeadByteTest()));
  const bool stepByLength = !r.regex && r.distinguishWidth && !r.multiText;
  FUZZ_CHECK(sink.lines == Reference(searcher, Converted(file, r.codeDecision), r.nonText, stepByLength));
  return 0;
}
