#include "keys/key_binding.h"

#include <array>

#include "base/path.h"
#include "record/operation_file_io.h"

namespace quelt {
namespace {

constexpr std::array<BindableKey, 49> kKeys = {{
    {'A', "A"},     {'B', "B"},     {'C', "C"},     {'D', "D"},     {'E', "E"},      {'F', "F"},
    {'G', "G"},     {'H', "H"},     {'I', "I"},     {'J', "J"},     {'K', "K"},      {'L', "L"},
    {'M', "M"},     {'N', "N"},     {'O', "O"},     {'P', "P"},     {'Q', "Q"},      {'R', "R"},
    {'S', "S"},     {'T', "T"},     {'U', "U"},     {'V', "V"},     {'W', "W"},      {'X', "X"},
    {'Y', "Y"},     {'Z', "Z"},     {'0', "0"},     {'1', "1"},     {'2', "2"},      {'3', "3"},
    {'4', "4"},     {'5', "5"},     {'6', "6"},     {'7', "7"},     {'8', "8"},      {'9', "9"},
    {113, "F2"},    {114, "F3"},    {115, "F4"},    {116, "F5"},    {117, "F6"},     {118, "F7"},
    {119, "F8"},    {120, "F9"},    {121, "F10"},   {122, "F11"},   {123, "F12"},    {kVkInsert, "Insert"},
    {kVkDelete, "Delete"},
}};

constexpr std::size_t kMaxKeyTextLength = 8;  // "shorter than 9 characters"

const BindableKey* FindKey(std::uint32_t code) {
  for (const BindableKey& k : kKeys) {
    if (k.code == code) return &k;
  }
  return nullptr;
}

bool IsLetterOrDigit(std::uint32_t key) {
  return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

}  // namespace

std::span<const BindableKey> BindableKeys() { return kKeys; }

bool IsBindableKey(std::uint32_t code) { return FindKey(code) != nullptr; }

std::optional<std::uint32_t> KeyFromText(std::string_view text) {
  if (text.size() > kMaxKeyTextLength) return std::nullopt;
  for (const BindableKey& k : kKeys) {
    if (k.name == text) return k.code;
  }
  return std::nullopt;
}

bool IsAllowedCombination(std::uint32_t key, std::uint16_t modifiers) {
  if (!IsBindableKey(key) || modifiers > kModCtrlShift) return false;
  if (modifiers == kModNone) return key >= kVkF2 && key <= kVkF12;
  if (modifiers == kModShift) return !IsLetterOrDigit(key);
  return true;
}

std::string KeyText(std::uint32_t key, std::uint16_t modifiers) {
  std::string text;
  if (modifiers & kModCtrl) text += "Ctrl+";
  if (modifiers & kModShift) text += "Shift+";
  if (const BindableKey* k = FindKey(key)) text += k->name;
  return text;
}

bool SameOperationFile(std::string_view a, std::string_view b) {
  auto file = [](std::string_view name) {
    std::string f(name);
    if (!EndsWithNoCase(f, kOperationFileExtension)) f += kOperationFileExtension;
    return f;
  };
  return EqualsNoCase(file(a), file(b));
}

}  // namespace quelt
