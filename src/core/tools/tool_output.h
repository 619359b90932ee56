// The captured output of a user tool, read from its pipe in pieces of up to
// 255 bytes. A piece that ends with a CR or with the first byte of a
// double-byte character keeps that byte back for the next piece, so the
// document never receives half a character or half of a CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

constexpr std::size_t kToolOutputPiece = 255;

class ToolOutputPieces {
 public:
  // Takes a piece read from the pipe (at most kToolOutputPiece bytes) and
  // gives what may be appended now: the byte kept from before, then the
  // piece without a final CR or lead byte.
  std::string Take(std::string_view piece);
  // At the end of the output: the byte still kept, if any.
  std::string Finish();
  // How many bytes the next read may take so that, with the byte kept
  // back, a piece stays within kToolOutputPiece.
  std::size_t NextReadSize() const { return kToolOutputPiece - kept_.size(); }

 private:
  std::string kept_;
};

}  // namespace quelt
