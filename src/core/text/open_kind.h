// The kinds a file can be opened as, and the automatic choice among them
// from the first bytes of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quelt {

class FileSystem;

// Entries of the open dialog's kind list; the id is the entry's position.
enum class OpenKindId : int {
  kAuto = 0,         // decided from the file
  kText = 1,         // text document, text view
  kBinary = 2,       // text document in the binary view
  kHtmlPlain = 3,    // text document with the HTML flag
  kHtmlVisual = 4,   // HTML visual document (listed for Japanese only)
  kCabinet = 5,      // a cabinet file, opened as the current cabinet
};

// The automatic choice reads no more than the first 32 bytes of a file.
constexpr std::size_t kKindSampleBytes = 32;

// The name of a kind in the open dialog's list, UTF-8 ("自動", "ﾃｷｽﾄ", ...).
const char* OpenKindName(OpenKindId id);

// The kind of a file whose first n bytes are head (only kKindSampleBytes are
// looked at): cabinet, binary, HTML plain or text. Never kAuto.
OpenKindId DecideOpenKind(const std::uint8_t* head, std::size_t n);

// The same for a file on disk. A file in the cipher folder is text without
// being read; a file that cannot be read, or is empty, is text.
OpenKindId DecideOpenKindOfFile(FileSystem& fs, const std::string& path, bool inCipherFolder);

}  // namespace quelt
