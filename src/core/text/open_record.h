// What the open and save-as commands leave for operation recording, so that
// playback repeats them without their dialogs. The open dialog's choice:
// three 32-bit values (kind, code, read-only), then each path with a zero
// byte. The save dialog's choice: the code and the line end (32 bits each),
// then the path with a zero byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/char_code.h"
#include "text/open_kind.h"

namespace quelt {

struct OpenDialogChoice {
  std::vector<std::string> paths;  // Shift-JIS
  OpenKindId kind = OpenKindId::kAuto;
  CharCodeId code = CharCodeId::kAuto;
  bool readOnly = false;
  bool operator==(const OpenDialogChoice&) const = default;
};

std::string EncodeOpenDialogChoice(const OpenDialogChoice& choice);
// Nullopt for a short record, a kind or code out of range, no path, an
// empty path or one without its zero byte.
std::optional<OpenDialogChoice> DecodeOpenDialogChoice(std::string_view record);

struct SaveAsRecord {
  std::string path;
  CharCodeId code = CharCodeId::kAuto;
  LineEndId lineEnd = LineEndId::kAuto;
  bool operator==(const SaveAsRecord&) const = default;
};

std::string EncodeSaveAsRecord(const SaveAsRecord& choice);
// Nullopt for a short record, a code or line end out of range, or an empty
// path or one without its zero byte.
std::optional<SaveAsRecord> DecodeSaveAsRecord(std::string_view record);

}  // namespace quelt
