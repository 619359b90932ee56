// The records the find and replace dialogs and the find box leave for
// operation recording, and their reading back during playback. The dialog's
// record (operation 304) holds six 32-bit flags in the order find next,
// closing, replace, replace all, match case, down; the search string and a
// zero byte; the replacement and a zero byte; then the regular-expression
// flag and the width flag, 32 bits each. The find box's record (operation
// 305) holds the direction as 32 bits and the text with a zero byte.
// Integers are little-endian.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quelt {

constexpr int kOperationFindDialog = 304;
constexpr int kOperationFindBox = 305;
constexpr int kOperationJump = 256;

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

struct FindBoxRequest {
  bool down = true;
  std::string text;
  bool operator==(const FindBoxRequest&) const = default;
};

std::string EncodeFindBoxRecord(const FindBoxRequest& request);
std::optional<FindBoxRequest> DecodeFindBoxRecord(std::string_view record);

}  // namespace quelt
