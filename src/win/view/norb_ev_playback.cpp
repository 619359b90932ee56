// Recorded operations played back into the edit window: navigation keys
// with their recorded Shift and Ctrl, typed text and deletions. Commands
// and searches go through the same entry points the menus and dialogs use.

#include "view/norb_ev.h"

#include "framework/view.h"
#include "record/operation_recorder.h"
#include "view/edit_context.h"
#include "view/norb_doc.h"
#include "view/status_sink.h"

namespace quelt::win {

void CNorbEV::PlayKey(UINT vk, std::uint32_t modifiers) {
  // While the key is handled, the window's Shift and Ctrl are the recorded ones.
  const int saved = playbackModifiers_;
  playbackModifiers_ = static_cast<int>(modifiers & 3);
  OnKeyDown(vk, 0);
  playbackModifiers_ = saved;
}

void CNorbEV::TypeRecordedText(std::string_view text) {
  if (text == "\b") {
    recorder_.Record(kOpTypedText, 0, text);
    Backspace();
  } else if (text == "\t") {
    recorder_.Record(kOpTypedText, 0, text);
    TabKey(false);
  } else {
    TypeBytes(std::string(text));
  }
}

void CNorbEV::PlayDelete(std::uint32_t count) {
  for (std::uint32_t i = 0; i < count; ++i) DeleteKey(false);
}

// The view forwards a command to whichever of its windows is in use.
void CNorbEV::PlayViewCommand(UINT id) { owner_->OnCommand(id); }

void CNorbEV::PlaybackEnded() {
  context_.status.OnCaretMoved(this);
  ShowSystemCaret();
}

Document& CNorbEV::OwnerDocument() { return doc_; }

TextStore& CNorbEV::Store() { return doc_.Store(); }

}  // namespace quelt::win
