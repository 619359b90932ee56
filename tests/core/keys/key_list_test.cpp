#include "keys/key_list.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/command_table.h"
#include "base/cp932.h"

namespace quelt {
namespace {

TEST(KeyBindableCommands, OneHundredThirtyDistinctCommandsNamedFromTheMenuBar) {
  const auto& list = BindableCommands();
  ASSERT_EQ(list.size(), std::size_t(kBindableCommandCount));
  std::set<CommandId> ids;
  for (const BindableCommand& c : list) {
    ids.insert(c.id);
    EXPECT_FALSE(c.name.empty()) << c.id;
    EXPECT_EQ(c.name.find('\t'), std::string::npos);
  }
  EXPECT_EQ(ids.size(), list.size());
  EXPECT_EQ(list.front().id, kCmdFileNew);
  EXPECT_EQ(MenuTextWithoutMnemonic(list.front().name), "新規作成...");
  EXPECT_FALSE(IsBindableCommand(kCmdHelpIndex));
  EXPECT_FALSE(IsBindableCommand(kCmdRecentFileFirst));
  EXPECT_TRUE(IsBindableCommand(kCmdWindowMarkClearAll));
}

TEST(KeyBindableCommands, FiftyUserToolsFollowTheToolsMenu) {
  EXPECT_EQ(UserToolCommand(1), 32851);
  EXPECT_EQ(UserToolCommand(20), 32870);
  EXPECT_EQ(UserToolCommand(21), 32989);
  EXPECT_EQ(UserToolCommand(50), 33018);
  EXPECT_EQ(UserToolCommand(51), 0);
  const auto& list = BindableCommands();
  std::size_t at = 0;
  while (list[at].id != kCmdRunProgram) ++at;
  EXPECT_EQ(list[at + 1].id, 32851);
  EXPECT_EQ(list[at + 1].name, "ﾕｰｻﾞﾂｰﾙ1");
  EXPECT_EQ(list[at + 50].id, 33018);
  EXPECT_EQ(list[at + 50].name, "ﾕｰｻﾞﾂｰﾙ50");
}

TEST(KeyMenuText, KeyTextReplacesWhatFollowsTheTab) {
  EXPECT_EQ(MenuTextWithKey("開く(\x1EO\x1Fﾗ)...", "Ctrl+O"), "開く(\x1EO\x1Fﾗ)...\tCtrl+O");
  EXPECT_EQ(MenuTextWithKey("開く\tCtrl+O", "F5"), "開く\tF5");
  EXPECT_EQ(MenuTextWithKey("開く\tCtrl+O", ""), "開く");
}

std::vector<std::string> Lines(const std::string& doc) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t p; (p = doc.find("\r\n", start)) != std::string::npos; start = p + 2)
    lines.push_back(doc.substr(start, p - start));
  EXPECT_EQ(start, doc.size()) << "every line ends in CR LF";
  return lines;
}

std::string Sjis(const std::u16string& s) { return Utf16ToSjis(s); }

TEST(KeyListDocument, ThreeSectionsWithTheKeysOfEachEntry) {
  const std::vector<KeyBinding> bindings = {
      {'S', BindingKind::kMenuCommand, kModCtrl, kCmdFileSave, ""},
      {116, BindingKind::kOperation, kModNone, 0, "Edit"},
      {'Q', BindingKind::kExtendedCommand, kModCtrlShift, 32970, ""},
      {'S', BindingKind::kMenuCommand, kModCtrlShift, kCmdFileSave, ""},
      {'N', BindingKind::kExtendedCommand, kModCtrl, kCmdFileSave, ""},  // not the menu's
  };
  const std::vector<BindableCommand> commands = {{kCmdFileSave, "上書き保存(\x1ES\x1Fﾄ)"},
                                                 {kCmdFileOpen, "開く(&O)..."}};
  const std::vector<std::string> ops = {"edit.mac", "other.mac"};
  const std::vector<ExtendedCommandName> ext = {{32970, "\x8A\x67\x92\xA3"}};
  const auto lines = Lines(KeyListDocument(bindings, commands, ops, ext, false));
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], Sjis(u"--- メニュー ---"));
  const std::string save = Sjis(u"上書き保存");
  EXPECT_EQ(lines[1], save + std::string(30 - save.size(), ' ') + "Ctrl+S  Ctrl+Shift+S  ");
  EXPECT_EQ(lines[2], Sjis(u"開く...") + std::string(30 - 7, ' '));
  EXPECT_EQ(lines[3], Sjis(u"--- 操作 ---"));
  EXPECT_EQ(lines[4], "edit.mac" + std::string(22, ' ') + "F5  ");
  EXPECT_EQ(lines[5], "other.mac" + std::string(21, ' '));
  EXPECT_EQ(lines[6], Sjis(u"--- 拡張コマンド ---"));
  EXPECT_EQ(lines[7], "\x8A\x67\x92\xA3" + std::string(26, ' ') + "Ctrl+Shift+Q  ");

  const auto english = Lines(KeyListDocument(bindings, commands, ops, ext, true));
  EXPECT_EQ(english[0], "--- Menu ---");
  EXPECT_EQ(english[3], "--- Operation ---");
  EXPECT_EQ(english[6], "--- Extended Command ---");
}

TEST(KeyListDocument, LongNamesAreNotPaddedAndKeysStopAtTheLineLimit) {
  std::vector<KeyBinding> bindings;
  for (const BindableKey& k : BindableKeys())
    bindings.push_back({k.code, BindingKind::kOperation, kModCtrlShift, 0, "m"});
  const std::vector<std::string> ops = {std::string(40, 'm') , "m"};
  const auto lines = Lines(KeyListDocument(bindings, {}, ops, {}, true));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], std::string(40, 'm'));
  // "Ctrl+Shift+A  " is 14 bytes: 30 + 16 x 14 = 254 fits, a 17th does not.
  EXPECT_EQ(lines[3], "m" + std::string(29, ' ') + "Ctrl+Shift+A  " + lines[3].substr(44));
  EXPECT_EQ(lines[3].size(), 254u);
  EXPECT_EQ(lines[3].substr(lines[3].size() - 14), "Ctrl+Shift+P  ");
  EXPECT_EQ(lines[4], Utf16ToSjis(u"--- Extended Command ---"));
}

}  // namespace
}  // namespace quelt
