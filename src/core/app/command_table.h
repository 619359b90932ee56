// The command table: for every command id its menu label, its mnemonic, the
// status-bar prompt and the tooltip. Texts are UTF-8.
//
// A stored menu text is the label, then the mnemonic group, then "..." for
// items that open a dialog, e.g. "開く(\x1EO\x1Fﾗ)...". The group is either
// "(&L)" or the control-byte form: 0x1E, a Latin letter, 0x1F, a half-width
// katakana letter, all inside parentheses. The control-byte form keeps both
// letters so the menu can show either; on screen it becomes "(&L)".
//
// Where a command has no kana letter of its own, the kana is the one printed
// on the same key of the JIS kana keyboard as the Latin letter (N -> ﾐ,
// O -> ﾗ, ...), so in kana-input mode the same key press picks the item.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/command_ids.h"

namespace quelt {

enum class MnemonicForm : std::uint8_t {
  kControl,    // "(\x1EL\x1Fｶ)"
  kAmpersand,  // "(&L)"
};

inline constexpr char kMnemonicLatinMark = '\x1E';
inline constexpr char kMnemonicKanaMark = '\x1F';

struct CommandInfo {
  CommandId id = 0;
  std::string_view label;   // menu text without the group; empty: no menu item
  char letter = 0;          // Latin mnemonic letter, 0 for none
  bool dots = false;        // the item opens a dialog: "..." after the group
  std::string_view prompt;  // status-bar text, may be empty
  std::string_view tip;     // tooltip, may be empty
  std::string_view kana = {};  // half-width katakana letter; empty: by the key rule
  MnemonicForm form = MnemonicForm::kControl;
};

// The record of id, or nullptr for an id the program does not know.
const CommandInfo* FindCommand(CommandId id);
// Every command record, in no particular order.
std::span<const CommandInfo* const> AllCommands();

// True for ids in the program's own range, the framework block or the bars.
bool IsCommandIdInRange(CommandId id);

// The half-width katakana on the same JIS kana-keyboard key as the Latin
// letter (either case) as UTF-8; empty for a character that has none.
std::string_view KanaForLatin(char letter);
// The kana letter of a command: its own, or the key rule's.
std::string_view CommandKana(const CommandInfo& info);

// Stored menu text of a command: label + group + "...". labelOverride
// replaces the label (menu items whose text follows a state).
std::string StoredMenuText(const CommandInfo& info, std::string_view labelOverride = {});
// Builds a stored text from its parts. letter 0 gives no group.
std::string ComposeMenuText(std::string_view label, char letter, std::string_view kana,
                            bool dots, MnemonicForm form);

// Which letter the screen shows for a control-byte group.
enum class MnemonicShow : std::uint8_t { kLatin, kKana };

// The text a menu shows: a control-byte group becomes "(&L)" (or "(&ｶ)");
// everything else, a tab and key text included, is kept.
std::string DisplayMenuText(std::string_view stored, MnemonicShow show = MnemonicShow::kLatin);

struct DecodedMenuText {
  std::string label;        // without group, dots and key text
  char letter = 0;          // 0 when the text has no mnemonic
  std::string kana;         // empty for the "(&L)" and "&" forms
  bool dots = false;
  bool grouped = false;     // the mnemonic stood in a parenthesised group
  MnemonicForm form = MnemonicForm::kControl;
  std::string keyText;      // what follows a tab, without the tab
};

// Splits a stored or displayed menu text into its parts. Understands the
// control-byte group, "(&L)" and an "&" inside the label ("&Open", with "&&"
// for a literal ampersand).
DecodedMenuText DecodeMenuText(std::string_view text);

// The command's name as lists show it: the text cut at its tab, with the
// mnemonic removed (the parenthesised group cut, or the "&" dropped). The
// "..." stays.
std::string MenuTextWithoutMnemonic(std::string_view text);

// The command's string: prompt, then a line feed and the tip when it has one.
std::string CommandString(const CommandInfo& info);
// The two lines of a command string. An empty first line means no prompt;
// without a line feed there is no tip.
struct CommandStringParts {
  std::string_view prompt;
  std::string_view tip;
};
CommandStringParts SplitCommandString(std::string_view text);

// Keys the frame's accelerator table binds; all others go through key
// assignment. Key codes are virtual-key codes.
struct FrameAccelerator {
  std::uint16_t key;
  bool shift;
  bool alt;
  CommandId command;
};
std::span<const FrameAccelerator> FrameAccelerators();

// Data tables, one per group of commands (each defined in its own file).
std::span<const CommandInfo> FileCommandData();
std::span<const CommandInfo> EditCommandData();
std::span<const CommandInfo> ViewToolCommandData();
std::span<const CommandInfo> TagCommandData();

}  // namespace quelt
