// One key binding: a key with Ctrl and/or Shift that sends a command to the
// frame or plays an operation file, and the keys a binding may use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/command_ids.h"

namespace quelt {

enum class BindingKind : std::uint32_t {
  kMenuCommand = 1,      // sends its command id to the frame
  kOperation = 2,        // plays the named operation file
  kExtendedCommand = 3,  // sends its command id to the frame
};

// Modifier states as the file stores them.
enum KeyModifiers : std::uint16_t {
  kModNone = 0,
  kModCtrl = 1,
  kModShift = 2,
  kModCtrlShift = 3,
};

constexpr KeyModifiers ModifiersOf(bool ctrl, bool shift) {
  return static_cast<KeyModifiers>((ctrl ? kModCtrl : 0) | (shift ? kModShift : 0));
}

// The longest operation-file name a binding holds (the file keeps it in 264
// bytes with its zero byte).
constexpr std::size_t kMaxOperationNameLength = 263;

struct KeyBinding {
  std::uint32_t key = 0;  // virtual-key code
  BindingKind kind = BindingKind::kMenuCommand;
  std::uint16_t modifiers = kModNone;
  CommandId command = 0;    // kinds 1 and 3
  std::string operation;    // kind 2: the operation file's name (Shift-JIS)
  bool operator==(const KeyBinding&) const = default;
};

// Virtual-key codes the bindings use.
constexpr std::uint32_t kVkInsert = 45;
constexpr std::uint32_t kVkDelete = 46;
constexpr std::uint32_t kVkF2 = 113;
constexpr std::uint32_t kVkF12 = 123;

struct BindableKey {
  std::uint32_t code;
  std::string_view name;
};

// The 49 keys a binding can use, in the order of the key list: "A"-"Z",
// "0"-"9", "F2"-"F12", "Insert", "Delete". F1 is help and never bound.
std::span<const BindableKey> BindableKeys();
bool IsBindableKey(std::uint32_t code);
// The key of a key-list entry's text (the key box's text must be shorter
// than 9 characters and match an entry exactly); nullopt otherwise.
std::optional<std::uint32_t> KeyFromText(std::string_view text);

// Whether a key may be bound with these modifiers: without a modifier only
// F2-F12; with Shift alone no letter or digit.
bool IsAllowedCombination(std::uint32_t key, std::uint16_t modifiers);

// The key as menus show it: "Ctrl+", "Shift+" or "Ctrl+Shift+" and the key's
// name ("A", "7", "F5", "Insert", "Delete"). The texts are the same in both
// interface languages. A key outside the list (only a file can hold one)
// shows the modifiers alone.
std::string KeyText(std::uint32_t key, std::uint16_t modifiers);
inline std::string KeyText(const KeyBinding& b) { return KeyText(b.key, b.modifiers); }

// Whether two operation names give the same file: ".mac" is appended unless
// present and file names compare without regard to case.
bool SameOperationFile(std::string_view a, std::string_view b);

}  // namespace quelt
