#include "view/clipboard_text.h"

#include "text/text_store.h"

namespace quelt {

std::string_view TextUpToZero(std::string_view clip) {
  const std::size_t zero = clip.find('\0');
  return zero == std::string_view::npos ? clip : clip.substr(0, zero);
}

std::string CleanIncomingText(std::string_view bytes, LeadByteTest lead) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<std::uint8_t>(bytes[i]);
    if (c == 0) {
      out += ' ';
    } else if (lead(c)) {
      if (i + 1 == n) break;  // a lead byte without its trail byte
      const auto t = static_cast<std::uint8_t>(bytes[++i]);
      out += static_cast<char>(c);
      // A trail byte that is CR or zero would break the line structure.
      out += (t == kCr || t == 0) ? ' ' : static_cast<char>(t);
    } else if (c == kCr) {
      if (i + 1 < n && static_cast<std::uint8_t>(bytes[i + 1]) == kLf) {
        out += "\r\n";
        ++i;
      }
      // A CR without LF is dropped.
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string SelectionText(const TextStore& store, TextRange range) { return ReadText(store, range); }

std::string BoxText(const TextStore& store, std::span<const TextRange> lines) {
  std::string out;
  for (const TextRange& line : lines) {
    out += ReadText(store, line);
    out += "\r\n";
  }
  return out;
}

std::string AppendedClipText(std::string_view clip, std::string_view selected) {
  std::string out(TextUpToZero(clip));
  out += selected;
  return out;
}

}  // namespace quelt
