// The application settings record: every value of the "Settings" and
// "HtmlMode" sections of the settings file, read once at start-up and written
// back at exit. Values outside their range read as the default; read-only
// keys are never written back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_paths.h"
#include "app/ini_file.h"
#include "base/file_system.h"

namespace quelt {

constexpr std::string_view kSettingsSection = "Settings";
constexpr std::string_view kHtmlModeSection = "HtmlMode";
constexpr std::string_view kRecentFileSection = "Recent File List";

// Entries of the recent-file list ("RecentFileListCount" is 1 to this).
constexpr int kMaxRecentFiles = 16;
// Favourite folders offered in the folder menu.
constexpr int kFavouriteFolderCount = 4;
// Longest text value taken from the settings file; the rest is cut off.
constexpr std::size_t kMaxSettingText = 1024;
// Tab positions: at most this many, each a column of 1 to kMaxTabColumn in
// the file. The list is written while its text is shorter than
// kTabPositionTextLimit characters.
constexpr std::size_t kMaxTabPositions = 48;
constexpr int kMaxTabColumn = 9999;
constexpr std::size_t kTabPositionTextLimit = 95;

// The main frame's placement, as "WindowPos" keeps it.
struct WindowPlacement {
  std::uint32_t flags = 0;
  std::uint32_t showCmd = 0;
  int minX = 0, minY = 0;  // minimised position
  int maxX = 0, maxY = 0;  // maximised position
  int left = 0, top = 0, right = 0, bottom = 0;  // normal rectangle
  bool operator==(const WindowPlacement&) const = default;
};

// The "HtmlMode" section: settings of the HTML visual view.
struct HtmlModeSettings {
  int tabWidth = 0;  // "TabWidth" times 10
  int displayEnter = 0, displayTab = 0, enterColor = 0, tabColor = 0, freeCursor = 0;
  int defaultFontNo = 0, defaultFontPoint = 0, wordWrap = 0, measureType = 0, dlgFontNo = 0;
  int rvLeftMarginLM = 0, rvTopMarginLM = 0;
  int hylDisplayRulerBar = 0, hylDisplayLineBar = 0;  // read only
  int displayCursorPosition = 0, pageBorderColor = 0, pageNumberColor = 0, detailScale = 0;
  // Read only.
  int hScrollUnit = 0, dlgFontPoint = 0, charIntervalUnit = 0, lineIntervalUnit = 0,
      lVertIntervalUnit = 0, uLinePointYPix = 0, uLine2ndIntervalPix = 0;
  int transparent = 0;
};

// One field per key of the "Settings" section, named after the key. Use
// DefaultSettings() or LoadSettings() to fill it.
struct AppSettings {
  // Start-up, instances and cabinets.
  std::string cabinetName;
  int initialCabinet = 0, initialCabinetMode = 0, cabinetSave = 0, invokeWithoutUntitled = 0;
  int disableSplash = 0, multiInstance = 0, convToLongFileName = 0, residentMode = 0;
  int enableCtrlOnDDEDrop = 0, viewMode = 0, useDefaultExtension = 0, closeUntitledWithoutPrompt = 0;

  // Bars, display and rulers.
  int displayToolBar = 0, displayStatusBar = 0, displayTabBar = 0, tabBarPosition = 0;
  int toolBarPosition = 0;  // the tool bar's edge: 0 top, 1 bottom, 2 left, 3 right
  int buttonStyleTabBar = 0;
  int tabBarHeightAdjust = 0;  // 0 whenever buttonStyleTabBar is 0
  int enableTabBarImage = 0, tabBarImageNo = 0, addDocNumber = 0;
  int displayExtBar = 0, extBarPosition = 0, buttonStyleExtBar = 0, extBarFixedFirst = 0, extMenuCount = 0;
  int tagToolBarLeft = 0, tagToolBarParallel = 0, tagToolBarSequence = 0, saveTagToolBarLayout = 0;
  int recentFileListCount = 0, fullPathFileList = 0, pathItemLength = 0, longTitle = 0;
  int drawUnderLine = 0, invertBracketArea = 0, displayCodeEnter = 0, displayCharCode = 0;
  int displayAlwaysShiftJis = 0, setCompositionFont = 0;
  int spotConversionIME = 0;  // read only
  int colorAreaComment = 0;
  int countOfColorAreaComment = 0;  // read only
  int colorLowerHtmlTag = 0, displayRulerBar = 0, displayLineBar = 0, figureRuler = 0;
  std::uint32_t rulerCursorColorref = 0, rulerBackColorref = 0;  // 0x00BBGGRR
  std::uint32_t lineCursorColorref = 0, lineBackColorref = 0;
  int rulerFontFlag = 0;  // read only
  int leftMarginLM = 0, topMarginLM = 0;  // tenths of a millimetre
  int beepSoundType = 0;  // read only

