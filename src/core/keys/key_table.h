// The key table: at most 80 bindings in the order they were added, read
// from the key-definition file once at start-up and written after every
// change. The front end offers every key-down to Dispatch before it is
// translated and runs what it returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "base/host.h"
#include "keys/key_binding.h"

namespace quelt {

enum class AddResult {
  kAdded,          // appended and saved (a failed save has shown its message)
  kNothingChosen,  // no command, operation or extended command: beeped
  kBadKeyText,     // the key is not one of the list: beeped
  kNotAllowed,     // no modifier with a key other than F2-F12, or Shift alone
                   // with a letter or digit: beeped
  kTableFull,      // 80 bindings already: message 59432
  kAlreadyBound,   // the key with these modifiers is bound: message 59431
};

// What a key-down runs.
struct KeyAction {
  enum class Kind { kNone, kCommand, kOperation };
  Kind kind = Kind::kNone;
  CommandId command = 0;  // kCommand: send to the frame as a menu command
  std::string operation;  // kOperation: play this operation file
  explicit operator bool() const { return kind != Kind::kNone; }
};

class KeyTable {
 public:
  // keyFile: the executable's path with its extension replaced by "key".
  KeyTable(FileSystem& files, Host& host, std::string keyFile);

  // Reads the file into the table. A missing or unreadable file leaves the
  // table empty silently; a malformed one shows 59428 and leaves it empty.
  void Load();
  // Writes the whole table; false after message 59430.
  bool Save();

  // Appends a binding after the checks of the keyboard page, then saves.
  // A kind-2 binding needs a name (at most 263 bytes), the others an id.
  AddResult Add(BindingKind kind, std::uint32_t key, std::uint16_t modifiers, CommandId id,
                std::string_view name = {});
  // The same, from the page's key box text and check boxes.
  AddResult AddFromPage(BindingKind kind, CommandId id, std::string_view name, std::string_view keyText,
                        bool ctrl, bool shift);
  // Removes one binding (later ones move up) and saves; false for an index
  // out of range.
  bool Remove(std::size_t index);
  // Removes every kind-2 binding naming this operation file (it was
  // overwritten) and saves when any went; returns how many.
  std::size_t RemoveOperation(std::string_view name);
  // Removes every kind-2 binding whose operation file is not in the folder
  // (or whose name no longer gives a valid path there) and saves when any
  // went; returns how many.
  std::size_t RemoveMissingOperations(const std::string& folder);

  // The first binding in table order with this key and these modifiers.
  KeyAction Dispatch(std::uint32_t key, bool ctrl, bool shift) const;

  std::span<const KeyBinding> Bindings() const { return bindings_; }
  std::size_t size() const { return bindings_.size(); }
  // The key text of binding index ("" out of range).
  std::string KeyText(std::size_t index) const;

  // The kind-1 binding a command's menu item shows: fewest modifiers first
  // (none, Ctrl, Shift, Ctrl+Shift), then the higher key code.
  std::optional<std::size_t> MenuKeyFor(CommandId command) const;
  // Its key text, or "" when the command has no kind-1 binding.
  std::string MenuKeyTextFor(CommandId command) const;

 private:
  std::size_t RemoveIf(const std::function<bool(const KeyBinding&)>& drop);

  FileSystem& files_;
  Host& host_;
  std::string keyFile_;
  std::vector<KeyBinding> bindings_;
};

}  // namespace quelt
