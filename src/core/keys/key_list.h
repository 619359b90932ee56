// The key list the keyboard page's "一覧作成" button writes into a new text
// document: the menu commands, the operation files and the extended
// commands, each with the keys bound to it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "keys/bindable_commands.h"
#include "keys/key_binding.h"

namespace quelt {

struct ExtendedCommandName {
  CommandId id = 0;
  std::string name;  // Shift-JIS
};

// Lines are padded with blanks to this many bytes before the keys, and keys
// are added while the line stays within the limit.
constexpr std::size_t kKeyListNameWidth = 30;
constexpr std::size_t kKeyListLineLimit = 256;

// The document's text, in Shift-JIS with CR LF after every line: a heading
// per section ("--- Menu ---" / "--- メニュー ---" and so on, by the
// interface language), then one line per command (its menu text without
// the mnemonic), per operation file (its name as given) and per extended
// command, each followed by the key texts of its bindings in table order,
// every one followed by two blanks.
std::string KeyListDocument(std::span<const KeyBinding> bindings, std::span<const BindableCommand> commands,
                            std::span<const std::string> operations,
                            std::span<const ExtendedCommandName> extended, bool english);

}  // namespace quelt
