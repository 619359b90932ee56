// What the open command leaves for operation recording: the open dialog's
// choice (open kind, code, read-only, the files), so that playback opens the
// same files without the dialog. Layout: three 32-bit values (kind, code,
// read-only), then each path with a zero byte.
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

}  // namespace quelt
