// A searched file taken block by block: a file of up to 2 MB is read once
// and its blocks cut from memory, a larger one is read a block at a time.
// A block holds at most 30,720 bytes;
// a full block is cut after its last CR LF (or, without one, before a
// double-byte character it would split) and the next block starts there.
// Files in JIS or EUC, or with other line ends, are first converted to
// Shift-JIS with CR LF in memory, as the code decision asks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/file_system.h"
#include "cipher/cipher.h"

namespace quelt {

constexpr std::uint32_t kSearchBlockBytes = 30720;

class FileBlocks {
 public:
  // codeDecision: 1 the file as it is; 0 detected, 2 JIS, 3 EUC, converted
  // when needed and possible (files over 2 MB are searched as they are).
  // False when the file cannot be read.
  // A file of the cipher folder that deciphers with the key is searched as
  // its plain text (after askPassword agrees), never written to disk.
  bool Open(FileSystem& fs, const std::string& path, int codeDecision, bool crlfEqualSjis,
            const CipherConfig* cipher = nullptr, const std::function<bool()>* askPassword = nullptr);

  // The next block into block; false at the end of the file or when a read
  // fails.
  bool Next(std::string& block);

  // The whole text searched, when it is in memory already or can be read
  // (at most maxBytes); false otherwise.
  bool Whole(std::string& out, std::uint64_t maxBytes);

  bool Converted() const { return converted_; }

 private:
  bool ReadAt(std::uint64_t offset, std::uint64_t n, std::string& out);

  FileSystem* fs_ = nullptr;
  std::string path_;
  bool converted_ = false;
  std::string text_;  // the converted text
  std::uint64_t next_ = 0;
  bool atEnd_ = false;
};

// Where a full block is cut: after its last CR LF; without one, at its last
// character boundary.
std::uint32_t BlockCut(const std::string& block);

}  // namespace quelt
