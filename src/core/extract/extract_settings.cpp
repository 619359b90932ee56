#include "extract/extract_settings.h"

#include "base/le_words.h"
#include "state/section_text.h"

namespace quelt {
namespace {

constexpr std::size_t kFlagCount = 6;

bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }

void EncodeList(const std::vector<ExtractEntry>& list, std::string& out) {
  std::vector<const ExtractEntry*> kept;
  for (const ExtractEntry& e : list) {
    if (kept.size() == kMaxExtractEntries) break;
    if (IsValidExtractEntry(e)) kept.push_back(&e);
  }
  AppendLe32(out, static_cast<std::uint32_t>(kept.size()));
  for (const ExtractEntry* e : kept) {
    AppendLe32(out, static_cast<std::uint32_t>(e->position));
    AppendLe32(out, static_cast<std::uint32_t>(e->lineCount));
    AppendText(out, e->text, kMaxExtractString);
  }
}

bool DecodeList(std::string_view& in, std::vector<ExtractEntry>& list) {
  std::uint32_t count = 0;
  if (!TakeLe32(in, count) || count > kMaxExtractEntries) return false;
  list.resize(count);
  for (ExtractEntry& e : list) {
    std::uint32_t position = 0, lineCount = 0;
    if (!TakeLe32(in, position) || !TakeLe32(in, lineCount) || !TakeText(in, kMaxExtractString, e.text))
      return false;
    e.position = static_cast<std::int32_t>(position);
    e.lineCount = static_cast<std::int32_t>(lineCount);
    if (!IsValidExtractEntry(e)) return false;
  }
  return true;
}

bool TakeChoice(std::string_view& in, std::int32_t high, std::int32_t& value) {
  std::uint32_t v = 0;
  if (!TakeLe32(in, v) || v > static_cast<std::uint32_t>(high)) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

}  // namespace

bool IsValidExtractEntry(const ExtractEntry& entry) {
  return !entry.text.empty() && entry.text.size() <= kMaxExtractString &&
         entry.text.find('\0') == std::string::npos &&
         InRange(entry.position, -kMaxExtractPosition, kMaxExtractPosition) &&
         InRange(entry.lineCount, 1, kMaxExtractLineCount);
}

void EncodeExtractSection(const ExtractSettings& s, std::string& out) {
  const ExtractSettings defaults;
  AppendLe32(out, static_cast<std::uint32_t>(InRange(s.step, kExtractBothSteps, kExtractStep2) ? s.step : defaults.step));
  AppendLe32(out, InRange(s.step1Process, kProcessExtract, kProcessDelete) ? s.step1Process : defaults.step1Process);
  AppendLe32(out, InRange(s.step2Process, kProcessExtract, kProcessDelete) ? s.step2Process : defaults.step2Process);
  const bool flags[kFlagCount] = {s.caseSensitive,          s.regularExpression, s.distinguishWidth,
                                  s.displayWhileExtracting, s.showInformation,   s.addSeparator};
  for (bool f : flags) AppendLe32(out, f ? 1 : 0);
  AppendText(out, s.separator, kMaxExtractSeparator);
  EncodeList(s.step1Entries, out);
  EncodeList(s.startEntries, out);
  EncodeList(s.endEntries, out);
}

bool DecodeExtractSection(std::string_view& in, ExtractSettings& settings) {
  settings = {};
  std::string_view rest = in;
  ExtractSettings s;
  if (!TakeChoice(rest, kExtractStep2, s.step) || !TakeChoice(rest, kProcessDelete, s.step1Process) ||
      !TakeChoice(rest, kProcessDelete, s.step2Process))
    return false;
  bool* flags[kFlagCount] = {&s.caseSensitive,          &s.regularExpression, &s.distinguishWidth,
                             &s.displayWhileExtracting, &s.showInformation,   &s.addSeparator};
  for (bool* f : flags) {
    if (!TakeFlag(rest, *f)) return false;
  }
  if (!TakeText(rest, kMaxExtractSeparator, s.separator) || !DecodeList(rest, s.step1Entries) ||
      !DecodeList(rest, s.startEntries) || !DecodeList(rest, s.endEntries))
    return false;
  settings = std::move(s);
  in = rest;
  return true;
}

}  // namespace quelt