  // Editing.
  int deleteSelectionAtInput = 0, enableDragDropEdit = 0, moveFromLineTop = 0;
  int joinLinesTightly = 0, padSpaceForMoving = 0, enableTabPosition = 0;
  std::vector<int> tabPosition;  // 0-based columns, ascending
  std::string columnOutString;   // Shift-JIS; not written with the English interface
  std::string insertionString;
  int insertionPosition = 0;
  int valiableInsertion = 0;  // read only
  std::string userLineComment;
  int uLCommentFullMode = 0;
  int enableRedirectForWin4 = 0;  // read only
  int recordExtractOperation = 0, disableInvertOnPlaying = 0, clipHistory = 0, maxClipLength = 0;

  // Scrolling and mouse.
  int scrollLineCount = 0, oneScrollNotRepeat = 0, autoScrollInt = 0, autoScrollCount = 0;
  int autoScrollBreak = 0, scrollStartBase = 0, wheelLineCount = 0, wheelScrollMS = 0;
  int scrollOnSize = 0;  // read only

  // Search and global search.
  int multiText = 0, enableSelFindByBox = 0, findBoxFontNo = 0, findRound = 0, wholeWord = 0;
  int enableEscapeSequence = 0, fullEscapeSequence = 0;
  int globalFindCodeDecision = 0;  // always 1 with the English interface
  int findNoneTextFile = 0, pickUpAllFiles = 0;
  int subDirBufSize = 0;  // "SubDirBufSizeKB", held in bytes
  int enableCharSetCheck = 0;  // read only
  int crlfEqualSjis = 0;

  // Files, backup, automatic saving and cipher.
  int makeBackupFile = 0, backupFileGenerationCount = 0;
  std::string backupFileFPath;
  int makeMirrorFile = 0;
  std::string mirrorFileFPath;
  int simpleMirror = 0, autoSave = 0, autoSaveOriginalFile = 0, autoSaveIntervalSec = 0;
  int autoSaveCancelForFD = 0, autoSaveWaitSec = 0, doCipher = 0;
  std::string cipherFPath;

  // Mail and links.
  int clickableUrlEmail = 0;
  std::string netscapeDotExe;  // read only
  int passSpecialProcess = 0;  // read only
  std::string mailerPath, mailerArgument;

  // "FrequentlyUsedDirectory1".."4", the set ones first.
  std::array<std::string, kFavouriteFolderCount> frequentlyUsedDirectory;

  // "WindowPos"; empty when none is stored.
  std::optional<WindowPlacement> windowPos;

  HtmlModeSettings htmlMode;
};

struct SettingsLoadResult {
  // "TabPosition" could not be read (the list is empty): beep at start-up.
  bool tabPositionInvalid = false;
};

// Reads the record from the "Settings" and "HtmlMode" sections with every
// default and range. The interface language (IsEnglishInterface()) decides
// the language-dependent values. A backup, mirror or cipher folder that does
// not exist while its feature is on is replaced by the default folder under
// the executable's folder, which is created through fs.
SettingsLoadResult LoadSettings(const IniFile& ini, const AppPaths& paths, FileSystem& fs,
                                AppSettings& settings);
// Writes every key that is not read only.
void SaveSettings(const AppSettings& settings, IniFile& ini);
// The record as an empty settings file gives it (no folder is created).
AppSettings DefaultSettings(const AppPaths& paths);

// The usable folder for a folder key: folder when it exists, otherwise
// defaultFolder, created when missing. For a feature switched on at run time.
std::string ResolveFeatureFolder(FileSystem& fs, const std::string& folder, const std::string& defaultFolder);

// "TabPosition": 1-based columns each followed by a comma in the text,
// 0-based in the list. Parse fails (list empty) on anything but ascending
// columns of 1 to kMaxTabColumn, at most kMaxTabPositions of them; the
// final comma may be missing.
bool ParseTabPositions(std::string_view text, std::vector<int>& positions);
std::string FormatTabPositions(const std::vector<int>& positions);

// "WindowPos": exactly ten numbers "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
bool ParseWindowPos(std::string_view text, WindowPlacement& placement);
std::string FormatWindowPos(const WindowPlacement& placement);

// "UserLineComment" must be printable text; with "ULCommentFullMode" off it is
// searched byte by byte, so it may not hold double-byte characters.
bool IsValidUserLineComment(std::string_view text, int fullMode);

// The recent-file list: "File1".."FileN" of the "Recent File List" section.
// Reading skips empty entries; writing removes the entries past the list.
std::vector<std::string> ReadRecentFiles(const IniFile& ini, int count);
void WriteRecentFiles(IniFile& ini, const std::vector<std::string>& files, int count);

// The "HtmlMode" section alone (used by LoadSettings and SaveSettings).
void LoadHtmlModeSettings(const IniFile& ini, HtmlModeSettings& html);
void SaveHtmlModeSettings(const HtmlModeSettings& html, IniFile& ini);

}  // namespace quelt
