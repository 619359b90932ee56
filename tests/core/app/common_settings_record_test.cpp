#include "app/common_settings_record.h"

#include <gtest/gtest.h>

#include "base/le_words.h"

namespace quelt {
namespace {

class CommonSettingsRecordTest : public ::testing::Test {
 protected:
  AppSettings s = DefaultSettings(DeriveAppPaths("C:\\Quelt\\QUELT.EXE"));
};

TEST_F(CommonSettingsRecordTest, EveryPageComesBackAsConfirmed) {
  CommonSettingsChoice c = CommonSettingsChoice::FromSettings(s);
  c.editOpened = c.displayOpened = c.foldersOpened = c.scrollOpened = c.rulerOpened = true;
  c.edit.clipHistory = !c.edit.clipHistory;  // the last box of its page
  c.edit.cabinetSave = !c.edit.cabinetSave;  // the first
  c.edit.mailerArgument = "-s \"%s\"";
  c.display.extBarPosition = !c.display.extBarPosition;
  c.display.leftMargin = "12.5";
  c.folders.folders[3] = "D:\\\x83\x5C\x81\x5B\x83\x58";  // a Shift-JIS folder name
  c.scroll.wheelLineCount = "9";
  c.ruler.lineBackColorref = 0x00123456;
  const auto back = DecodeCommonSettingsRecord(EncodeCommonSettingsRecord(c), s);
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->editOpened && back->displayOpened && back->foldersOpened && back->scrollOpened &&
              back->rulerOpened);
  EXPECT_EQ(back->edit.clipHistory, c.edit.clipHistory);
  EXPECT_EQ(back->edit.cabinetSave, c.edit.cabinetSave);
  EXPECT_EQ(back->edit.mailerArgument, c.edit.mailerArgument);
  EXPECT_EQ(back->display.extBarPosition, c.display.extBarPosition);
  EXPECT_EQ(back->display.leftMargin, "12.5");
  EXPECT_EQ(back->folders.folders[3], c.folders.folders[3]);
  EXPECT_EQ(back->scroll.wheelLineCount, "9");
  EXPECT_EQ(back->ruler.lineBackColorref, 0x00123456u);

  AppSettings played = s;
  ASSERT_TRUE(ApplyCommonSettingsChoice(*back, played));
  EXPECT_EQ(played.wheelLineCount, 9);
  EXPECT_EQ(played.frequentlyUsedDirectory[0], c.folders.folders[3]);  // set entries move forward
}

TEST_F(CommonSettingsRecordTest, PagesNotOpenedAreNotRecordedNorApplied) {
  CommonSettingsChoice c = CommonSettingsChoice::FromSettings(s);
  c.scrollOpened = true;
  c.scroll.scrollLineCount = "3";
  c.edit.mailerPath = "changed but never shown";
  const std::string data = EncodeCommonSettingsRecord(c);
  std::string_view in = data;
  std::uint32_t pages = 0;
  ASSERT_TRUE(TakeLe32(in, pages));
  EXPECT_EQ(pages, 8u);
  EXPECT_EQ(data.find("changed"), std::string::npos);

  AppSettings other = s;
  other.mailerPath = "kept";
  const auto back = DecodeCommonSettingsRecord(data, other);
  ASSERT_TRUE(back);
  ASSERT_TRUE(ApplyCommonSettingsChoice(*back, other));
  EXPECT_EQ(other.scrollLineCount, 3);
  EXPECT_EQ(other.mailerPath, "kept");
}

TEST_F(CommonSettingsRecordTest, TheMousePageKeepsThePopupItems) {
  CommonSettingsChoice c = CommonSettingsChoice::FromSettings(s);
  c.mouseOpened = true;
  ASSERT_EQ(c.popup.Delete(0), PopupEdit::kDone);
  ASSERT_EQ(c.popup.Add(kPopupSeparator), PopupEdit::kDone);
  const std::string data = EncodeCommonSettingsRecord(c);
  const auto back = DecodeCommonSettingsRecord(data, s);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->popup, c.popup);
  PopupMenuItems popup;
  ASSERT_TRUE(ApplyCommonSettingsChoice(*back, s, &popup));
  EXPECT_EQ(popup, c.popup);
  // An item that is no command, or a 31st item, is refused.
  std::string unknown = data;
  unknown.replace(unknown.size() - 4, 4, std::string("\x05\0\0\0", 4));
  EXPECT_FALSE(DecodeCommonSettingsRecord(unknown, s));
  std::string tooMany = data.substr(0, 4);
  AppendLe32(tooMany, 31);
  for (int i = 0; i < 31; ++i) AppendLe32(tooMany, static_cast<std::uint32_t>(kPopupSeparator));
  EXPECT_FALSE(DecodeCommonSettingsRecord(tooMany, s));
}

TEST_F(CommonSettingsRecordTest, DamagedDataIsRefused) {
  CommonSettingsChoice c = CommonSettingsChoice::FromSettings(s);
  c.editOpened = c.rulerOpened = true;
  const std::string good = EncodeCommonSettingsRecord(c);
  ASSERT_TRUE(DecodeCommonSettingsRecord(good, s));
  EXPECT_FALSE(DecodeCommonSettingsRecord("", s));
  EXPECT_FALSE(DecodeCommonSettingsRecord(good.substr(0, good.size() - 1), s));  // a colour cut short
  EXPECT_FALSE(DecodeCommonSettingsRecord(good + "x", s));                       // bytes left over
  std::string unknownPage = good;
  unknownPage[0] = static_cast<char>(unknownPage[0] | 0x40);
  EXPECT_FALSE(DecodeCommonSettingsRecord(unknownPage, s));
  std::string unknownBox = good;
  unknownBox[4 + 2] = 0x02;  // bit 17 of the edit page's 17 boxes
  EXPECT_FALSE(DecodeCommonSettingsRecord(unknownBox, s));

  CommonSettingsChoice texts = CommonSettingsChoice::FromSettings(s);
  texts.foldersOpened = true;
  std::string noZero = EncodeCommonSettingsRecord(texts);
  noZero.pop_back();  // the last folder without its zero byte
  EXPECT_FALSE(DecodeCommonSettingsRecord(noZero, s));
}

TEST_F(CommonSettingsRecordTest, ARefusedPageLeavesEverySettingAsItWas) {
  CommonSettingsChoice c = CommonSettingsChoice::FromSettings(s);
  c.editOpened = c.displayOpened = true;
  c.edit.mailerPath = "C:\\mail.exe";
  // A double-byte comment recorded while the full-width mode was on.
  c.display.userLineComment = "\x81\x9B";
  s.uLCommentFullMode = 0;
  const AppSettings before = s;
  EXPECT_FALSE(ApplyCommonSettingsChoice(c, s));
  EXPECT_EQ(s.mailerPath, before.mailerPath);
  s.uLCommentFullMode = 1;
  EXPECT_TRUE(ApplyCommonSettingsChoice(c, s));
  EXPECT_EQ(s.mailerPath, "C:\\mail.exe");
}

}  // namespace
}  // namespace quelt
