// Characters as the keyboard delivers them (one WM_CHAR per byte) turned
// into the text that typing inserts.
#pragma once

#include <cstdint>
#include <string>

#include "base/sjis.h"

namespace quelt {

// Typed characters are repeated at most this many times per key message.
constexpr int kMaxTypedRepeat = 2;

// A Shift-JIS lead byte waits for the next character, its trail byte, so a
// double-byte character is typed (and recorded for undo) as one.
class PendingLeadByte {
 public:
  // The text to type for one delivered byte: empty while a lead byte waits.
  std::string Feed(std::uint8_t byte, LeadByteTest lead = LeadByteTest());
  bool Waiting() const { return waiting_; }
  void Reset() { waiting_ = false; }

 private:
  bool waiting_ = false;
  std::uint8_t lead_ = 0;
};

// The text that a character typed repeat times inserts: Enter types CR LF,
// a tab is typed once, other characters at most kMaxTypedRepeat times;
// control characters other than Tab and Enter type nothing (Backspace is
// handled before this).
std::string TypedText(const std::string& character, int repeat);

}  // namespace quelt
