// Tag jumps: reading a result line of the global search ("path(line): text")
// under the caret, and stepping to the next or previous line with the wrap
// at either end of the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/types.h"
#include "text/text_store.h"

namespace quelt {

class TextStore;

// Only the first 270 bytes of the caret's line are read.
constexpr std::size_t kTagLineBytes = 270;
// A path with its drive: 4 to 259 bytes.
constexpr std::size_t kMinTagPath = 4;
constexpr std::size_t kMaxTagPath = 259;

struct TagJumpTarget {
  std::string path;
  std::uint32_t line = 0;  // 1-based logical line
  bool operator==(const TagJumpTarget&) const = default;
};

// The largest line number a result line may name: any the text store can
// hold (a logical line per display line at most).
constexpr std::uint32_t kMaxTagLineNumber = kMaxDisplayLines;

// The file and line a result line names, or nullopt. The line must be over
// 6 bytes and begin with a drive ("C:\"). The file part ends at the first
// colon after the drive (or with the line); its last parenthesised number,
// followed by nothing but blanks, is the line (1 to kMaxTagLineNumber), and
// the 4 to 259 bytes before its "(" are the path, which may hold
// parentheses of its own ("C:\x(1)\a.txt(5): ...", "C:\Program Files (x86)\...").
std::optional<TagJumpTarget> ParseTagJumpLine(std::string_view line);

// The first kTagLineBytes of the logical line holding p, without its CR LF.
std::string TagLineAt(const TextStore& store, TextOffset p);

// The start of the logical line a next (down) or previous step goes to from
// the line holding p. At the last line (first, going up) the first step only
// sets wrapPending and gives nullopt (the command beeps); the next one goes
// to the first line (last, going up). The empty line after a final CR LF
// is not a line here. A successful jump clears wrapPending.
std::optional<TextOffset> StepTagLine(const TextStore& store, TextOffset p, bool down, bool& wrapPending);

}  // namespace quelt
