// Tag erase (32951): every tag, from "<" to the next ">", inside a stream
// selection is removed, turning marked-up text back into plain text.
#pragma once

#include <cstdint>

#include "html/tag_insert.h"

namespace quelt {

// The largest selection tag erase takes.
inline constexpr std::uint32_t kMaxTagEraseBytes = 1048576;

// The command is enabled only while a stream selection exists.
inline bool CanEraseTags(TagSelection kind, bool hasSelection) {
  return hasSelection && kind == TagSelection::kStream;
}

// Removes the tags of the window's stream selection, each as one deletion
// (one undo step). A "<" whose ">" does not come before the next "<" or the
// end of the selection ends the scan, so a tag running past the selection,
// and everything after an unclosed "<", stays. The selection is cancelled;
// one over 1 MiB shows "指定範囲が大き過ぎます。" and changes nothing. A
// document that refuses changes beeps. The change is applied once, at the
// end; the caret goes to the end of what was the selection. The window
// shows the wait cursor around the call.
TagEditResult EraseTags(TagWindow& w);

}  // namespace quelt
