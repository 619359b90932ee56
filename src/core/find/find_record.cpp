#include "find/find_record.h"

#include <cstdint>

#include "base/le_words.h"

namespace quelt {
namespace {

constexpr std::size_t kMaxRecordText = 80;

bool TakeString(std::string_view& in, std::string& s) {
  const std::size_t end = in.find('\0');
  if (end == std::string_view::npos || end > kMaxRecordText) return false;
  s.assign(in.substr(0, end));
  in.remove_prefix(end + 1);
  return true;
}

}  // namespace

std::string EncodeFindRecord(const FindRequest& r) {
  std::string out;
  for (bool flag : {r.findNext, r.closing, r.replace, r.replaceAll, r.matchCase, r.down}) AppendLe32(out, flag ? 1 : 0);
  out += r.text;
  out.push_back('\0');
  out += r.replacement;
  out.push_back('\0');
  AppendLe32(out, r.regex ? 1 : 0);
  AppendLe32(out, r.distinguishWidth ? 1 : 0);
  return out;
}

std::optional<FindRequest> DecodeFindRecord(std::string_view in) {
  FindRequest r;
  std::uint32_t flags[6];
  for (std::uint32_t& f : flags) {
    if (!TakeLe32(in, f)) return std::nullopt;
  }
  r.findNext = flags[0] != 0;
  r.closing = flags[1] != 0;
  r.replace = flags[2] != 0;
  r.replaceAll = flags[3] != 0;
  r.matchCase = flags[4] != 0;
  r.down = flags[5] != 0;
  if (!TakeString(in, r.text) || !TakeString(in, r.replacement)) return std::nullopt;
  std::uint32_t regex = 0, width = 0;
  if (!TakeLe32(in, regex) || !TakeLe32(in, width)) return std::nullopt;
  r.regex = regex != 0;
  // The width flag is a 16-bit value kept in 32 bits.
  r.distinguishWidth = (width & 0xFFFF) != 0;
  return r;
}

std::string EncodeFindBoxText(std::string_view text) {
  std::string out(text);
  out.push_back('\0');
  return out;
}

std::optional<std::string> DecodeFindBoxText(std::string_view in) {
  std::string text;
  if (!TakeString(in, text) || text.empty()) return std::nullopt;
  return text;
}

}  // namespace quelt
