#include "keys/key_table.h"

#include <algorithm>

#include "keys/key_file.h"
#include "record/operation_file_io.h"

namespace quelt {

KeyTable::KeyTable(FileSystem& files, Host& host, std::string keyFile)
    : files_(files), host_(host), keyFile_(std::move(keyFile)) {}

void KeyTable::Load() {
  bindings_.clear();
  std::string bytes;
  if (keyFile_.empty() || !files_.ReadFile(keyFile_, bytes, kKeyFileReadSize)) return;
  if (!ParseKeyFile(bytes, bindings_)) host_.ShowMessage(kMsgBadKeyFile);
}

bool KeyTable::Save() {
  if (!keyFile_.empty() && files_.WriteFile(keyFile_, BuildKeyFile(bindings_))) return true;
  host_.ShowMessage(kMsgKeyFileWriteError);
  return false;
}

AddResult KeyTable::Add(BindingKind kind, std::uint32_t key, std::uint16_t modifiers, CommandId id,
                        std::string_view name) {
  const bool chosen = kind == BindingKind::kOperation
                          ? !name.empty() && name.size() <= kMaxOperationNameLength && name.find('\0') == name.npos
                          : (kind == BindingKind::kMenuCommand || kind == BindingKind::kExtendedCommand) && id != 0;
  if (!chosen) {
    host_.Beep();
    return AddResult::kNothingChosen;
  }
  if (!IsBindableKey(key)) {
    host_.Beep();
    return AddResult::kBadKeyText;
  }
  if (!IsAllowedCombination(key, modifiers)) {
    host_.Beep();
    return AddResult::kNotAllowed;
  }
  if (bindings_.size() >= kMaxKeyBindings) {
    host_.ShowMessage(kMsgTooManyKeyBindings);
    return AddResult::kTableFull;
  }
  const bool taken = std::any_of(bindings_.begin(), bindings_.end(), [&](const KeyBinding& b) {
    return b.key == key && b.modifiers == modifiers;
  });
  if (taken) {
    host_.ShowMessage(kMsgKeyAlreadyBound);
    return AddResult::kAlreadyBound;
  }
  KeyBinding b;
  b.key = key;
  b.kind = kind;
  b.modifiers = modifiers;
  b.command = kind == BindingKind::kOperation ? 0 : id;
  if (kind == BindingKind::kOperation) b.operation = std::string(name);
  bindings_.push_back(std::move(b));
  Save();
  return AddResult::kAdded;
}

AddResult KeyTable::AddFromPage(BindingKind kind, CommandId id, std::string_view name, std::string_view keyText,
                                bool ctrl, bool shift) {
  const std::optional<std::uint32_t> key = KeyFromText(keyText);
  const bool chosen = kind == BindingKind::kOperation ? !name.empty() : id != 0;
  if (chosen && !key) {
    host_.Beep();
    return AddResult::kBadKeyText;
  }
  return Add(kind, key.value_or(0), ModifiersOf(ctrl, shift), id, name);
}

bool KeyTable::Remove(std::size_t index) {
  if (index >= bindings_.size()) return false;
  bindings_.erase(bindings_.begin() + static_cast<std::ptrdiff_t>(index));
  Save();
  return true;
}

std::size_t KeyTable::RemoveIf(const std::function<bool(const KeyBinding&)>& drop) {
  const auto end = std::remove_if(bindings_.begin(), bindings_.end(), drop);
  const auto removed = static_cast<std::size_t>(bindings_.end() - end);
  bindings_.erase(end, bindings_.end());
  if (removed > 0) Save();
  return removed;
}

std::size_t KeyTable::RemoveOperation(std::string_view name) {
  return RemoveIf([name](const KeyBinding& b) {
    return b.kind == BindingKind::kOperation && SameOperationFile(b.operation, name);
  });
}

std::size_t KeyTable::RemoveMissingOperations(const std::string& folder) {
  return RemoveIf([this, &folder](const KeyBinding& b) {
    if (b.kind != BindingKind::kOperation) return false;
    const std::optional<std::string> path = OperationFilePath(folder, b.operation);
    return !path || !OperationFileExists(files_, *path);
  });
}

KeyAction KeyTable::Dispatch(std::uint32_t key, bool ctrl, bool shift) const {
  const std::uint16_t modifiers = ModifiersOf(ctrl, shift);
  for (const KeyBinding& b : bindings_) {
    if (b.key != key || b.modifiers != modifiers) continue;
    if (b.kind == BindingKind::kOperation) return {KeyAction::Kind::kOperation, 0, b.operation};
    return {KeyAction::Kind::kCommand, b.command, {}};
  }
  return {};
}

std::string KeyTable::KeyText(std::size_t index) const {
  return index < bindings_.size() ? quelt::KeyText(bindings_[index]) : std::string();
}

std::optional<std::size_t> KeyTable::MenuKeyFor(CommandId command) const {
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < bindings_.size(); ++i) {
    const KeyBinding& b = bindings_[i];
    if (b.kind != BindingKind::kMenuCommand || b.command != command) continue;
    if (!best) {
      best = i;
      continue;
    }
    const KeyBinding& c = bindings_[*best];
    if (b.modifiers < c.modifiers || (b.modifiers == c.modifiers && b.key > c.key)) best = i;
  }
  return best;
}

std::string KeyTable::MenuKeyTextFor(CommandId command) const {
  const std::optional<std::size_t> i = MenuKeyFor(command);
  return i ? KeyText(*i) : std::string();
}

}  // namespace quelt
