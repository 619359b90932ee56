#include "app/common_settings_pages.h"

#include <vector>

namespace quelt {
namespace {

constexpr int kTabBarHeightAdjustDefault = 2;
constexpr int kMaxExtMenuCount = 20;
constexpr int kMaxScrollLineCount = 10;
constexpr int kMaxAutoScrollInt = 600;
constexpr int kMaxAutoScrollCount = 60;
constexpr int kMaxWheelLineCount = 300;
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The tab list of a field, only when the file would give back every
// position of it (the written text stops at kTabPositionTextLimit).
bool ParseWholeTabList(std::string_view text, std::vector<int>& positions) {
  if (!ParseTabPositions(text, positions)) return false;
  std::vector<int> stored;
  return ParseTabPositions(FormatTabPositions(positions), stored) && stored == positions;
}

int Flag(bool on) { return on ? 1 : 0; }

}  // namespace

bool ParseSettingNumber(std::string_view text, int min, int max, int& value) {
  text = Trim(text);
  if (text.empty()) return false;
  long long n = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return false;
    n = n * 10 + (c - '0');
    if (n > max) return false;
  }
  if (n < min) return false;
  value = static_cast<int>(n);
  return true;
}

bool ParseMarginMillimetres(std::string_view text, int& tenths) {
  text = Trim(text);
  std::size_t i = 0;
  long long whole = 0;
  bool digits = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    digits = true;
    whole = whole * 10 + (text[i] - '0');
    if (whole > kMaxMarginTenths) return false;
  }
  int first = 0;       // the tenths digit
  bool roundUp = false;  // the hundredths digit is 5 or more
  if (i < text.size() && text[i] == '.') {
    ++i;
    for (int place = 0; i < text.size() && IsDigit(text[i]); ++i, ++place) {
      digits = true;
      if (place == 0) first = text[i] - '0';
      if (place == 1) roundUp = text[i] >= '5';
    }
  }
  if (i != text.size() || !digits) return false;
  const long long value = whole * 10 + first + (roundUp ? 1 : 0);
  if (value > kMaxMarginTenths) return false;
  tenths = static_cast<int>(value);
  return true;
}

