#include "text/open_record.h"

#include <cstdint>

#include "text/open_request.h"

namespace quelt {
namespace {

void Put(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool Take(std::string_view& in, std::uint32_t& v) {
  if (in.size() < 4) return false;
  v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(in[i])) << (8 * i);
  in.remove_prefix(4);
  return true;
}

}  // namespace

std::string EncodeOpenDialogChoice(const OpenDialogChoice& c) {
  std::string out;
  Put(out, static_cast<std::uint32_t>(c.kind));
  Put(out, static_cast<std::uint32_t>(c.code));
  Put(out, c.readOnly ? 1 : 0);
  for (const std::string& path : c.paths) {
    out += path;
    out.push_back('\0');
  }
  return out;
}

std::optional<OpenDialogChoice> DecodeOpenDialogChoice(std::string_view in) {
  std::uint32_t kind = 0, code = 0, readOnly = 0;
  if (!Take(in, kind) || !Take(in, code) || !Take(in, readOnly)) return std::nullopt;
  if (kind > static_cast<std::uint32_t>(OpenKindId::kCabinet) || code > static_cast<std::uint32_t>(CharCodeId::kEuc))
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

}  // namespace quelt
