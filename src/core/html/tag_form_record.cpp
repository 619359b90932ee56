#include "html/tag_form_record.h"

namespace quelt {

std::string EncodeTagFormRecord(const TagPair& values) {
  std::string data;
  data.reserve(values.opening.size() + values.closing.size() + 2);
  // A text cannot hold a zero byte of its own: it would end the text.
  data.append(values.opening.substr(0, values.opening.find('\0')));
  data.push_back('\0');
  data.append(values.closing.substr(0, values.closing.find('\0')));
  data.push_back('\0');
  return data;
}

std::optional<TagPair> DecodeTagFormRecord(std::string_view data) {
  const std::size_t first = data.find('\0');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = data.find('\0', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  TagPair values;
  values.opening.assign(data.substr(0, first));
  values.closing.assign(data.substr(first + 1, second - first - 1));
  return values;
}

}  // namespace quelt
