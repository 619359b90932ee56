// The open request a second instance sends by DDE: any bytes are parsed as a
// command, and any bytes are taken as a path, built into a command and
// parsed back. Checked: a path is found only inside [open("..."), is never
// empty, longer than kMaxDdePath or holding a NUL; and every path the parser
// could have produced comes back unchanged from the command built for it.
#include <string>

#include "app/command_line.h"
#include "base/sjis.h"
#include "fuzz_check.h"

namespace quelt {
namespace {

constexpr std::string_view kPrefix = "[open(\"";

// A path the parser can return: 1 to kMaxDdePath bytes, no NUL, no '"'
// character, and not ending in a lead byte whose partner would be the
// closing quote.
bool Representable(std::string_view path) {
  if (path.empty() || path.size() > kMaxDdePath || path.find('\0') != std::string_view::npos) return false;
  const std::uint8_t* s = fuzz::AsBytes(path);
  for (std::size_t i = 0; i < path.size();) {
    if (s[i] == '"') return false;
    if (IsSjisLeadByte(s[i]) && i + 1 == path.size()) return false;
    i += SjisCharSize(s, path.size(), i);
  }
  return true;
}

void CheckParse(std::string_view command) {
  std::string path = "untouched";
  if (!ParseDdeOpenCommand(command, path)) {
    FUZZ_CHECK(path == "untouched");
    return;
  }
  FUZZ_CHECK(command.starts_with(kPrefix));
  FUZZ_CHECK(command.substr(kPrefix.size(), path.size()) == path);
  FUZZ_CHECK(Representable(path) || (IsSjisLeadByte(static_cast<std::uint8_t>(path.back())) &&
                                     kPrefix.size() + path.size() == command.size()));
  std::string again;
  if (Representable(path)) {
    FUZZ_CHECK(ParseDdeOpenCommand(BuildDdeOpenCommand(path), again));
    FUZZ_CHECK(again == path);
  }
}

void CheckBuild(std::string_view path) {
  const std::string command = BuildDdeOpenCommand(path);
  FUZZ_CHECK(command == std::string(kPrefix) + std::string(path) + "\")]");
  std::string parsed;
  const bool ok = ParseDdeOpenCommand(command, parsed);
  if (Representable(path)) {
    FUZZ_CHECK(ok);
    FUZZ_CHECK(parsed == path);
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = quelt::fuzz::AsText(data, size);
  quelt::CheckParse(bytes);
  quelt::CheckBuild(bytes);
  return 0;
}
