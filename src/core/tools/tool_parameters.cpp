#include "tools/tool_parameters.h"

#include "base/sjis.h"
#include "view/expand_format.h"

namespace quelt {
namespace {

// The parameters up to the first "$f" (a "$$" is one escaped "$").
std::string_view UpToPath(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (c == '$' && i + 1 < text.size()) {
      if (text[i + 1] == 'f') return text.substr(0, i);
      i += 2;
    } else {
      i += IsSjisLeadByte(c) && i + 1 < text.size() ? 2 : 1;
    }
  }
  return text;
}

}  // namespace

std::string ExpandParameters(std::string_view parameters, const ToolDocument* document, const LocalTime& now,
                             std::string_view timeZone) {
  if (!document) return ExpandFormat(UpToPath(parameters), {}, 1, 1, now, timeZone);
  return ExpandFormat(parameters, document->path, document->line, document->column, now, timeZone);
}

}  // namespace quelt
