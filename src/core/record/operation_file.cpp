#include "record/operation_file.h"

#include "base/sjis.h"
#include "record/operation_record.h"

namespace quelt {
namespace {

std::uint32_t ReadWord16(std::string_view bytes, std::size_t at) {
  return std::uint32_t(static_cast<unsigned char>(bytes[at])) |
         std::uint32_t(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

// The comment starting at offset `at`: its length when a zero byte ends it
// within kMaxOperationComment bytes.
std::optional<std::size_t> CommentLength(std::string_view bytes, std::size_t at) {
  if (bytes.size() <= at) return std::nullopt;
  const std::size_t zero = bytes.substr(at, kMaxOperationComment + 1).find('\0');
  if (zero == std::string_view::npos) return std::nullopt;
  return zero;
}

std::optional<OperationFileHeader> ReadCurrentHeader(std::string_view bytes) {
  if (bytes.size() < kOperationHeaderFixed || ReadWord32(bytes.data() + 12) != kOperationFileMark)
    return std::nullopt;
  const auto comment = CommentLength(bytes, kOperationHeaderFixed);
  if (!comment || ReadWord32(bytes.data()) != *comment + kOperationHeaderFixed + 1) return std::nullopt;
  OperationFileHeader h;
  h.layout = OperationLayout::kCurrent;
  h.headerLength = *comment + kOperationHeaderFixed + 1;
  h.recordsLength = ReadWord32(bytes.data() + 4);
  h.count = ReadWord32(bytes.data() + 8);
  if (h.recordsLength > kRecordBufferSize) return std::nullopt;
  h.comment.assign(bytes.substr(kOperationHeaderFixed, *comment));
  return h;
}

std::optional<OperationFileHeader> ReadLegacyHeader(std::string_view bytes) {
  if (bytes.size() < kLegacyOperationHeaderFixed || ReadWord16(bytes, 6) != kLegacyOperationFileMark)
    return std::nullopt;
  const auto comment = CommentLength(bytes, kLegacyOperationHeaderFixed);
  if (!comment || ReadWord16(bytes, 0) != *comment + kLegacyOperationHeaderFixed + 1) return std::nullopt;
  OperationFileHeader h;
  h.layout = OperationLayout::kLegacy;
  h.headerLength = *comment + kLegacyOperationHeaderFixed + 1;
  h.recordsLength = ReadWord16(bytes, 2);
  h.count = ReadWord16(bytes, 4);
  h.comment.assign(bytes.substr(kLegacyOperationHeaderFixed, *comment));
  return h;
}

}  // namespace

std::optional<OperationFileHeader> ReadOperationHeader(std::string_view bytes) {
  if (auto h = ReadCurrentHeader(bytes)) return h;
  return ReadLegacyHeader(bytes);
}

OperationParse ParseOperationFile(std::string_view bytes, OperationImage& out) {
  out = {};
  const auto header = ReadOperationHeader(bytes);
  if (!header) return OperationParse::kRefused;
  if (bytes.size() - header->headerLength < header->recordsLength) return OperationParse::kDamaged;
  const std::string_view records = bytes.substr(header->headerLength, header->recordsLength);
  if (header->layout == OperationLayout::kCurrent) {
    if (!RecordsWalkCleanly(records, header->count)) return OperationParse::kDamaged;
    out.records.assign(records);
  } else {
    auto converted = ConvertLegacyRecords(records, header->count);
    if (!converted) return OperationParse::kDamaged;
    out.records = std::move(*converted);
  }
  out.comment = header->comment;
  out.count = header->count;
  return OperationParse::kLoaded;
}

std::string SavableComment(std::string_view comment) {
  comment = comment.substr(0, comment.find('\0'));
  if (comment.size() <= kMaxOperationComment) return std::string(comment);
  const auto* b = reinterpret_cast<const std::uint8_t*>(comment.data());
  std::size_t end = 0;
  while (end < comment.size()) {
    const std::size_t next = end + SjisCharSize(b, comment.size(), end);
    if (next > kMaxOperationComment) break;
    end = next;
  }
  return std::string(comment.substr(0, end));
}

std::string BuildOperationFile(std::string_view comment, std::string_view records, std::uint32_t count) {
  const std::string text = SavableComment(comment);
  std::string out;
  out.reserve(kOperationHeaderFixed + text.size() + 1 + records.size());
  AppendWord32(out, static_cast<std::uint32_t>(text.size() + kOperationHeaderFixed + 1));
  AppendWord32(out, static_cast<std::uint32_t>(records.size()));
  AppendWord32(out, count);
  AppendWord32(out, kOperationFileMark);
  out += text;
  out.push_back('\0');
  out.append(records);
  return out;
}

}  // namespace quelt
