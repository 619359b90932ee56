#include "keys/key_table.h"

#include <gtest/gtest.h>

#include <string>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "keys/key_file.h"

namespace quelt {
namespace {

constexpr const char* kKeyFile = "C:\\q\\quelt.key";
constexpr std::uint32_t kF3 = 114, kF5 = 116;

class KeyTableTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.CreateFolder("C:\\q"); }
  AddResult AddMenu(std::uint32_t key, std::uint16_t mods, CommandId id = kCmdEditUndo) {
    return table.Add(BindingKind::kMenuCommand, key, mods, id);
  }
  std::string Saved() const {
    const std::string* s = fs.Content(kKeyFile);
    return s ? *s : std::string("<none>");
  }

  MemoryFileSystem fs;
  test::FakeHost host;
  KeyTable table{fs, host, kKeyFile};
};

TEST_F(KeyTableTest, CombinationsTheKeyboardPageAcceptsAndRefuses) {
  EXPECT_EQ(AddMenu(kF5, kModNone), AddResult::kAdded);
  EXPECT_EQ(AddMenu(kF5, kModShift), AddResult::kAdded);
  EXPECT_EQ(AddMenu(kVkDelete, kModShift), AddResult::kAdded);
  EXPECT_EQ(AddMenu('A', kModCtrl), AddResult::kAdded);
  EXPECT_EQ(AddMenu('A', kModCtrlShift), AddResult::kAdded);
  EXPECT_EQ(AddMenu('7', kModCtrl), AddResult::kAdded);
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(AddMenu('A', kModNone), AddResult::kNotAllowed);
  EXPECT_EQ(AddMenu(kVkInsert, kModNone), AddResult::kNotAllowed);
  EXPECT_EQ(AddMenu('A', kModShift), AddResult::kNotAllowed);
  EXPECT_EQ(AddMenu('0', kModShift), AddResult::kNotAllowed);
  EXPECT_EQ(AddMenu(0x70, kModCtrl), AddResult::kBadKeyText);  // F1 is help
  EXPECT_EQ(AddMenu('A', 4), AddResult::kNotAllowed);
  EXPECT_EQ(host.beeps, 6);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(table.size(), 6u);
}

TEST_F(KeyTableTest, SecondBindingOfAKeyIsRefusedWhateverItRuns) {
  EXPECT_EQ(AddMenu('A', kModCtrl), AddResult::kAdded);
  EXPECT_EQ(table.Add(BindingKind::kOperation, 'A', kModCtrl, 0, "m"), AddResult::kAlreadyBound);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgKeyAlreadyBound});
  EXPECT_EQ(table.size(), 1u);
}

TEST_F(KeyTableTest, NothingChosenBeepsBeforeAnyOtherCheck) {
  EXPECT_EQ(table.Add(BindingKind::kMenuCommand, 'A', kModNone, 0), AddResult::kNothingChosen);
  EXPECT_EQ(table.Add(BindingKind::kOperation, kF5, kModNone, 0, ""), AddResult::kNothingChosen);
  EXPECT_EQ(table.Add(BindingKind::kOperation, kF5, kModNone, 0, std::string(264, 'm')),
            AddResult::kNothingChosen);
  EXPECT_EQ(table.Add(static_cast<BindingKind>(4), kF5, kModNone, 1), AddResult::kNothingChosen);
  EXPECT_EQ(host.beeps, 4);
  EXPECT_EQ(Saved(), "<none>");
}

