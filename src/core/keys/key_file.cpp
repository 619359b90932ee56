#include "keys/key_file.h"

#include <algorithm>

namespace quelt {
namespace {

constexpr std::size_t kNameField = 264;
constexpr std::size_t kOldNameField = 10;

std::uint32_t U16(std::string_view b, std::size_t at) {
  return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}

std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

void Put16(std::string& out, std::uint32_t v) {
  out += char(v & 0xFF);
  out += char((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The zero-ended text of a name field, cut to what a binding can hold.
std::string NameField(std::string_view field) {
  field = field.substr(0, std::min(field.find('\0'), kMaxOperationNameLength));
  return std::string(field);
}

// Builds a binding from its fields; false for a kind or modifiers the
// format does not know.
bool MakeBinding(std::uint32_t key, std::uint32_t kind, std::uint32_t modifiers, std::uint32_t command,
                 std::string_view nameField, KeyBinding& out) {
  if (kind < 1 || kind > 3 || modifiers > kModCtrlShift) return false;
  out.key = key;
  out.kind = static_cast<BindingKind>(kind);
  out.modifiers = static_cast<std::uint16_t>(modifiers);
  out.command = static_cast<CommandId>(command);
  out.operation = out.kind == BindingKind::kOperation ? NameField(nameField) : std::string();
  return true;
}

bool ParseCurrent(std::string_view b, std::vector<KeyBinding>& out) {
  if (b.size() < kKeyFileHeaderSize) return false;
  const std::uint32_t length = U32(b, 0);
  const std::uint32_t count = U32(b, 4);
  if (length != b.size() || count > kMaxKeyBindings || U32(b, 8) != kKeyFileMark) return false;
  if (length != kKeyFileHeaderSize + kKeyFileBindingSize * count) return false;
  out.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kKeyFileHeaderSize + kKeyFileBindingSize * i;
    if (!MakeBinding(U32(b, at), U32(b, at + 4), U16(b, at + 8), U16(b, at + 10), b.substr(at + 12, kNameField),
                     out[i]))
      return false;
  }
  return true;
}

bool ParseOlder(std::string_view b, std::vector<KeyBinding>& out) {
  if (b.size() <= 23) return false;
  const std::uint32_t length = U16(b, 0);
  const std::uint32_t count = U16(b, 2);
  if (length != b.size() || U16(b, 4) != kOldKeyFileMark || count > kMaxKeyBindings) return false;
  if (length != kOldKeyFileHeaderSize + kOldKeyFileBindingSize * count) return false;
  out.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kOldKeyFileHeaderSize + kOldKeyFileBindingSize * i;
    if (!MakeBinding(U16(b, at), U16(b, at + 2), U16(b, at + 4), U16(b, at + 6), b.substr(at + 8, kOldNameField),
                     out[i]))
      return false;
  }
  return true;
}

bool IsOlderLayout(std::string_view b) {
  if (b.size() < 6 || U16(b, 4) != kOldKeyFileMark) return false;
  return b.size() < 12 || U32(b, 8) != kKeyFileMark;
}

}  // namespace

bool ParseKeyFile(std::string_view bytes, std::vector<KeyBinding>& out) {
  out.clear();
  const bool ok = IsOlderLayout(bytes) ? ParseOlder(bytes, out) : ParseCurrent(bytes, out);
  if (!ok) out.clear();
  return ok;
}

std::string BuildKeyFile(std::span<const KeyBinding> bindings) {
  const std::size_t count = std::min(bindings.size(), kMaxKeyBindings);
  std::string out;
  out.reserve(kKeyFileHeaderSize + kKeyFileBindingSize * count);
  Put32(out, static_cast<std::uint32_t>(kKeyFileHeaderSize + kKeyFileBindingSize * count));
  Put32(out, static_cast<std::uint32_t>(count));
  Put32(out, kKeyFileMark);
  for (std::size_t i = 0; i < count; ++i) {
    const KeyBinding& k = bindings[i];
    Put32(out, k.key);
    Put32(out, static_cast<std::uint32_t>(k.kind));
    Put16(out, k.modifiers);
    Put16(out, k.command);
    std::string name = k.kind == BindingKind::kOperation ? k.operation.substr(0, kMaxOperationNameLength) : "";
    name.resize(kNameField, '\0');
    out += name;
  }
  return out;
}

}  // namespace quelt
