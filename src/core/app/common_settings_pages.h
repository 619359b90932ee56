// The values of the common-settings sheet's pages as their controls show
// them: check boxes as bools, number fields as their texts. Each page is
// filled from the settings record and applied back to it; applying checks
// every field first and changes nothing when one of them is refused, so the
// sheet can keep the page open and select that field.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace quelt {

// Margins: 0 to 50.0 mm, held in tenths.
constexpr int kMaxMarginTenths = 500;

// A number field: blanks around decimal digits, no sign, within [min, max].
// False leaves value untouched.
bool ParseSettingNumber(std::string_view text, int min, int max, int& value);

// A margin field shows millimetres with one decimal ("1.5" for 15 tenths).
// Parsing takes blanks around the number, digits before and after one
// point (either side may be missing, not both) and rounds to the nearest
// tenth, halves upwards ("1.55" gives 16, "1.549" gives 15); the rounded
// value must lie in 0 to 50.0. False leaves tenths untouched.
bool ParseMarginMillimetres(std::string_view text, int& tenths);
std::string FormatMarginMillimetres(int tenths);

// Whether a text comes back whole from the settings file, which cuts values
// longer than kMaxSettingText bytes.
bool FitsSettingText(std::string_view text);

// "編集": start-up, cabinets, editing and the mail program.
struct EditPageValues {
  bool cabinetSave = false, initialCabinet = false, initialCabinetMode = false;
  bool invokeWithoutUntitled = false, colorAreaComment = false, joinLinesTightly = false;
  bool padSpaceForMoving = false, useDefaultExtension = false, multiText = false;
  bool closeUntitledWithoutPrompt = false, enableTabPosition = false, enableDragDropEdit = false;
  bool residentMode = false, multiInstance = false, viewMode = false, clickableUrlEmail = false;
  bool clipHistory = false;
  std::string tabPosition;      // 1-based columns, each followed by a comma
  std::string columnOutString;  // Shift-JIS
  std::string mailerPath, mailerArgument;

  static EditPageValues FromSettings(const AppSettings& settings);
  // The first refused field, or nullptr when every field is accepted. The
  // tab positions must parse and come back whole from the file.
  std::string EditPageValues::*FirstInvalid() const;
  // Applies the page when nothing is refused; returns FirstInvalid().
  std::string EditPageValues::*Apply(AppSettings& settings) const;
};

// "表示": bars, display, the user line comment, counts and margins.
struct DisplayPageValues {
  bool displayToolBar = false, displayStatusBar = false;
  bool showSplash = false;  // the inverse of "DisableSplash"
  bool drawUnderLine = false, saveTagToolBarLayout = false, displayTabBar = false;
  bool tabBarPosition = false, buttonStyleTabBar = false, addDocNumber = false;
  bool setCompositionFont = false, invertBracketArea = false, displayCodeEnter = false;
  bool fullPathFileList = false, displayCharCode = false, displayAlwaysShiftJis = false;
  bool displayExtBar = false, extBarPosition = false;
  std::string userLineComment;
  std::string extMenuCount, recentFileListCount;
  std::string leftMargin, topMargin;  // millimetres

  static DisplayPageValues FromSettings(const AppSettings& settings);
  // The user line comment is checked against the record's
  // "ULCommentFullMode"; the counts and margins against their key ranges.
  std::string DisplayPageValues::*FirstInvalid(const AppSettings& settings) const;
  // Applies the page when nothing is refused; returns FirstInvalid(). The
  // extra window-bar height follows the button style: 0 without it, and the
  // default when the style is switched on over a 0.
  std::string DisplayPageValues::*Apply(AppSettings& settings) const;
};

// "ﾃﾞｨﾚｸﾄﾘ": the four favourite folders.
struct FolderPageValues {
  std::array<std::string, kFavouriteFolderCount> folders;

  static FolderPageValues FromSettings(const AppSettings& settings);
  // The first folder too long for the file, or -1.
  int FirstInvalid() const;
  // Blanks around each entry are dropped, and the set entries move forward
  // over the empty ones in their order. Returns FirstInvalid().
  int Apply(AppSettings& settings) const;
};

// "ｽｸﾛｰﾙ": scrolling steps, automatic scrolling and the wheel.
struct ScrollPageValues {
  std::string scrollLineCount, autoScrollInt, autoScrollCount, wheelLineCount;
  bool oneScrollNotRepeat = false, autoScrollBreak = false;

  static ScrollPageValues FromSettings(const AppSettings& settings);
  std::string ScrollPageValues::*FirstInvalid() const;
  std::string ScrollPageValues::*Apply(AppSettings& settings) const;
};

// "ﾙｰﾗｰ": the two rulers, the line ruler's type and the ruler colours.
struct RulerPageValues {
  bool displayRulerBar = false, displayLineBar = false;
  bool figureRuler = false;  // numbers instead of a scale
  std::uint32_t rulerCursorColorref = 0, rulerBackColorref = 0;  // 0x00BBGGRR
  std::uint32_t lineCursorColorref = 0, lineBackColorref = 0;

  static RulerPageValues FromSettings(const AppSettings& settings);
  // Nothing on this page can be refused; colours keep their low 24 bits.
  void Apply(AppSettings& settings) const;
};

}  // namespace quelt
