#include "app/common_settings_pages.h"

#include <gtest/gtest.h>

#include "base/messages.h"

namespace quelt {
namespace {

class CommonSettingsPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedEnglish_ = IsEnglishInterface();
    SetEnglishInterface(false);
    s = DefaultSettings(DeriveAppPaths("C:\\Quelt\\QUELT.EXE"));
  }
  void TearDown() override { SetEnglishInterface(savedEnglish_); }

  AppSettings s;

 private:
  bool savedEnglish_ = false;
};

TEST(MarginMillimetresTest, BoundsAndRounding) {
  int tenths = -1;
  EXPECT_TRUE(ParseMarginMillimetres("50.0", tenths));
  EXPECT_EQ(tenths, 500);
  EXPECT_TRUE(ParseMarginMillimetres(" 0 ", tenths));
  EXPECT_EQ(tenths, 0);
  tenths = 7;
  EXPECT_FALSE(ParseMarginMillimetres("50.1", tenths));
  EXPECT_FALSE(ParseMarginMillimetres("50.05", tenths));  // rounds to 50.1
  EXPECT_FALSE(ParseMarginMillimetres("", tenths));
  EXPECT_FALSE(ParseMarginMillimetres(".", tenths));
  EXPECT_FALSE(ParseMarginMillimetres("-1", tenths));
  EXPECT_FALSE(ParseMarginMillimetres("1.5mm", tenths));
  EXPECT_FALSE(ParseMarginMillimetres("1.2.3", tenths));
  EXPECT_FALSE(ParseMarginMillimetres("99999999999999999999", tenths));
  EXPECT_EQ(tenths, 7);  // refusals leave the value alone

  const struct {
    const char* text;
    int tenths;
  } rounded[] = {{"1.55", 16}, {"1.54", 15}, {"1.549", 15}, {"50.04", 500}, {".5", 5}, {"3.", 30}, {"0.95", 10}};
  for (const auto& r : rounded) {
    ASSERT_TRUE(ParseMarginMillimetres(r.text, tenths)) << r.text;
    EXPECT_EQ(tenths, r.tenths) << r.text;
  }
  EXPECT_EQ(FormatMarginMillimetres(15), "1.5");
  EXPECT_EQ(FormatMarginMillimetres(500), "50.0");
  EXPECT_EQ(FormatMarginMillimetres(0), "0.0");
}

TEST(SettingNumberTest, RangeAndForm) {
  int n = 42;
  EXPECT_TRUE(ParseSettingNumber(" 16 ", 1, 16, n));
  EXPECT_EQ(n, 16);
  EXPECT_FALSE(ParseSettingNumber("17", 1, 16, n));
  EXPECT_FALSE(ParseSettingNumber("0", 1, 16, n));
  EXPECT_FALSE(ParseSettingNumber("", 1, 16, n));
  EXPECT_FALSE(ParseSettingNumber("+3", 1, 16, n));
  EXPECT_FALSE(ParseSettingNumber("3 4", 1, 16, n));
  EXPECT_FALSE(ParseSettingNumber("99999999999999999999", 1, 16, n));
  EXPECT_EQ(n, 16);
}

TEST_F(CommonSettingsPagesTest, DisplayPageMarginsEditedAsMillimetres) {
  s.leftMarginLM = 15;
  s.topMarginLM = 500;
  DisplayPageValues v = DisplayPageValues::FromSettings(s);
  EXPECT_EQ(v.leftMargin, "1.5");
  EXPECT_EQ(v.topMargin, "50.0");
  v.leftMargin = "1.55";
  v.topMargin = "0";
  EXPECT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.leftMarginLM, 16);
  EXPECT_EQ(s.topMarginLM, 0);
}