std::string FormatMarginMillimetres(int tenths) {
  if (tenths < 0) tenths = 0;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

bool FitsSettingText(std::string_view text) { return text.size() <= kMaxSettingText; }

// ---- 編集

EditPageValues EditPageValues::FromSettings(const AppSettings& s) {
  EditPageValues v;
  v.cabinetSave = s.cabinetSave != 0;
  v.initialCabinet = s.initialCabinet != 0;
  v.initialCabinetMode = s.initialCabinetMode != 0;
  v.invokeWithoutUntitled = s.invokeWithoutUntitled != 0;
  v.colorAreaComment = s.colorAreaComment != 0;
  v.joinLinesTightly = s.joinLinesTightly != 0;
  v.padSpaceForMoving = s.padSpaceForMoving != 0;
  v.useDefaultExtension = s.useDefaultExtension != 0;
  v.multiText = s.multiText != 0;
  v.closeUntitledWithoutPrompt = s.closeUntitledWithoutPrompt != 0;
  v.enableTabPosition = s.enableTabPosition != 0;
  v.enableDragDropEdit = s.enableDragDropEdit != 0;
  v.residentMode = s.residentMode != 0;
  v.multiInstance = s.multiInstance != 0;
  v.viewMode = s.viewMode != 0;
  v.clickableUrlEmail = s.clickableUrlEmail != 0;
  v.clipHistory = s.clipHistory != 0;
  v.tabPosition = FormatTabPositions(s.tabPosition);
  v.columnOutString = s.columnOutString;
  v.mailerPath = s.mailerPath;
  v.mailerArgument = s.mailerArgument;
  return v;
}

std::string EditPageValues::*EditPageValues::FirstInvalid() const {
  std::vector<int> positions;
  if (!ParseWholeTabList(tabPosition, positions)) return &EditPageValues::tabPosition;
  if (!FitsSettingText(columnOutString)) return &EditPageValues::columnOutString;
  if (!FitsSettingText(mailerPath)) return &EditPageValues::mailerPath;
  if (!FitsSettingText(mailerArgument)) return &EditPageValues::mailerArgument;
  return nullptr;
}

std::string EditPageValues::*EditPageValues::Apply(AppSettings& s) const {
  if (auto invalid = FirstInvalid()) return invalid;
  std::vector<int> positions;
  ParseWholeTabList(tabPosition, positions);
  s.cabinetSave = Flag(cabinetSave);
  s.initialCabinet = Flag(initialCabinet);
  s.initialCabinetMode = Flag(initialCabinetMode);
  s.invokeWithoutUntitled = Flag(invokeWithoutUntitled);
  s.colorAreaComment = Flag(colorAreaComment);
  s.joinLinesTightly = Flag(joinLinesTightly);
  s.padSpaceForMoving = Flag(padSpaceForMoving);
  s.useDefaultExtension = Flag(useDefaultExtension);
  s.multiText = Flag(multiText);
  s.closeUntitledWithoutPrompt = Flag(closeUntitledWithoutPrompt);
  s.enableTabPosition = Flag(enableTabPosition);
  s.enableDragDropEdit = Flag(enableDragDropEdit);
  s.residentMode = Flag(residentMode);
  s.multiInstance = Flag(multiInstance);
  s.viewMode = Flag(viewMode);
  s.clickableUrlEmail = Flag(clickableUrlEmail);
  s.clipHistory = Flag(clipHistory);
  s.tabPosition = std::move(positions);
  s.columnOutString = columnOutString;
  s.mailerPath = mailerPath;
  s.mailerArgument = mailerArgument;
  return nullptr;
}

// ---- 表示

DisplayPageValues DisplayPageValues::FromSettings(const AppSettings& s) {
  DisplayPageValues v;
  v.displayToolBar = s.displayToolBar != 0;
  v.displayStatusBar = s.displayStatusBar != 0;
  v.showSplash = s.disableSplash == 0;
  v.drawUnderLine = s.drawUnderLine != 0;
  v.saveTagToolBarLayout = s.saveTagToolBarLayout != 0;
  v.displayTabBar = s.displayTabBar != 0;
  v.tabBarPosition = s.tabBarPosition != 0;
  v.buttonStyleTabBar = s.buttonStyleTabBar != 0;
  v.addDocNumber = s.addDocNumber != 0;
  v.setCompositionFont = s.setCompositionFont != 0;
  v.invertBracketArea = s.invertBracketArea != 0;
  v.displayCodeEnter = s.displayCodeEnter != 0;
  v.fullPathFileList = s.fullPathFileList != 0;
  v.displayCharCode = s.displayCharCode != 0;
  v.displayAlwaysShiftJis = s.displayAlwaysShiftJis != 0;
  v.displayExtBar = s.displayExtBar != 0;
  v.extBarPosition = s.extBarPosition != 0;
  v.userLineComment = s.userLineComment;
  v.extMenuCount = std::to_string(s.extMenuCount);
  v.recentFileListCount = std::to_string(s.recentFileListCount);
  v.leftMargin = FormatMarginMillimetres(s.leftMarginLM);
  v.topMargin = FormatMarginMillimetres(s.topMarginLM);
  return v;
}

std::string DisplayPageValues::*DisplayPageValues::FirstInvalid(const AppSettings& s) const {
  int n = 0;
  if (!FitsSettingText(userLineComment) || !IsValidUserLineComment(userLineComment, s.uLCommentFullMode))
    return &DisplayPageValues::userLineComment;
  if (!ParseSettingNumber(extMenuCount, 1, kMaxExtMenuCount, n)) return &DisplayPageValues::extMenuCount;
  if (!ParseSettingNumber(recentFileListCount, 1, kMaxRecentFiles, n))
    return &DisplayPageValues::recentFileListCount;
  if (!ParseMarginMillimetres(leftMargin, n)) return &DisplayPageValues::leftMargin;
  if (!ParseMarginMillimetres(topMargin, n)) return &DisplayPageValues::topMargin;
  return nullptr;
}

std::string DisplayPageValues::*DisplayPageValues::Apply(AppSettings& s) const {
  if (auto invalid = FirstInvalid(s)) return invalid;
  s.displayToolBar = Flag(displayToolBar);
  s.displayStatusBar = Flag(displayStatusBar);
  s.disableSplash = Flag(!showSplash);
  s.drawUnderLine = Flag(drawUnderLine);
  s.saveTagToolBarLayout = Flag(saveTagToolBarLayout);
  s.displayTabBar = Flag(displayTabBar);
  s.tabBarPosition = Flag(tabBarPosition);
  s.buttonStyleTabBar = Flag(buttonStyleTabBar);
  if (!buttonStyleTabBar) {
    s.tabBarHeightAdjust = 0;
  } else if (s.tabBarHeightAdjust < 1 || s.tabBarHeightAdjust > 10) {
    s.tabBarHeightAdjust = kTabBarHeightAdjustDefault;
  }
  s.addDocNumber = Flag(addDocNumber);
  s.setCompositionFont = Flag(setCompositionFont);
  s.invertBracketArea = Flag(invertBracketArea);
  s.displayCodeEnter = Flag(displayCodeEnter);
  s.fullPathFileList = Flag(fullPathFileList);
  s.displayCharCode = Flag(displayCharCode);
  s.displayAlwaysShiftJis = Flag(displayAlwaysShiftJis);
  s.displayExtBar = Flag(displayExtBar);
  s.extBarPosition = Flag(extBarPosition);
  s.userLineComment = userLineComment;
  ParseSettingNumber(extMenuCount, 1, kMaxExtMenuCount, s.extMenuCount);
  ParseSettingNumber(recentFileListCount, 1, kMaxRecentFiles, s.recentFileListCount);
  ParseMarginMillimetres(leftMargin, s.leftMarginLM);
  ParseMarginMillimetres(topMargin, s.topMarginLM);
  return nullptr;
}

// ---- ﾃﾞｨﾚｸﾄﾘ

FolderPageValues FolderPageValues::FromSettings(const AppSettings& s) {
  FolderPageValues v;
  v.folders = s.frequentlyUsedDirectory;
  return v;
}

int FolderPageValues::FirstInvalid() const {
  for (std::size_t i = 0; i < folders.size(); ++i) {
    if (!FitsSettingText(Trim(folders[i]))) return static_cast<int>(i);
  }
  return -1;
}

int FolderPageValues::Apply(AppSettings& s) const {
  if (const int invalid = FirstInvalid(); invalid >= 0) return invalid;
  std::array<std::string, kFavouriteFolderCount> closed;
  std::size_t next = 0;
  for (const std::string& folder : folders) {
    const std::string_view trimmed = Trim(folder);
    if (!trimmed.empty()) closed[next++] = std::string(trimmed);
  }
  s.frequentlyUsedDirectory = std::move(closed);
  return -1;
}

// ---- ｽｸﾛｰﾙ

ScrollPageValues ScrollPageValues::FromSettings(const AppSettings& s) {
  ScrollPageValues v;
  v.scrollLineCount = std::to_string(s.scrollLineCount);
  v.autoScrollInt = std::to_string(s.autoScrollInt);
  v.autoScrollCount = std::to_string(s.autoScrollCount);
  v.wheelLineCount = std::to_string(s.wheelLineCount);
  v.oneScrollNotRepeat = s.oneScrollNotRepeat != 0;
  v.autoScrollBreak = s.autoScrollBreak != 0;
  return v;
}

std::string ScrollPageValues::*ScrollPageValues::FirstInvalid() const {
  int n = 0;
  if (!ParseSettingNumber(scrollLineCount, 1, kMaxScrollLineCount, n)) return &ScrollPageValues::scrollLineCount;
  if (!ParseSettingNumber(autoScrollInt, 1, kMaxAutoScrollInt, n)) return &ScrollPageValues::autoScrollInt;
  if (!ParseSettingNumber(autoScrollCount, 1, kMaxAutoScrollCount, n)) return &ScrollPageValues::autoScrollCount;
  if (!ParseSettingNumber(wheelLineCount, 0, kMaxWheelLineCount, n)) return &ScrollPageValues::wheelLineCount;
  return nullptr;
}

std::string ScrollPageValues::*ScrollPageValues::Apply(AppSettings& s) const {
  if (auto invalid = FirstInvalid()) return invalid;
  ParseSettingNumber(scrollLineCount, 1, kMaxScrollLineCount, s.scrollLineCount);
  ParseSettingNumber(autoScrollInt, 1, kMaxAutoScrollInt, s.autoScrollInt);
  ParseSettingNumber(autoScrollCount, 1, kMaxAutoScrollCount, s.autoScrollCount);
  ParseSettingNumber(wheelLineCount, 0, kMaxWheelLineCount, s.wheelLineCount);
  s.oneScrollNotRepeat = Flag(oneScrollNotRepeat);
  s.autoScrollBreak = Flag(autoScrollBreak);
  return nullptr;
}

// ---- ﾙｰﾗｰ

RulerPageValues RulerPageValues::FromSettings(const AppSettings& s) {
  RulerPageValues v;
  v.displayRulerBar = s.displayRulerBar != 0;
  v.displayLineBar = s.displayLineBar != 0;
  v.figureRuler = s.figureRuler != 0;
  v.rulerCursorColorref = s.rulerCursorColorref;
  v.rulerBackColorref = s.rulerBackColorref;
  v.lineCursorColorref = s.lineCursorColorref;
  v.lineBackColorref = s.lineBackColorref;
  return v;
}

void RulerPageValues::Apply(AppSettings& s) const {
  s.displayRulerBar = Flag(displayRulerBar);
  s.displayLineBar = Flag(displayLineBar);
  s.figureRuler = Flag(figureRuler);
  s.rulerCursorColorref = rulerCursorColorref & kRgbMask;
  s.rulerBackColorref = rulerBackColorref & kRgbMask;
  s.lineCursorColorref = lineCursorColorref & kRgbMask;
  s.lineBackColorref = lineBackColorref & kRgbMask;
}

}  // namespace quelt
