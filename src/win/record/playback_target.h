// The edit window as playback sees it: the records that are not the
// frame's go to the active one through these entry points.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "find/find_record.h"

namespace quelt::win {

class PlaybackTarget {
 public:
  // A navigation key with the recorded Shift and Ctrl (modifier bits 1, 2).
  virtual void PlayKey(UINT vk, std::uint32_t modifiers) = 0;
  // A command of the view (kind kOpViewCommand), as its menu item runs it.
  virtual void PlayViewCommand(UINT id) = 0;
  virtual void TypeRecordedText(std::string_view text) = 0;
  virtual void PlayDelete(std::uint32_t count) = 0;
  virtual void OnFindReplaceMessage(const FindRequest& request) = 0;
  virtual void FindBoxSearch(const std::string& text, bool down) = 0;
  // Playback ended: the status bar and the composition window, left alone
  // meanwhile, follow the caret.
  virtual void PlaybackEnded() = 0;

 protected:
  ~PlaybackTarget() = default;
};

}  // namespace quelt::win