TEST_F(KeyTableTest, PageTextsAndCheckBoxes) {
  EXPECT_EQ(table.AddFromPage(BindingKind::kMenuCommand, kCmdEditUndo, "", "F5", false, false), AddResult::kAdded);
  EXPECT_EQ(table.AddFromPage(BindingKind::kMenuCommand, kCmdEditUndo, "", "Z", true, true), AddResult::kAdded);
  EXPECT_EQ(table.Bindings()[1].modifiers, kModCtrlShift);
  EXPECT_EQ(table.AddFromPage(BindingKind::kMenuCommand, kCmdEditUndo, "", "f5", false, false),
            AddResult::kBadKeyText);
  EXPECT_EQ(table.AddFromPage(BindingKind::kMenuCommand, kCmdEditUndo, "", "F1", true, false),
            AddResult::kBadKeyText);
  EXPECT_EQ(table.AddFromPage(BindingKind::kMenuCommand, kCmdEditUndo, "", "Insert  x", true, false),
            AddResult::kBadKeyText);
  EXPECT_EQ(table.AddFromPage(BindingKind::kMenuCommand, 0, "", "", true, false), AddResult::kNothingChosen);
  EXPECT_EQ(table.AddFromPage(BindingKind::kOperation, 0, "m", "Insert", false, true), AddResult::kAdded);
  EXPECT_EQ(host.beeps, 4);
}

TEST_F(KeyTableTest, EightyOneIsRefusedAndTheFullTableReadsBack) {
  std::size_t n = 0;
  for (std::uint16_t mods : {kModCtrl, kModCtrlShift}) {
    for (const BindableKey& k : BindableKeys()) {
      if (n == kMaxKeyBindings) break;
      ASSERT_EQ(AddMenu(k.code, mods, CommandId(32768 + n)), AddResult::kAdded);
      ++n;
    }
  }
  ASSERT_EQ(table.size(), 80u);
  // Full comes before the duplicate check.
  EXPECT_EQ(AddMenu('A', kModCtrl), AddResult::kTableFull);
  EXPECT_EQ(AddMenu(kF5, kModShift), AddResult::kTableFull);
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgTooManyKeyBindings, kMsgTooManyKeyBindings}));
  EXPECT_EQ(Saved().size(), 12u + 276 * 80);

  KeyTable again{fs, host, kKeyFile};
  again.Load();
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_TRUE(std::equal(again.Bindings().begin(), again.Bindings().end(), table.Bindings().begin(),
                         table.Bindings().end()));
}

TEST_F(KeyTableTest, RemovingEveryBindingLeavesAFileOfTwelveBytesThatReadsEmpty) {
  AddMenu('A', kModCtrl);
  AddMenu('B', kModCtrl);
  EXPECT_FALSE(table.Remove(2));
  EXPECT_TRUE(table.Remove(0));
  EXPECT_EQ(table.Bindings()[0].key, std::uint32_t('B'));
  EXPECT_TRUE(table.Remove(0));
  EXPECT_EQ(Saved().size(), 12u);
  KeyTable again{fs, host, kKeyFile};
  again.Load();
  EXPECT_EQ(again.size(), 0u);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(KeyTableTest, LoadingMissingAndMalformedFiles) {
  table.Load();  // no file: silently empty
  EXPECT_TRUE(host.messages.empty());
  fs.WriteFile(kKeyFile, "garbage");
  table.Load();
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgBadKeyFile});
  EXPECT_EQ(table.size(), 0u);
  // Only the first 30,720 bytes are read: a longer file never matches its
  // length field.
  std::string big = BuildKeyFile({});
  fs.WriteFile(kKeyFile, big + std::string(kKeyFileReadSize, '\0'));
  table.Load();
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(KeyTableTest, FailedSaveKeepsTheChangeInMemory) {
  fs.FailWritesAfter(0);
  EXPECT_EQ(AddMenu('A', kModCtrl), AddResult::kAdded);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgKeyFileWriteError});
  EXPECT_EQ(table.size(), 1u);
}

