// The attribute file: a text document's line and string marks kept beside its
// file, written after every save and read after every open.
//
// Layout (little-endian, no padding): the 30-byte header, then a 16-bit
// count of line marks and their signed 32-bit values, then a 16-bit count of
// string marks, each a 32-bit offset followed by the marked bytes (1-80) and
// a zero byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "base/host.h"
#include "marks/doc_marks.h"

namespace quelt {

constexpr std::string_view kAttributeHeader = "Kav Quelt Attribute File 100\r\n";
constexpr std::size_t kAttributeHeaderSize = 30;
static_assert(kAttributeHeader.size() == kAttributeHeaderSize);
// Reading takes at most this many bytes of the file.
constexpr std::size_t kAttributeReadSize = 30720;
// The largest file: 100 line marks and 100 string marks of 80 bytes.
constexpr std::size_t kMaxAttributeFileSize =
    kAttributeHeaderSize + 2 + 4 * kMaxLineMarks + 2 + kMaxStringMarks * (4 + kMaxMarkText + 1);

// The attribute file of a text file: the extension of its name (a dot
// followed by at most three characters) replaced by ATR, or ".ATR" appended
// when there is none. Empty when the text file's own extension is ATR.
std::string AttributeFilePath(std::string_view textPath);

struct AttributeMarks {
  std::vector<std::int32_t> lines;
  std::vector<StringMark> strings;
};

// The text the marks are checked against.
struct AttributeText {
  std::uint32_t length = 0;
  std::function<std::uint8_t(TextOffset)> byteAt;  // called only below length
};

enum class AttributeParse {
  kIgnored,   // shorter than the header or another header: not ours, no marks
  kMarks,     // every check passed; the marks are in `out`
  kMismatch,  // ours, but it does not fit the text (or is corrupt): no marks
};

// Parses a file's bytes. Beyond the limits of the format it requires both
// lists ascending and every string mark inside the text, so that a corrupt
// or stale file never gives marks the drawing code must not trust.
AttributeParse ParseAttributeFile(std::string_view bytes, const AttributeText& text, AttributeMarks& out);

// The file's content for the given marks.
std::string BuildAttributeFile(const std::vector<std::int32_t>& lines, const std::vector<StringMark>& strings);

// Writes the attribute file of textPath after the text file was saved, with
// the items the cabinet saves. Only marks the reader would accept for `text`
// are written. False (after its message) when the file cannot be made or
// the user declines to overwrite a foreign file of the same name.
bool WriteAttributeFile(const DocMarks& marks, const TextStore& text, const std::string& textPath,
                        FileSystem& files, Host& host, bool saveLine, bool saveString);

// Reads the attribute file of textPath after the text was opened; `out`
// gets the marks (none unless every check passed). False after its message
// when the file cannot be read or does not fit the text.
bool ReadAttributeFile(const std::string& textPath, FileSystem& files, Host& host, const TextStore& text,
                       AttributeMarks& out);

}  // namespace quelt
