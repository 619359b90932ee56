#include "text/save_name.h"

#include "base/sjis.h"

namespace quelt {
namespace {

constexpr int kTextCabinetType = 0;  // cabinet file type of general text

bool EndsProposedName(char c) {
  return c == ' ' || c == '#' || c == '%' || c == ';' || c == '/' || c == '\\';
}

}  // namespace

std::string ProposeSaveName(std::string_view path, std::string_view title, int cabinetFileType) {
  if (!path.empty()) return std::string(path);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(title.data());
  std::size_t end = 0;
  for (std::size_t chars = 0; end < title.size() && chars < kProposedTitleChars; ++chars) {
    const std::size_t size = SjisCharSize(bytes, title.size(), end);
    // A trail byte may equal '\' or another stop character: only the first
    // byte of a character is tested.
    if (size == 1 && EndsProposedName(title[end])) break;
    end += size;
  }
  std::string name(title.substr(0, end));
  if (cabinetFileType == kTextCabinetType) name += ".txt";
  return name;
}

}  // namespace quelt