TEST_F(KeyTableTest, OperationBindingsGoWithTheirFile) {
  table.Add(BindingKind::kOperation, 'A', kModCtrl, 0, "Edit");
  table.Add(BindingKind::kOperation, 'B', kModCtrl, 0, "edit.MAC");
  table.Add(BindingKind::kOperation, 'C', kModCtrl, 0, "other");
  AddMenu('D', kModCtrl);
  const std::string before = Saved();
  EXPECT_EQ(table.RemoveOperation("nothing"), 0u);
  EXPECT_EQ(table.RemoveOperation("EDIT.mac"), 2u);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table.Bindings()[0].operation, "other");
  EXPECT_NE(Saved(), before);

  fs.WriteFile("C:\\q\\Other.Mac", "x");
  table.Add(BindingKind::kOperation, 'E', kModCtrl, 0, "gone");
  table.Add(BindingKind::kOperation, 'F', kModCtrl, 0, "no|name");  // gives no path at all
  fs.CreateFolder("C:\\q\\dir.mac");
  table.Add(BindingKind::kOperation, 'G', kModCtrl, 0, "dir");
  EXPECT_EQ(table.RemoveMissingOperations("C:\\q\\"), 3u);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table.Bindings()[1].kind, BindingKind::kMenuCommand);
  EXPECT_EQ(table.RemoveMissingOperations("C:\\q"), 0u);
}

TEST_F(KeyTableTest, DispatchRunsTheFirstMatchingBinding) {
  // A file may hold the same key twice; the first one runs.
  fs.WriteFile(kKeyFile, BuildKeyFile(std::vector<KeyBinding>{{'A', BindingKind::kExtendedCommand, kModCtrl, 32970, ""},
                                       {'A', BindingKind::kMenuCommand, kModCtrl, kCmdEditUndo, ""},
                                       {'A', BindingKind::kOperation, kModCtrlShift, 0, "m"},
                                       {kF5, BindingKind::kMenuCommand, kModNone, kCmdFileSave, ""}}));
  table.Load();
  ASSERT_EQ(table.size(), 4u);
  KeyAction a = table.Dispatch('A', true, false);
  EXPECT_EQ(a.kind, KeyAction::Kind::kCommand);
  EXPECT_EQ(a.command, 32970);
  a = table.Dispatch('A', true, true);
  EXPECT_EQ(a.kind, KeyAction::Kind::kOperation);
  EXPECT_EQ(a.operation, "m");
  EXPECT_EQ(table.Dispatch(kF5, false, false).command, kCmdFileSave);
  EXPECT_FALSE(table.Dispatch('A', false, false));
  EXPECT_FALSE(table.Dispatch('A', false, true));
  EXPECT_FALSE(table.Dispatch(kF5, true, false));
  EXPECT_FALSE(table.Dispatch('B', true, false));
}

TEST_F(KeyTableTest, MenuShowsFewestModifiersThenHigherKey) {
  AddMenu(kF3, kModShift);
  AddMenu('Z', kModCtrl);
  EXPECT_EQ(table.MenuKeyTextFor(kCmdEditUndo), "Ctrl+Z");
  AddMenu('Y', kModCtrl);
  EXPECT_EQ(table.MenuKeyTextFor(kCmdEditUndo), "Ctrl+Z");
  AddMenu(kVkDelete, kModCtrl);  // 46 is below 'Z'
  EXPECT_EQ(table.MenuKeyTextFor(kCmdEditUndo), "Ctrl+Z");
  AddMenu(kF5, kModNone);
  EXPECT_EQ(table.MenuKeyTextFor(kCmdEditUndo), "F5");
  EXPECT_EQ(table.MenuKeyFor(kCmdEditUndo), 4u);
  // Only menu-command bindings count.
  table.Add(BindingKind::kExtendedCommand, 'X', kModCtrl, kCmdFileSave);
  EXPECT_EQ(table.MenuKeyTextFor(kCmdFileSave), "");
  EXPECT_FALSE(table.MenuKeyFor(kCmdFileSave));
  EXPECT_EQ(table.KeyText(0), "Shift+F3");
  EXPECT_EQ(table.KeyText(99), "");
}

}  // namespace
}  // namespace quelt
