// A searched file taken block by block: a file of up to 2 MB is read once
// and its blocks cut from memory, a larger one is read a block at a time.
// A block brings at most 30,720 new bytes (more when the caller keeps a
// long unfinished line); it is cut after its last CR LF or, without one, at
// a character boundary that does not split a CR LF, and the next block
// starts there. Files in JIS or EUC, or with other line ends, are converted
// to Shift-JIS with CR LF as the code decision asks: in memory up to 2 MB,
// beyond that piece by piece as they are read.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/file_system.h"
#include "cipher/cipher.h"
#include "text/char_code.h"

namespace quelt {

constexpr std::uint32_t kSearchBlockBytes = 30720;

class FileBlocks {
 public:
  // codeDecision: 1 the file as it is; 0 detected, 2-7 that code, converted
  // when needed. False when the file cannot be read.
  // A file of the cipher folder that deciphers with the key is searched as
  // its plain text (after askPassword agrees), never written to disk.
  bool Open(FileSystem& fs, const std::string& path, int codeDecision, bool crlfEqualSjis,
            const CipherConfig* cipher = nullptr, const std::function<bool()>* askPassword = nullptr);

  // The next block into block. The last `keep` bytes of block (the caller's
  // carry; a character boundary) stay at its front and the new bytes follow:
  // kSearchBlockBytes of them, or as many as are kept when that is more, so
  // a growing line is read in growing steps. False at the end of the file or
  // when a read fails.
  bool Next(std::string& block, std::uint32_t keep = 0);

  // Whether the block last given ends the file.
  bool AtEnd() const { return atEnd_; }

  // The whole text searched, when it is in memory already or can be read
  // (at most maxBytes) as it is searched; false otherwise.
  bool Whole(std::string& out, std::uint64_t maxBytes);

  bool Converted() const { return converted_; }

 private:
  // Appends the n bytes of the searched text at offset (fewer at its end).
  bool ReadAt(std::uint64_t offset, std::uint64_t n, std::string& out);
  bool FillStream(std::uint64_t upTo);

  FileSystem* fs_ = nullptr;
  std::string path_;
  bool converted_ = false;
  std::string text_;  // the whole text, when it is held in memory
  bool inMemory_ = false;
  std::uint64_t next_ = 0;
  bool atEnd_ = false;
  // A large file converted as it is read: converted bytes [streamBase_,
  // streamBase_ + stream_.size()), raw bytes read up to rawNext_, those not
  // yet converted in rawRest_.
  std::optional<InternalStream> converter_;
  std::string stream_;
  std::uint64_t streamBase_ = 0;
  std::uint64_t rawNext_ = 0;
  std::string rawRest_;
  bool rawDone_ = false;
};

// Where a full block is cut: after its last CR LF at or after `from`;
// without one, at its last character boundary, before a CR that ends it
// (its LF may begin the next block). block[0] is a character boundary.
std::uint32_t BlockCut(const std::string& block, std::uint32_t from = 0);

}  // namespace quelt
