#include "tools/tool_output.h"

#include "base/sjis.h"

namespace quelt {

std::string ToolOutputPieces::Take(std::string_view piece) {
  std::string out = std::move(kept_);
  kept_.clear();
  out.append(piece);
  if (out.empty()) return out;
  // Whether the last byte starts a character: walk the characters from the
  // start of what is appended now, which always starts on one.
  std::size_t i = 0;
  const auto* b = reinterpret_cast<const std::uint8_t*>(out.data());
  std::size_t lastStart = 0;
  while (i < out.size()) {
    lastStart = i;
    i += IsSjisLeadByte(b[i]) ? 2 : 1;
  }
  // The last character lacks its second byte: it waits; so does a CR
  // before it or at the end.
  std::size_t keep = i > out.size() ? lastStart : out.size();
  if (keep > 0 && b[keep - 1] == kCr) --keep;
  if (keep < out.size()) {
    kept_.assign(out, keep, std::string::npos);
    out.resize(keep);
  }
  return out;
}

std::string ToolOutputPieces::Finish() {
  std::string out = std::move(kept_);
  kept_.clear();
  return out;
}

}  // namespace quelt