TEST_F(CommonSettingsPagesTest, OutOfRangeFieldIsNamedAndNothingApplied) {
  DisplayPageValues v = DisplayPageValues::FromSettings(s);
  v.displayToolBar = !v.displayToolBar;
  v.extMenuCount = "15";
  v.topMargin = "50.1";
  const AppSettings before = s;
  EXPECT_EQ(v.Apply(s), &DisplayPageValues::topMargin);
  EXPECT_EQ(s.displayToolBar, before.displayToolBar);
  EXPECT_EQ(s.extMenuCount, before.extMenuCount);

  v.topMargin = "1.0";
  v.recentFileListCount = "17";
  EXPECT_EQ(v.Apply(s), &DisplayPageValues::recentFileListCount);
  v.recentFileListCount = "16";
  v.extMenuCount = "21";
  EXPECT_EQ(v.Apply(s), &DisplayPageValues::extMenuCount);
  v.extMenuCount = "20";
  EXPECT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.recentFileListCount, 16);
  EXPECT_EQ(s.extMenuCount, 20);

  ScrollPageValues scroll = ScrollPageValues::FromSettings(s);
  scroll.oneScrollNotRepeat = !scroll.oneScrollNotRepeat;
  scroll.wheelLineCount = "0";  // the wheel may scroll nothing
  scroll.autoScrollInt = "601";
  EXPECT_EQ(scroll.Apply(s), &ScrollPageValues::autoScrollInt);
  EXPECT_EQ(s.oneScrollNotRepeat, before.oneScrollNotRepeat);
  scroll.autoScrollInt = "600";
  scroll.scrollLineCount = "11";
  EXPECT_EQ(scroll.Apply(s), &ScrollPageValues::scrollLineCount);
  scroll.scrollLineCount = "10";
  EXPECT_EQ(scroll.Apply(s), nullptr);
  EXPECT_EQ(s.wheelLineCount, 0);
  EXPECT_EQ(s.autoScrollInt, 600);
  EXPECT_EQ(s.scrollLineCount, 10);
}

TEST_F(CommonSettingsPagesTest, SplashBoxIsTheInverseOfDisableSplash) {
  s.disableSplash = 1;
  DisplayPageValues v = DisplayPageValues::FromSettings(s);
  EXPECT_FALSE(v.showSplash);
  v.showSplash = true;
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.disableSplash, 0);
}

TEST_F(CommonSettingsPagesTest, TabBarHeightFollowsTheButtonStyle) {
  s.buttonStyleTabBar = 1;
  s.tabBarHeightAdjust = 7;
  DisplayPageValues v = DisplayPageValues::FromSettings(s);
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.tabBarHeightAdjust, 7);  // kept while the style stays
  v.buttonStyleTabBar = false;
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.tabBarHeightAdjust, 0);
  v.buttonStyleTabBar = true;
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.tabBarHeightAdjust, 2);  // a usable height, not 0
}

TEST_F(CommonSettingsPagesTest, UserLineCommentCheckedAgainstItsMode) {
  DisplayPageValues v = DisplayPageValues::FromSettings(s);
  v.userLineComment = "\x81\x9B";  // a double-byte character
  s.uLCommentFullMode = 0;
  EXPECT_EQ(v.Apply(s), &DisplayPageValues::userLineComment);
  s.uLCommentFullMode = 1;
  EXPECT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.userLineComment, "\x81\x9B");
}

TEST_F(CommonSettingsPagesTest, TabPositionsEditedAsOneBasedText) {
  s.tabPosition = {3, 7, 19};
  EditPageValues v = EditPageValues::FromSettings(s);
  EXPECT_EQ(v.tabPosition, "4,8,20,");
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.tabPosition, (std::vector<int>{3, 7, 19}));
  v.tabPosition = " 5, 10";  // the final comma may be missing
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.tabPosition, (std::vector<int>{4, 9}));
  v.tabPosition = "";
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_TRUE(s.tabPosition.empty());

  s.tabPosition = {4};
  for (const char* bad : {"10,5,", "0,", "4,x,", "10,10,"}) {
    v.tabPosition = bad;
    EXPECT_EQ(v.Apply(s), &EditPageValues::tabPosition) << bad;
  }
  EXPECT_EQ(s.tabPosition, (std::vector<int>{4}));
}

