#include "text/open_record.h"

#include <cstdint>

#include "base/le_words.h"
#include "text/open_request.h"

namespace quelt {

std::string EncodeOpenDialogChoice(const OpenDialogChoice& c) {
  std::string out;
  AppendLe32(out, static_cast<std::uint32_t>(c.kind));
  AppendLe32(out, static_cast<std::uint32_t>(c.code));
  AppendLe32(out, c.readOnly ? 1 : 0);
  for (const std::string& path : c.paths) {
    out += path;
    out.push_back('\0');
  }
  return out;
}

std::optional<OpenDialogChoice> DecodeOpenDialogChoice(std::string_view in) {
  std::uint32_t kind = 0, code = 0, readOnly = 0;
  if (!TakeLe32(in, kind) || !TakeLe32(in, code) || !TakeLe32(in, readOnly)) return std::nullopt;
  if (kind > static_cast<std::uint32_t>(OpenKindId::kCabinet) || code > static_cast<std::uint32_t>(kLastCharCode))
    return std::nullopt;
  OpenDialogChoice c;
  c.kind = static_cast<OpenKindId>(kind);
  c.code = static_cast<CharCodeId>(code);
  c.readOnly = readOnly != 0;
  while (!in.empty()) {
    const std::size_t end = in.find('\0');
    if (end == std::string_view::npos || end == 0) return std::nullopt;
    c.paths.emplace_back(in.substr(0, end));
    in.remove_prefix(end + 1);
  }
  if (c.paths.empty() || c.paths.size() > kMaxOpenFiles) return std::nullopt;
  return c;
}

std::string EncodeSaveAsRecord(const SaveAsRecord& c) {
  std::string out;
  AppendLe32(out, static_cast<std::uint32_t>(c.code));
  AppendLe32(out, static_cast<std::uint32_t>(c.lineEnd));
  out += c.path;
  out.push_back('\0');
  return out;
}

std::optional<SaveAsRecord> DecodeSaveAsRecord(std::string_view in) {
  std::uint32_t code = 0, lineEnd = 0;
  if (!TakeLe32(in, code) || !TakeLe32(in, lineEnd)) return std::nullopt;
  if (code > static_cast<std::uint32_t>(kLastCharCode) || lineEnd > static_cast<std::uint32_t>(LineEndId::kLf))
    return std::nullopt;
  const std::size_t end = in.find('\0');
  if (end == std::string_view::npos || end == 0 || end + 1 != in.size()) return std::nullopt;
  SaveAsRecord c;
  c.code = static_cast<CharCodeId>(code);
  c.lineEnd = static_cast<LineEndId>(lineEnd);
  c.path.assign(in.substr(0, end));
  return c;
}

}  // namespace quelt
