// Conversion of the records of older operation files: 16-bit kind, id and
// length, and 16-bit numbers inside the data where the current layout has
// 32-bit ones. Of the data only the find dialog's record holds numbers (its
// flags); the find box's record is its text, and every other kind's data is
// copied as it is.
#include <optional>

#include "find/find_record.h"
#include "record/operation_file.h"
#include "record/operation_record.h"
#include "record/recorded_commands.h"

namespace quelt {
namespace {

constexpr int kSearchLeadingFlags = 6;
constexpr int kSearchTrailingFlags = 2;

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  bool Word16(std::uint32_t& v) {
    if (in_.size() < 2) return false;
    v = std::uint32_t(static_cast<unsigned char>(in_[0])) | std::uint32_t(static_cast<unsigned char>(in_[1])) << 8;
    in_.remove_prefix(2);
    return true;
  }
  // A text and its zero byte.
  bool Text(std::string_view& s) {
    const std::size_t zero = in_.find('\0');
    if (zero == std::string_view::npos) return false;
    s = in_.substr(0, zero + 1);
    in_.remove_prefix(zero + 1);
    return true;
  }
  bool Bytes(std::size_t n, std::string_view& s) {
    if (in_.size() < n) return false;
    s = in_.substr(0, n);
    in_.remove_prefix(n);
    return true;
  }
  bool Done() const { return in_.empty(); }

 private:
  std::string_view in_;
};

bool WidenFlags(Reader& in, int n, std::string& out) {
  for (int i = 0; i < n; ++i) {
    std::uint32_t v = 0;
    if (!in.Word16(v)) return false;
    AppendWord32(out, v);
  }
  return true;
}

// The find dialog's record: six flags, the search text, the replacement,
// then two flags.
std::optional<std::string> ConvertSearch(std::string_view data) {
  Reader in(data);
  std::string out;
  std::string_view text, replacement;
  if (!WidenFlags(in, kSearchLeadingFlags, out) || !in.Text(text) || !in.Text(replacement)) return std::nullopt;
  out += text;
  out += replacement;
  if (!WidenFlags(in, kSearchTrailingFlags, out) || !in.Done()) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> ConvertLegacyRecords(std::string_view records, std::uint32_t count) {
  Reader in(records);
  std::string out;
  for (std::uint32_t n = 0; n < count; ++n) {
    std::uint32_t kind = 0, id = 0, length = 0;
    std::string_view data;
    if (!in.Word16(kind) || !in.Word16(id) || !in.Word16(length) || !in.Bytes(length, data)) return std::nullopt;
    std::optional<std::string> converted;
    if (kind == kOpSearch) {
      converted = ConvertSearch(data);
    } else {
      converted = std::string(data);
    }
    if (!converted) return std::nullopt;
    if (IsCommandKind(kind)) {
      const int index = FindRecordedCommand(id);
      id = index < 0 ? kLegacyUnknownCommandIndex : static_cast<std::uint32_t>(index);
    }
    if (out.size() + kRecordHeaderSize + converted->size() > kRecordBufferSize) return std::nullopt;
    AppendStoredRecord(out, kind, id, *converted);
  }
  if (!in.Done()) return std::nullopt;
  return out;
}

}  // namespace quelt