TEST_F(CommonSettingsPagesTest, TabListTheFileCannotHoldWholeIsRefused) {
  // Twenty-four positions of four digits: the written text stops short.
  std::string text;
  for (int i = 1; i <= 24; ++i) text += std::to_string(1000 + i) + ",";
  EditPageValues v = EditPageValues::FromSettings(s);
  v.tabPosition = text;
  EXPECT_EQ(v.Apply(s), &EditPageValues::tabPosition);
  text.resize(text.size() - 5 * 4);  // twenty positions, 100 characters: the last starts at 95
  v.tabPosition = text;
  EXPECT_EQ(v.Apply(s), &EditPageValues::tabPosition);
  text.resize(text.size() - 5);  // nineteen: written whole
  v.tabPosition = text;
  EXPECT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.tabPosition.size(), 19u);
}

TEST_F(CommonSettingsPagesTest, EditPageCarriesSwitchesMailAndClipHistory) {
  EditPageValues v = EditPageValues::FromSettings(s);
  EXPECT_TRUE(v.multiInstance);
  EXPECT_TRUE(v.cabinetSave);
  v.multiInstance = false;
  v.clipHistory = true;
  v.mailerPath = "C:\\Mail\\mail.exe";
  v.mailerArgument = "-to %s";
  v.columnOutString = "),.";
  ASSERT_EQ(v.Apply(s), nullptr);
  EXPECT_EQ(s.multiInstance, 0);
  EXPECT_EQ(s.clipHistory, 1);
  EXPECT_EQ(s.mailerPath, "C:\\Mail\\mail.exe");
  EXPECT_EQ(s.mailerArgument, "-to %s");
  EXPECT_EQ(s.columnOutString, "),.");

  v.mailerPath = std::string(kMaxSettingText + 1, 'a');
  v.clipHistory = false;
  EXPECT_EQ(v.Apply(s), &EditPageValues::mailerPath);
  EXPECT_EQ(s.clipHistory, 1);
}

TEST_F(CommonSettingsPagesTest, FavouriteFoldersCloseUp) {
  FolderPageValues v;
  v.folders = {"", "C:\\Two", "  ", " C:\\Four "};
  ASSERT_EQ(v.Apply(s), -1);
  EXPECT_EQ(s.frequentlyUsedDirectory,
            (std::array<std::string, kFavouriteFolderCount>{"C:\\Two", "C:\\Four", "", ""}));
  EXPECT_EQ(FolderPageValues::FromSettings(s).folders, s.frequentlyUsedDirectory);

  v.folders = {"C:\\One", "", "", std::string(kMaxSettingText + 1, 'x')};
  EXPECT_EQ(v.Apply(s), 3);
  EXPECT_EQ(s.frequentlyUsedDirectory[0], "C:\\Two");
}

TEST_F(CommonSettingsPagesTest, RulerPageKeepsColoursAndType) {
  RulerPageValues v = RulerPageValues::FromSettings(s);
  EXPECT_EQ(v.rulerCursorColorref, 0x00FF00u);
  EXPECT_EQ(v.lineBackColorref, 0xFFFFFFu);
  v.figureRuler = true;
  v.displayLineBar = false;
  v.rulerBackColorref = 0xFF123456;  // only the colour bits are kept
  v.Apply(s);
  EXPECT_EQ(s.figureRuler, 1);
  EXPECT_EQ(s.displayLineBar, 0);
  EXPECT_EQ(s.rulerBackColorref, 0x123456u);
}

TEST_F(CommonSettingsPagesTest, UnchangedPagesGiveTheRecordBack) {
  s.tabPosition = {8, 16};
  s.frequentlyUsedDirectory = {"C:\\A", "C:\\B", "", ""};
  s.buttonStyleTabBar = 1;
  s.tabBarHeightAdjust = 4;
  AppSettings after = s;
  ASSERT_EQ(EditPageValues::FromSettings(s).Apply(after), nullptr);
  ASSERT_EQ(DisplayPageValues::FromSettings(s).Apply(after), nullptr);
  ASSERT_EQ(FolderPageValues::FromSettings(s).Apply(after), -1);
  ASSERT_EQ(ScrollPageValues::FromSettings(s).Apply(after), nullptr);
  RulerPageValues::FromSettings(s).Apply(after);
  IniFile a, b;
  SaveSettings(s, a);
  SaveSettings(after, b);
  EXPECT_EQ(a.Serialize(), b.Serialize());
}

}  // namespace
}  // namespace quelt
