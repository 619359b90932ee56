#include "global_search/global_search_record.h"

#include <cstdint>

#include "base/le_words.h"
#include "global_search/mask_text.h"
#include "search/search_options.h"
#include "text/char_code.h"

namespace quelt {
namespace {

bool TakeText(std::string_view& in, std::size_t maxLength, bool mayBeEmpty, std::string& out) {
  const std::size_t end = in.find('\0');
  if (end == std::string_view::npos || end > maxLength || (end == 0 && !mayBeEmpty)) return false;
  out.assign(in.substr(0, end));
  in.remove_prefix(end + 1);
  return true;
}

void AppendText(std::string& out, const std::string& text) {
  out.append(text.c_str());  // a text never holds a zero byte of its own
  out.push_back('\0');
}

}  // namespace

std::string EncodeGlobalSearchRecord(const GlobalSearchRequest& r) {
  std::string out;
  for (bool flag : {r.matchCase, r.wholeWord, r.escapes, r.regex, r.distinguishWidth, r.subfolders, r.nonText})
    AppendLe32(out, flag ? 1 : 0);
  AppendLe32(out, static_cast<std::uint32_t>(r.codeDecision));
  AppendText(out, r.text);
  AppendText(out, r.maskText);
  AppendText(out, r.currentFolder);
  return out;
}

std::optional<GlobalSearchRequest> DecodeGlobalSearchRecord(std::string_view in, const GlobalSearchRequest& settings) {
  GlobalSearchRequest r = settings;
  bool* flags[] = {&r.matchCase, &r.wholeWord, &r.escapes, &r.regex, &r.distinguishWidth, &r.subfolders, &r.nonText};
  for (bool* flag : flags) {
    std::uint32_t v = 0;
    if (!TakeLe32(in, v) || v > 1) return std::nullopt;
    *flag = v == 1;
  }
  std::uint32_t code = 0;
  if (!TakeLe32(in, code) || code > static_cast<std::uint32_t>(kLastCharCode)) return std::nullopt;
  r.codeDecision = static_cast<int>(code);
  if (!TakeText(in, kMaxSearchText, false, r.text) || !TakeText(in, kMaxMaskText, false, r.maskText) ||
      !TakeText(in, kMaxMaskText, true, r.currentFolder) || !in.empty())
    return std::nullopt;
  return r;
}

}  // namespace quelt
