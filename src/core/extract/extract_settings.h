// The settings of line extraction: one record for the application, edited
// in the extraction sheet and kept in the state file between runs.
//
// Section layout (little-endian): nine 32-bit values (execution step,
// step-1 process, step-2 process, case-sensitive, regular expression,
// distinguish width, display while extracting, show information, add
// separator), the zero-ended separator text, then the step-1 list, the
// start list and the end list, each a 32-bit count (0-5) and per entry a
// 32-bit position, a 32-bit line count and the zero-ended string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

constexpr std::size_t kMaxExtractEntries = 5;    // per list
constexpr std::size_t kMaxExtractString = 80;    // bytes of an entry's string
constexpr std::size_t kMaxExtractSeparator = 80;  // bytes of the separator text
constexpr std::int32_t kMaxExtractPosition = 10000;  // positions lie in -10000..10000
constexpr std::int32_t kMaxExtractLineCount = 10000;  // line counts in 1..10000

enum ExtractStep : std::int32_t { kExtractBothSteps = 0, kExtractStep1 = 1, kExtractStep2 = 2 };
enum ExtractProcess : std::int32_t { kProcessExtract = 0, kProcessDelete = 1 };

struct ExtractEntry {
  std::string text;            // 1-80 bytes
  std::int32_t position = 0;   // signed line offset from the matching line
  std::int32_t lineCount = 1;  // lines of the block (step-1 entries; 1 in the others)
  bool operator==(const ExtractEntry&) const = default;
};

struct ExtractSettings {
  std::int32_t step = kExtractBothSteps;
  std::int32_t step1Process = kProcessExtract;
  std::int32_t step2Process = kProcessExtract;
  bool caseSensitive = false;
  bool regularExpression = false;
  bool distinguishWidth = true;  // half-width and full-width characters differ
  bool displayWhileExtracting = false;
  bool showInformation = true;
  bool addSeparator = false;
  std::string separator = "----------";
  std::vector<ExtractEntry> step1Entries;  // "抽出行"/"削除行"
  std::vector<ExtractEntry> startEntries;  // "抽出開始行"/"削除開始行"
  std::vector<ExtractEntry> endEntries;    // "抽出終了行"/"削除終了行"
  bool operator==(const ExtractSettings&) const = default;
};

// True when the entry can stand in a list: a string of 1-80 bytes without a
// zero byte, a position in range and a line count of 1-10000.
bool IsValidExtractEntry(const ExtractEntry& entry);

// Appends the section. Lists are cut to 5 entries, invalid entries left
// out, out-of-range values written as their defaults.
void EncodeExtractSection(const ExtractSettings& settings, std::string& out);

// Takes the section from the front of in. False for a value out of its
// range, a flag other than 0/1, a list over 5 entries, an invalid entry or a
// text that does not end within the data; settings then keep defaults.
bool DecodeExtractSection(std::string_view& in, ExtractSettings& settings);

}  // namespace quelt
