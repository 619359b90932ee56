// The records the find and replace dialogs and the find box leave for
// operation recording, and their reading back during playback. The dialog's
// record (operation 304) holds six 32-bit flags in the order find next,
// closing, replace, replace all, match case, down; the search string and a
// zero byte; the replacement and a zero byte; then the regular-expression
// flag and the width flag, 32 bits each. The find box's record (operation
// 305) carries the direction as its id and the text with a zero byte as its
// data. Integers are little-endian.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quelt {


// One notification of the find or replace dialog: what was pressed and
// with which strings and options. Playback hands the same request to the
// same entry point.
struct FindRequest {
  bool findNext = false;
  bool closing = false;
  bool replace = false;
  bool replaceAll = false;
  bool matchCase = false;
  bool down = true;
  std::string text;
  std::string replacement;
  bool regex = false;
  bool distinguishWidth = true;
  bool operator==(const FindRequest&) const = default;
};

std::string EncodeFindRecord(const FindRequest& request);
// Nullopt for a record that is too short, lacks its zero bytes, or holds a
// string longer than 80 bytes (playback beeps and stops).
std::optional<FindRequest> DecodeFindRecord(std::string_view record);

// The find box's text as its record holds it; nullopt for a record without
// its zero byte or with an empty or over-long text.
std::string EncodeFindBoxText(std::string_view text);
std::optional<std::string> DecodeFindBoxText(std::string_view record);

}  // namespace quelt
