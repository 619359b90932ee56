#include "keys/key_list.h"

#include <functional>

#include "app/command_table.h"
#include "base/cp932.h"

namespace quelt {
namespace {

// UTF-8 (the command table's texts) as Shift-JIS. A broken sequence gives
// U+FFFD, which Shift-JIS shows as '?'.
std::string Utf8ToSjis(std::string_view text) {
  std::u16string units;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    std::size_t n = 1;
    bool ok = extra >= 0 && i + extra < text.size();
    for (int k = 1; ok && k <= extra; ++k, ++n) {
      const auto c = static_cast<std::uint8_t>(text[i + k]);
      ok = (c & 0xC0) == 0x80;
      cp = cp << 6 | (c & 0x3F);
    }
    i += ok ? n : 1;
    if (!ok) cp = 0xFFFD;
    if (cp >= 0x10000) {
      units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      units += static_cast<char16_t>(cp);
    }
  }
  return Utf16ToSjis(units);
}

void AddLine(std::string& doc, const std::string& line) {
  doc += line;
  doc += "\r\n";
}

// One line: the name padded to its width, then the keys of the bindings
// `match` picks while the line stays within its limit.
std::string ListLine(std::string name, std::span<const KeyBinding> bindings,
                     const std::function<bool(const KeyBinding&)>& match) {
  if (name.size() < kKeyListNameWidth) name.resize(kKeyListNameWidth, ' ');
  for (const KeyBinding& b : bindings) {
    if (!match(b)) continue;
    const std::string piece = KeyText(b) + "  ";
    if (name.size() + piece.size() > kKeyListLineLimit) break;
    name += piece;
  }
  return name;
}

}  // namespace

std::string KeyListDocument(std::span<const KeyBinding> bindings, std::span<const BindableCommand> commands,
                            std::span<const std::string> operations,
                            std::span<const ExtendedCommandName> extended, bool english) {
  std::string doc;
  AddLine(doc, english ? "--- Menu ---" : Utf8ToSjis("--- メニュー ---"));
  for (const BindableCommand& c : commands) {
    AddLine(doc, ListLine(Utf8ToSjis(MenuTextWithoutMnemonic(c.name)), bindings, [&c](const KeyBinding& b) {
              return b.kind == BindingKind::kMenuCommand && b.command == c.id;
            }));
  }
  AddLine(doc, english ? "--- Operation ---" : Utf8ToSjis("--- 操作 ---"));
  for (const std::string& name : operations) {
    AddLine(doc, ListLine(name, bindings, [&name](const KeyBinding& b) {
              return b.kind == BindingKind::kOperation && SameOperationFile(b.operation, name);
            }));
  }
  AddLine(doc, english ? "--- Extended Command ---" : Utf8ToSjis("--- 拡張コマンド ---"));
  for (const ExtendedCommandName& e : extended) {
    AddLine(doc, ListLine(e.name, bindings, [&e](const KeyBinding& b) {
              return b.kind == BindingKind::kExtendedCommand && b.command == e.id;
            }));
  }
  return doc;
}

}  // namespace quelt
