#include "app/command_table.h"

#include <gtest/gtest.h>

#include "app/menu_table.h"

namespace quelt {
namespace {

std::string Group(char letter, std::string_view kana) {
  return std::string("(\x1E") + letter + "\x1F" + std::string(kana) + ")";
}

TEST(CommandTable, IdsAreUniqueKnownAndInTheirRanges) {
  const auto all = AllCommands();
  ASSERT_FALSE(all.empty());
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_TRUE(IsCommandIdInRange(all[i]->id)) << all[i]->id;
    if (i > 0) {
      EXPECT_LT(all[i - 1]->id, all[i]->id) << "duplicate or unsorted id " << all[i]->id;
    }
    EXPECT_EQ(FindCommand(all[i]->id), all[i]);
  }
  EXPECT_EQ(FindCommand(0), nullptr);
  EXPECT_EQ(FindCommand(32767), nullptr);
  EXPECT_EQ(FindCommand(65535), nullptr);
  EXPECT_FALSE(IsCommandIdInRange(32767));
  EXPECT_FALSE(IsCommandIdInRange(33066));
  EXPECT_FALSE(IsCommandIdInRange(57682));
  EXPECT_TRUE(IsCommandIdInRange(kCmdViewStatusBar));
  EXPECT_TRUE(IsCommandIdInRange(kCmdRecentFileLast));
}

TEST(CommandTable, LabelsHoldNothingTheMenuTextCouldMistakeForItsOwnMarks) {
  for (const CommandInfo* info : AllCommands()) {
    EXPECT_EQ(info->label.find('&'), std::string_view::npos) << info->id;
    EXPECT_EQ(info->label.find('\t'), std::string_view::npos) << info->id;
    EXPECT_FALSE(info->label.ends_with("...")) << info->id;
    EXPECT_EQ(info->prompt.find('\n'), std::string_view::npos) << info->id;
    // A letter needs a label to stand after.
    if (info->letter != 0) {
      EXPECT_FALSE(info->label.empty()) << info->id;
    }
  }
}

TEST(CommandTable, ExactTextsOfTheMenuBar) {
  const CommandInfo* newFile = FindCommand(kCmdFileNew);
  ASSERT_NE(newFile, nullptr);
  EXPECT_EQ(StoredMenuText(*newFile), "新規作成" + Group('N', "ﾐ") + "...");
  EXPECT_EQ(DisplayMenuText(StoredMenuText(*newFile)), "新規作成(&N)...");
  EXPECT_EQ(newFile->prompt, "新規にﾌｧｲﾙを作成");
  EXPECT_EQ(newFile->tip, "新規ﾌｧｲﾙ");

  const CommandInfo* exitApp = FindCommand(kCmdAppExit);
  ASSERT_NE(exitApp, nullptr);
  EXPECT_EQ(exitApp->prompt, "Kav Quelt を終了し、文書の保存を確認");
  EXPECT_EQ(DisplayMenuText(StoredMenuText(*exitApp)), "終了(&X)");

  EXPECT_EQ(FindCommand(kCmdEditFind)->tip, "検索");
  EXPECT_EQ(FindCommand(kCmdTagWindow)->prompt, "現在のタグウィンドの表示");
  EXPECT_EQ(FindCommand(kCmdAppAbout)->prompt, "ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示");
  EXPECT_EQ(StoredMenuText(*FindCommand(kCmdRecentFileFirst)), "以前開いたﾌｧｲﾙ");
  EXPECT_EQ(FindCommand(kCmdViewToolBar)->prompt, "ﾂｰﾙﾊﾞｰの表示または非表示");
}

TEST(CommandTable, ConversionItemsKeepTheirOwnKanaLetters) {
  EXPECT_EQ(StoredMenuText(*FindCommand(kCmdInvertCase)), "Invert Case" + Group('I', "ｲ"));
  EXPECT_EQ(StoredMenuText(*FindCommand(kCmdUpperCase)), "Upper Case" + Group('U', "ｱ"));
  EXPECT_EQ(StoredMenuText(*FindCommand(kCmdHalfToFull)), "半角 → 全角" + Group('Z', "ｾ"));
  EXPECT_EQ(StoredMenuText(*FindCommand(kCmdKatakanaToHiragana)), "全角ｶﾀｶﾅ → ひらがな" + Group('R', "ﾋ"));
  EXPECT_EQ(StoredMenuText(*FindCommand(kCmdSplitLines)), "行の分割" + Group('P', "ﾌ"));
  EXPECT_EQ(StoredMenuText(*FindCommand(kCmdFreeConversion)), "自由変換" + Group('F', "ﾌ") + "...");
}

TEST(CommandTable, KanaLetterFollowsTheKanaKeyboard) {
  EXPECT_EQ(KanaForLatin('A'), "ﾁ");
  EXPECT_EQ(KanaForLatin('n'), "ﾐ");
  EXPECT_EQ(KanaForLatin('Z'), "ﾂ");
  EXPECT_EQ(KanaForLatin('0'), "ﾜ");
  EXPECT_EQ(KanaForLatin('3'), "ｱ");
  EXPECT_EQ(KanaForLatin('-'), "");
  EXPECT_EQ(KanaForLatin('\0'), "");
  EXPECT_EQ(KanaForLatin('\x80'), "");
}

TEST(CommandTable, EveryStoredTextDecodesAndRoundTrips) {
  for (const CommandInfo* info : AllCommands()) {
    if (info->label.empty()) continue;
    const std::string stored = StoredMenuText(*info);
    const DecodedMenuText d = DecodeMenuText(stored);
    EXPECT_EQ(d.label, info->label) << info->id;
    EXPECT_EQ(d.letter, info->letter) << info->id;
    EXPECT_EQ(d.dots, info->dots) << info->id;
    EXPECT_EQ(d.grouped, info->letter != 0) << info->id;
    if (info->letter == 0) continue;
    EXPECT_EQ(d.kana, CommandKana(*info)) << info->id;
    EXPECT_EQ(ComposeMenuText(d.label, d.letter, d.kana, d.dots, d.form), stored) << info->id;
    const std::string shown = DisplayMenuText(stored);
    EXPECT_EQ(shown, std::string(info->label) + "(&" + info->letter + ")" + (info->dots ? "..." : ""));
    // The shown form decodes to the same label and letter.
    const DecodedMenuText back = DecodeMenuText(shown);
    EXPECT_EQ(back.label, info->label) << info->id;
    EXPECT_EQ(back.letter, info->letter) << info->id;
    EXPECT_EQ(MenuTextWithoutMnemonic(shown), MenuTextWithoutMnemonic(stored)) << info->id;
  }
}

TEST(MenuText, KeyTextAfterATabSurvivesAndIsCutFromTheName) {
  const std::string stored = "開く" + Group('O', "ﾗ") + "...\tCtrl+O";
  const DecodedMenuText d = DecodeMenuText(stored);
  EXPECT_EQ(d.label, "開く");
  EXPECT_EQ(d.letter, 'O');
  EXPECT_EQ(d.kana, "ﾗ");
  EXPECT_TRUE(d.dots);
  EXPECT_EQ(d.keyText, "Ctrl+O");
  EXPECT_EQ(DisplayMenuText(stored), "開く(&O)...\tCtrl+O");
  EXPECT_EQ(DisplayMenuText(stored, MnemonicShow::kKana), "開く(&ﾗ)...\tCtrl+O");
  EXPECT_EQ(MenuTextWithoutMnemonic(stored), "開く...");
}

TEST(MenuText, OtherMnemonicForms) {
  // The English interface marks the letter inside the label.
  DecodedMenuText d = DecodeMenuText("&Start Recording");
  EXPECT_EQ(d.label, "Start Recording");
  EXPECT_EQ(d.letter, 'S');
  EXPECT_FALSE(d.grouped);
  EXPECT_EQ(MenuTextWithoutMnemonic("Save &As...\tF12"), "Save As...");
  // "&&" is one ampersand, not a mnemonic.
  d = DecodeMenuText("Cut && Paste");
  EXPECT_EQ(d.label, "Cut & Paste");
  EXPECT_EQ(d.letter, 0);
  EXPECT_EQ(DecodeMenuText("Trailing&").label, "Trailing&");
  // The "(&L)" group as stored.
  d = DecodeMenuText("ﾌｧｲﾙ(&F)");
  EXPECT_EQ(d.label, "ﾌｧｲﾙ");
  EXPECT_EQ(d.letter, 'F');
  EXPECT_EQ(d.form, MnemonicForm::kAmpersand);
  EXPECT_EQ(DisplayMenuText("ﾌｧｲﾙ(&F)"), "ﾌｧｲﾙ(&F)");
  // A group without its kana part.
  d = DecodeMenuText("閉じる(\x1E" "C)");
  EXPECT_EQ(d.label, "閉じる");
  EXPECT_EQ(d.letter, 'C');
  EXPECT_EQ(DisplayMenuText("閉じる(\x1E" "C)", MnemonicShow::kKana), "閉じる(&C)");
}

TEST(MenuText, BrokenGroupsStayInTheLabel) {
  // Parentheses that are part of the label.
  EXPECT_EQ(DecodeMenuText("ﾀｸﾞ(HTML)").label, "ﾀｸﾞ(HTML)");
  EXPECT_EQ(DecodeMenuText("ﾀｸﾞ(HTML)").letter, 0);
  // Cut short, a truncated kana, a kana that is not half-width, no letter.
  for (const std::string& bad : {std::string("開く(\x1EO\x1F"), std::string("開く(\x1EO\x1F\xEF\xBD)"),
                                std::string("開く(\x1EO\x1Fラ)"), std::string("開く(\x1E\x1Fﾗ)"),
                                std::string("()"), std::string(")"), std::string("(&)")}) {
    const DecodedMenuText d = DecodeMenuText(bad);
    EXPECT_FALSE(d.grouped) << bad;
    EXPECT_EQ(DisplayMenuText(bad), bad);
  }
  EXPECT_EQ(DecodeMenuText("").label, "");
  EXPECT_EQ(DecodeMenuText("...").label, "");
  EXPECT_TRUE(DecodeMenuText("...").dots);
}

TEST(MenuText, ArbitraryBytesNeverBreakDecoding) {
  std::uint32_t seed = 12345;
  const char pool[] = {'(', ')', '&', '.', '\t', '\x1E', '\x1F', 'A', '\xEF', '\xBD', '\xBE', '\xA6', '\x80'};
  for (int round = 0; round < 2000; ++round) {
    std::string s;
    const int len = round % 17;
    for (int i = 0; i < len; ++i) {
      seed = seed * 1103515245u + 12345u;
      s += pool[(seed >> 16) % sizeof(pool)];
    }
    const DecodedMenuText d = DecodeMenuText(s);
    EXPECT_LE(d.label.size(), s.size());
    (void)DisplayMenuText(s, MnemonicShow::kKana);
    (void)MenuTextWithoutMnemonic(s);
  }
}

TEST(CommandString, PromptAndTipLines) {
  EXPECT_EQ(CommandString(*FindCommand(kCmdCommonSettingsBar)), "共通設定\n共通設定");
  // Without a tip the string is the prompt alone.
  EXPECT_EQ(CommandString(*FindCommand(kCmdFileClose)), "作業中のｳｨﾝﾄﾞｳを閉じる");
  CommandStringParts p = SplitCommandString("作業中のｳｨﾝﾄﾞｳを閉じる");
  EXPECT_EQ(p.prompt, "作業中のｳｨﾝﾄﾞｳを閉じる");
  EXPECT_TRUE(p.tip.empty());
  // An empty first line: no prompt, only the tip.
  p = SplitCommandString("\n検索");
  EXPECT_TRUE(p.prompt.empty());
  EXPECT_EQ(p.tip, "検索");
  p = SplitCommandString("");
  EXPECT_TRUE(p.prompt.empty());
  EXPECT_TRUE(p.tip.empty());
}

TEST(CommandTable, FrameAcceleratorsBindOnlyUndoRedoAndHelp) {
  const auto acc = FrameAccelerators();
  ASSERT_EQ(acc.size(), 4u);
  EXPECT_EQ(acc[0].command, kCmdEditUndo);
  EXPECT_TRUE(acc[0].alt);
  EXPECT_FALSE(acc[0].shift);
  EXPECT_EQ(acc[1].command, kCmdEditRedo);
  EXPECT_TRUE(acc[1].alt && acc[1].shift);
  for (const FrameAccelerator& a : acc) EXPECT_NE(FindCommand(a.command), nullptr) << a.command;
}

}  // namespace
}  // namespace quelt
