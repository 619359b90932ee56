#include "app/settings.h"

#include <climits>

#include "base/messages.h"
#include "base/sjis.h"

namespace quelt {
namespace {

constexpr int kAny = INT_MIN;  // as min: no range
constexpr bool kReadOnly = true;

struct IntKey {
  const char* name;
  int AppSettings::*field;
  int fallback;
  int min = kAny;
  int max = INT_MAX;
  bool readOnly = false;
};

// Integer keys whose only rules are a default, a range and read-only.
constexpr IntKey kIntKeys[] = {
    // Start-up, instances and cabinets.
    {"InitialCabinet", &AppSettings::initialCabinet, 0, 0, 1},
    {"InitialCabinetMode", &AppSettings::initialCabinetMode, 0, 0, 1},
    {"CabinetSave", &AppSettings::cabinetSave, 1, 0, 1},
    {"InvokeWithoutUntitled", &AppSettings::invokeWithoutUntitled, 0, 0, 1},
    {"DisableSplash", &AppSettings::disableSplash, 0, 0, 1},
    {"MultiInstance", &AppSettings::multiInstance, 1, 0, 1},
    {"ConvToLongFileName", &AppSettings::convToLongFileName, 1, 0, 1},
    {"ResidentMode", &AppSettings::residentMode, 0, 0, 1},
    {"EnableCtrlOnDDEDrop", &AppSettings::enableCtrlOnDDEDrop, 1, 0, 1},
    {"ViewMode", &AppSettings::viewMode, 0, 0, 1},
    {"UseDefaultExtension", &AppSettings::useDefaultExtension, 1, 0, 1},
    {"CloseUntitledWithoutPrompt", &AppSettings::closeUntitledWithoutPrompt, 0, 0, 1},
    // Bars, display and rulers.
    {"DisplayToolBar", &AppSettings::displayToolBar, 1, 0, 1},
    {"ToolBarPosition", &AppSettings::toolBarPosition, 0, 0, 3},
    {"DisplayStatusBar", &AppSettings::displayStatusBar, 1, 0, 1},
    {"DisplayTabBar", &AppSettings::displayTabBar, 1, 0, 1},
    {"TabBarPosition", &AppSettings::tabBarPosition, 1, 0, 1},
    {"ButtonStyleTabBar", &AppSettings::buttonStyleTabBar, 0, 0, 1},
    {"TabBarHeightAdjust", &AppSettings::tabBarHeightAdjust, 2, 1, 10},
    {"EnableTabBarImage", &AppSettings::enableTabBarImage, 1, 0, 1},
    {"TabBarImageNo", &AppSettings::tabBarImageNo, 0, 0, 2},
    {"AddDocNumber", &AppSettings::addDocNumber, 0, 0, 1},
    {"DisplayExtBar", &AppSettings::displayExtBar, 0, 0, 1},
    {"ExtBarPosition", &AppSettings::extBarPosition, 0, 0, 1},
    {"ButtonStyleExtBar", &AppSettings::buttonStyleExtBar, 1, 0, 1},
    {"ExtBarFixedFirst", &AppSettings::extBarFixedFirst, 1, 0, 1},
    {"ExtMenuCount", &AppSettings::extMenuCount, 10, 1, 20},
    {"TagToolBarLeft", &AppSettings::tagToolBarLeft, 1, 0, 1},
    {"TagToolBarParallel", &AppSettings::tagToolBarParallel, 1, 0, 1},
    {"TagToolBarSequence", &AppSettings::tagToolBarSequence, 1, 0, 1},
    {"SaveTagToolBarLayout", &AppSettings::saveTagToolBarLayout, 1, 0, 1},
    {"RecentFileListCount", &AppSettings::recentFileListCount, 4, 1, kMaxRecentFiles},
    {"FullPathFileList", &AppSettings::fullPathFileList, 1, 0, 1},
    {"PathItemLength", &AppSettings::pathItemLength, 65, 10, 256},
    {"LongTitle", &AppSettings::longTitle, 0, 0, 1},
    {"DrawUnderLine", &AppSettings::drawUnderLine, 0, 0, 1},
    {"InvertBracketArea", &AppSettings::invertBracketArea, 0, 0, 1},
    {"DisplayCodeEnter", &AppSettings::displayCodeEnter, 0, 0, 1},
    {"DisplayCharCode", &AppSettings::displayCharCode, 0, 0, 1},
    {"DisplayAlwaysShiftJis", &AppSettings::displayAlwaysShiftJis, 0, 0, 1},
    {"SetCompositionFont", &AppSettings::setCompositionFont, 0, 0, 1},
    {"SpotConversionIME", &AppSettings::spotConversionIME, 1, 0, 1, kReadOnly},
    {"ColorAreaComment", &AppSettings::colorAreaComment, 0, 0, 1},
    {"CountOfColorAreaComment", &AppSettings::countOfColorAreaComment, 700, 700, 10000, kReadOnly},
    {"ColorLowerHtmlTag", &AppSettings::colorLowerHtmlTag, 1, 0, 1},
    {"DisplayRulerBar", &AppSettings::displayRulerBar, 1, 0, 1},
    {"DisplayLineBar", &AppSettings::displayLineBar, 1, 0, 1},
    {"FigureRuler", &AppSettings::figureRuler, 0, 0, 1},
    {"RulerFontFlag", &AppSettings::rulerFontFlag, 0, kAny, INT_MAX, kReadOnly},
    {"LeftMarginLM", &AppSettings::leftMarginLM, 15, 0, 500},
    {"TopMarginLM", &AppSettings::topMarginLM, 15, 0, 500},
    {"BeepSoundType", &AppSettings::beepSoundType, 48, kAny, INT_MAX, kReadOnly},
    // Editing.
    {"DeleteSelectionAtInput", &AppSettings::deleteSelectionAtInput, 1, 0, 1},
    {"EnableDragDropEdit", &AppSettings::enableDragDropEdit, 0, 0, 1},
    {"MoveFromLineTop", &AppSettings::moveFromLineTop, 1, 0, 1},
    {"JoinLinesTightly", &AppSettings::joinLinesTightly, 0, 0, 1},
    {"PadSpaceForMoving", &AppSettings::padSpaceForMoving, 0, 0, 1},
    {"EnableTabPosition", &AppSettings::enableTabPosition, 0, 0, 1},
    {"InsertionPosition", &AppSettings::insertionPosition, 0, 0, 2},
    {"ValiableInsertion", &AppSettings::valiableInsertion, 1, kAny, INT_MAX, kReadOnly},
    {"ULCommentFullMode", &AppSettings::uLCommentFullMode, 0},
    {"EnableRedirectForWin4", &AppSettings::enableRedirectForWin4, 0, kAny, INT_MAX, kReadOnly},
    {"RecordExtractOperation", &AppSettings::recordExtractOperation, 0},
    {"DisableInvertOnPlaying", &AppSettings::disableInvertOnPlaying, 0, 0, 1},
    {"ClipHistory", &AppSettings::clipHistory, 0, 0, 1},
    {"MaxClipLength", &AppSettings::maxClipLength, 204800, 1024, 786432},
    // Scrolling and mouse.
    {"ScrollLineCount", &AppSettings::scrollLineCount, 2, 1, 10},
    {"OneScrollNotRepeat", &AppSettings::oneScrollNotRepeat, 1, 0, 1},
    {"AutoScrollInt", &AppSettings::autoScrollInt, 30, 1, 600},
    {"AutoScrollCount", &AppSettings::autoScrollCount, 5, 1, 60},
    {"AutoScrollBreak", &AppSettings::autoScrollBreak, 0, 0, 1},
    {"ScrollStartBase", &AppSettings::scrollStartBase, 0, 0, 10},
    {"WheelLineCount", &AppSettings::wheelLineCount, 3, 0, 300},
    {"WheelScrollMS", &AppSettings::wheelScrollMS, 30, 10, 300},
    {"ScrollOnSize", &AppSettings::scrollOnSize, 0, kAny, INT_MAX, kReadOnly},
    // Search and global search.
    {"MultiText", &AppSettings::multiText, 0, 0, 1},
    {"EnableSelFindByBox", &AppSettings::enableSelFindByBox, 0, 0, 1},
    {"FindBoxFontNo", &AppSettings::findBoxFontNo, 3, 0, 3},
    {"FindRound", &AppSettings::findRound, 1, 0, 1},
    {"WholeWord", &AppSettings::wholeWord, 0, 0, 1},
    {"EnableEscapeSequence", &AppSettings::enableEscapeSequence, 0, 0, 1},
    {"FullEscapeSequence", &AppSettings::fullEscapeSequence, 0, 0, 1},
    {"GlobalFindCodeDecision", &AppSettings::globalFindCodeDecision, 1, 0, 7},
    {"FindNoneTextFile", &AppSettings::findNoneTextFile, 0, 0, 1},
    {"PickUpAllFiles", &AppSettings::pickUpAllFiles, 1, 0, 1},
    {"EnableCharSetCheck", &AppSettings::enableCharSetCheck, 1, kAny, INT_MAX, kReadOnly},
    {"CrlfEqualSjis", &AppSettings::crlfEqualSjis, 0, 0, 1},
    // Files, backup, automatic saving and cipher.
    {"MakeBackupFile", &AppSettings::makeBackupFile, 0, 0, 1},
    {"BackupFileGenerationCount", &AppSettings::backupFileGenerationCount, 1, 1, 99},
    {"MakeMirrorFile", &AppSettings::makeMirrorFile, 0, 0, 1},
    {"SimpleMirror", &AppSettings::simpleMirror, 0, 0, 1},
    {"AutoSave", &AppSettings::autoSave, 0, 0, 1},
    {"AutoSaveOriginalFile", &AppSettings::autoSaveOriginalFile, 1, 0, 1},
    {"AutoSaveIntervalSec", &AppSettings::autoSaveIntervalSec, 300, 10, 86400},
    {"AutoSaveCancelForFD", &AppSettings::autoSaveCancelForFD, 0, 0, 1},
    {"AutoSaveWaitSec", &AppSettings::autoSaveWaitSec, 5, 1, INT_MAX},  // see ReadSettings
    {"DoCipher", &AppSettings::doCipher, 0, 0, 1},
    // Mail and links.
    {"ClickableUrlEmail", &AppSettings::clickableUrlEmail, 0, 0, 1},
    {"PassSpecialProcess", &AppSettings::passSpecialProcess, 0, kAny, INT_MAX, kReadOnly},
};

struct ColourKey {
  const char* name;
  std::uint32_t AppSettings::*field;
  std::uint32_t fallback;
};

constexpr ColourKey kColourKeys[] = {
    {"RulerCursorColorref", &AppSettings::rulerCursorColorref, 0x00FF00},
    {"RulerBackColorref", &AppSettings::rulerBackColorref, 0xC0C0C0},
    {"LineCursorColorref", &AppSettings::lineCursorColorref, 0xFF0000},
    {"LineBackColorref", &AppSettings::lineBackColorref, 0xFFFFFF},
};
constexpr std::uint32_t kMaxColour = 0xFFFFFF;

// Kinsoku characters in Shift-JIS: "、。，．）］｝」』),.]}｡｣､･ﾞﾟ".
constexpr const char* kDefaultColumnOutString =
    "\x81\x41\x81\x42\x81\x43\x81\x44\x81\x6A\x81\x6E\x81\x70\x81\x76\x81\x78"
    "),.]}\xA1\xA3\xA4\xA5\xDE\xDF";

struct TextKey {
  const char* name;
  std::string AppSettings::*field;
  const char* fallback;
  bool readOnly = false;
};

// Text keys with no rule beyond their default. "ColumnOutString", the
// folder keys and "UserLineComment" have rules of their own.
constexpr TextKey kTextKeys[] = {
    {"CabinetName", &AppSettings::cabinetName, ""},
    {"InsertionString", &AppSettings::insertionString, ""},
    {"NetscapeDotExe", &AppSettings::netscapeDotExe, "Netscape.exe", kReadOnly},
    {"MailerPath", &AppSettings::mailerPath, ""},
    {"MailerArgument", &AppSettings::mailerArgument, ""},
};

constexpr int kSubDirBufSizeKBDefault = 60;
constexpr int kSubDirBufSizeKBMin = 10;
constexpr int kSubDirBufSizeKBMax = 500;
constexpr int kAutoSaveWaitSecDefault = 5;

int ReadInt(const IniFile& ini, std::string_view key, int fallback, int min, int max) {
  const int value = ini.GetInt(kSettingsSection, key, fallback);
  return (value < min || value > max) ? fallback : value;
}

// A text value, cut to kMaxSettingText bytes without splitting a character.
std::string ReadText(const IniFile& ini, std::string_view key, std::string_view fallback) {
  std::string value = ini.GetString(kSettingsSection, key, fallback);
  if (value.size() > kMaxSettingText) {
    std::size_t end = 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(value.data());
    while (end < value.size()) {
      const std::size_t size = SjisCharSize(bytes, value.size(), end);
      if (end + size > kMaxSettingText) break;
      end += size;
    }
    value.resize(end);
  }
  return value;
}

std::string FavouriteKey(int index) { return "FrequentlyUsedDirectory" + std::to_string(index + 1); }

// Everything but the folders' existence, which needs the file system.
AppSettings ReadSettings(const IniFile& ini, const AppPaths& paths, SettingsLoadResult& result) {
  const bool english = IsEnglishInterface();
  AppSettings s;
  for (const IntKey& k : kIntKeys) s.*k.field = ReadInt(ini, k.name, k.fallback, k.min, k.max);
  for (const ColourKey& k : kColourKeys) {
    const int value = ini.GetInt(kSettingsSection, k.name, static_cast<int>(k.fallback));
    s.*k.field = (value < 0 || static_cast<std::uint32_t>(value) > kMaxColour)
                     ? k.fallback
                     : static_cast<std::uint32_t>(value);
  }
  for (const TextKey& k : kTextKeys) s.*k.field = ReadText(ini, k.name, k.fallback);

  if (s.buttonStyleTabBar == 0) s.tabBarHeightAdjust = 0;
  if (s.autoSaveWaitSec > s.autoSaveIntervalSec / 2) s.autoSaveWaitSec = kAutoSaveWaitSecDefault;
  if (english) s.globalFindCodeDecision = 1;
  s.subDirBufSize =
      ReadInt(ini, "SubDirBufSizeKB", kSubDirBufSizeKBDefault, kSubDirBufSizeKBMin, kSubDirBufSizeKBMax) * 1024;

  if (!ParseTabPositions(ReadText(ini, "TabPosition", ""), s.tabPosition)) result.tabPositionInvalid = true;
  s.columnOutString = ReadText(ini, "ColumnOutString", kDefaultColumnOutString);
  s.userLineComment = ReadText(ini, "UserLineComment", "");
  if (!IsValidUserLineComment(s.userLineComment, s.uLCommentFullMode)) s.userLineComment.clear();

  s.backupFileFPath = ReadText(ini, "BackupFileFPath", "");
  s.mirrorFileFPath = ReadText(ini, "MirrorFileFPath", "");
  s.cipherFPath = ReadText(ini, "CipherFPath", "");
  if (s.backupFileFPath.empty()) s.backupFileFPath = paths.backupFolder;
  if (s.mirrorFileFPath.empty()) s.mirrorFileFPath = paths.mirrorFolder;
  if (s.cipherFPath.empty()) s.cipherFPath = paths.cipherFolder;

  // Favourite folders: the set ones move forward.
  int next = 0;
  for (int i = 0; i < kFavouriteFolderCount; ++i) {
    std::string folder = ReadText(ini, FavouriteKey(i), "");
    if (!folder.empty()) s.frequentlyUsedDirectory[next++] = std::move(folder);
  }

  WindowPlacement placement;
  if (ParseWindowPos(ini.GetString(kSettingsSection, "WindowPos"), placement)) s.windowPos = placement;

  LoadHtmlModeSettings(ini, s.htmlMode);
  return s;
}

}  // namespace

std::string ResolveFeatureFolder(FileSystem& fs, const std::string& folder, const std::string& defaultFolder) {
  if (!folder.empty() && fs.IsFolder(folder)) return folder;
  if (!defaultFolder.empty() && !fs.IsFolder(defaultFolder)) fs.CreateFolder(defaultFolder);
  return defaultFolder;
}

SettingsLoadResult LoadSettings(const IniFile& ini, const AppPaths& paths, FileSystem& fs,
                                AppSettings& settings) {
  SettingsLoadResult result;
  settings = ReadSettings(ini, paths, result);
  // A folder is checked only while its feature is on, so a folder on a drive
  // that is absent for a while is not forgotten when nothing writes there.
  if (settings.makeBackupFile)
    settings.backupFileFPath = ResolveFeatureFolder(fs, settings.backupFileFPath, paths.backupFolder);
  if (settings.makeMirrorFile)
    settings.mirrorFileFPath = ResolveFeatureFolder(fs, settings.mirrorFileFPath, paths.mirrorFolder);
  if (settings.doCipher) settings.cipherFPath = ResolveFeatureFolder(fs, settings.cipherFPath, paths.cipherFolder);
  return result;
}

AppSettings DefaultSettings(const AppPaths& paths) {
  SettingsLoadResult result;
  return ReadSettings(IniFile(), paths, result);
}

void SaveSettings(const AppSettings& s, IniFile& ini) {
  for (const IntKey& k : kIntKeys) {
    if (!k.readOnly) ini.SetInt(kSettingsSection, k.name, s.*k.field);
  }
  for (const ColourKey& k : kColourKeys) ini.SetInt(kSettingsSection, k.name, static_cast<int>(s.*k.field));
  for (const TextKey& k : kTextKeys) {
    if (!k.readOnly) ini.SetString(kSettingsSection, k.name, s.*k.field);
  }
  ini.SetInt(kSettingsSection, "SubDirBufSizeKB", s.subDirBufSize / 1024);
  ini.SetString(kSettingsSection, "TabPosition", FormatTabPositions(s.tabPosition));
  // The Japanese kinsoku set is not the English interface's to change.
  if (!IsEnglishInterface()) ini.SetString(kSettingsSection, "ColumnOutString", s.columnOutString);
  ini.SetString(kSettingsSection, "UserLineComment", s.userLineComment);
  ini.SetString(kSettingsSection, "BackupFileFPath", s.backupFileFPath);
  ini.SetString(kSettingsSection, "MirrorFileFPath", s.mirrorFileFPath);
  ini.SetString(kSettingsSection, "CipherFPath", s.cipherFPath);
  for (int i = 0; i < kFavouriteFolderCount; ++i) {
    ini.SetString(kSettingsSection, FavouriteKey(i), s.frequentlyUsedDirectory[static_cast<std::size_t>(i)]);
  }
  if (s.windowPos) ini.SetString(kSettingsSection, "WindowPos", FormatWindowPos(*s.windowPos));
  SaveHtmlModeSettings(s.htmlMode, ini);
}

}  // namespace quelt
