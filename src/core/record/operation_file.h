// Operation files: the bytes of a saved recording. The current layout has a
// 32-bit header (header length = comment length + 17, records length, record
// count, format mark 200), the comment with a zero byte at offset 16 and the
// records as in the record buffer from the header length on. The older
// layout has the same header in 16-bit fields (header length = comment
// length + 9, format mark 1540), the comment at offset 8, and records whose
// kind, id, length and numeric data are 16-bit; it is converted on reading.
// Parsing is a pure function of the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quelt {

constexpr std::uint32_t kOperationFileMark = 200;
constexpr std::uint32_t kLegacyOperationFileMark = 1540;
constexpr std::size_t kOperationHeaderFixed = 16;  // before the comment
constexpr std::size_t kLegacyOperationHeaderFixed = 8;
constexpr std::size_t kMaxOperationComment = 100;
// Enough of a file to hold the longest header of either layout.
constexpr std::size_t kMaxOperationHeader = kOperationHeaderFixed + kMaxOperationComment + 1;
// The most a valid file of either layout can need to be read of: its header
// and the longest records its header can declare.
constexpr std::size_t kMaxOperationFileRead = kMaxOperationHeader + 65535;

enum class OperationLayout { kCurrent, kLegacy };

struct OperationFileHeader {
  OperationLayout layout = OperationLayout::kCurrent;
  std::size_t headerLength = 0;
  std::size_t recordsLength = 0;  // as stored (older layout: before conversion)
  std::uint32_t count = 0;
  std::string comment;
};

// The header of either layout, or nullopt when the format mark, the comment
// length or the header length is wrong, or the bytes end inside the header.
// A current header whose records could not fit the record buffer fails too.
std::optional<OperationFileHeader> ReadOperationHeader(std::string_view bytes);

struct OperationImage {
  std::string comment;
  std::string records;  // in the current layout
  std::uint32_t count = 0;
};

enum class OperationParse {
  kLoaded,
  kRefused,  // the header check failed: nothing is loaded
  kDamaged,  // the header is sound but the records are not: the buffer ends empty
};

// Reads a whole operation file. On kLoaded, out.records walk cleanly, hold
// out.count records and fit the record buffer; otherwise out is cleared.
OperationParse ParseOperationFile(std::string_view bytes, OperationImage& out);

// The records of an older file converted to the current layout, or nullopt
// when they do not walk cleanly, a find dialog's record cannot be converted,
// or the result does not fit the record buffer.
std::optional<std::string> ConvertLegacyRecords(std::string_view records, std::uint32_t count);

// The comment as it can be saved: up to its first zero byte, cut to
// kMaxOperationComment bytes on a character boundary.
std::string SavableComment(std::string_view comment);

// A file in the current layout (the comment made savable first).
std::string BuildOperationFile(std::string_view comment, std::string_view records, std::uint32_t count);

}  // namespace quelt
