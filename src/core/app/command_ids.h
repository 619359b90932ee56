// Command ids. Every user action a menu, a tool-bar button, an assigned key,
// an extended-menu entry or a recorded operation can trigger is one of these
// numbers; the id alone decides what runs. The program's own commands lie in
// 32768-33065; the document, edit, window and help commands keep the
// application framework's numbers (57600-57681), as do the bar toggles.
#pragma once

#include <cstdint>

namespace quelt {

using CommandId = std::uint16_t;

// Id ranges.
constexpr CommandId kCmdOwnFirst = 32768;
constexpr CommandId kCmdOwnLast = 33065;
constexpr CommandId kCmdFrameworkFirst = 57600;
constexpr CommandId kCmdFrameworkLast = 57681;

// Framework block: files.
constexpr CommandId kCmdFileNew = 57600;
constexpr CommandId kCmdFileOpen = 57601;
constexpr CommandId kCmdFileClose = 57602;
constexpr CommandId kCmdFileSave = 57603;
constexpr CommandId kCmdFileSaveAs = 57604;
constexpr CommandId kCmdFilePrintSetup = 57606;
constexpr CommandId kCmdFilePrint = 57607;
constexpr CommandId kCmdFilePrintPreview = 57609;
// The recent-file list: entry n (0-based) is kCmdRecentFileFirst + n.
constexpr CommandId kCmdRecentFileFirst = 57616;
constexpr int kRecentFileCommandCount = 16;  // as many as the list can hold
constexpr CommandId kCmdRecentFileLast = kCmdRecentFileFirst + kRecentFileCommandCount - 1;
// Framework block: editing.
constexpr CommandId kCmdEditCopy = 57634;
constexpr CommandId kCmdEditCut = 57635;
constexpr CommandId kCmdEditFind = 57636;
constexpr CommandId kCmdEditPaste = 57637;
constexpr CommandId kCmdEditReplace = 57641;
constexpr CommandId kCmdEditUndo = 57643;
constexpr CommandId kCmdEditRedo = 57644;
// Framework block: windows.
constexpr CommandId kCmdWindowNew = 57648;
constexpr CommandId kCmdWindowArrange = 57649;
constexpr CommandId kCmdWindowCascade = 57650;
constexpr CommandId kCmdWindowTileHorz = 57651;  // one above the other
constexpr CommandId kCmdWindowTileVert = 57652;  // side by side
constexpr CommandId kCmdWindowSplit = 57653;
// Framework block: application and help.
constexpr CommandId kCmdAppAbout = 57664;
constexpr CommandId kCmdAppExit = 57665;
constexpr CommandId kCmdHelpIndex = 57666;
constexpr CommandId kCmdHelpUsing = 57668;
constexpr CommandId kCmdContextHelp = 57669;  // Shift+F1
constexpr CommandId kCmdHelp = 57670;         // F1
// Bar toggles.
constexpr CommandId kCmdViewToolBar = 59392;
constexpr CommandId kCmdViewStatusBar = 59393;

// Marks.
constexpr CommandId kCmdLineMarkToggle = 32768;
constexpr CommandId kCmdLineMarkNext = 32769;
constexpr CommandId kCmdLineMarkPrev = 32770;
constexpr CommandId kCmdLineMarkClearAll = 32771;
constexpr CommandId kCmdStringMarkToggle = 32772;
constexpr CommandId kCmdStringMarkNext = 32773;
constexpr CommandId kCmdStringMarkPrev = 32774;
constexpr CommandId kCmdStringMarkClearAll = 32775;
// Cabinet.
constexpr CommandId kCmdCabinetChange = 32776;
constexpr CommandId kCmdCabinetNew = 32777;
constexpr CommandId kCmdCabinetFormat = 32778;
constexpr CommandId kCmdCabinetColour = 32779;
constexpr CommandId kCmdCabinetFont = 32780;
constexpr CommandId kCmdCabinetKeyword = 32783;
constexpr CommandId kCmdCabinetSheet = 32814;
constexpr CommandId kCmdCabinetFileList = 32963;
// Search, jumps, tags.
constexpr CommandId kCmdGlobalSearch = 32784;
constexpr CommandId kCmdTagJumpCurrent = 32785;
constexpr CommandId kCmdTagJumpNext = 32786;
constexpr CommandId kCmdTagJumpPrev = 32787;
constexpr CommandId kCmdJump = 32788;
constexpr CommandId kCmdFindBox = 32790;
constexpr CommandId kCmdTagWindow = 32815;
constexpr CommandId kCmdFindNext = 32850;
// Enter in the tool bar's find box searches down as kCmdFindNext does.
constexpr CommandId kCmdFindBoxEnter = 195;
constexpr CommandId kCmdFindPrev = 33020;
constexpr CommandId kCmdMatchBracket = 32960;
constexpr CommandId kCmdLineExtract = 32883;
// Document state and layout.
constexpr CommandId kCmdWriteProtect = 32789;
constexpr CommandId kCmdPageLayout = 32791;
constexpr CommandId kCmdAllowOverwrite = 33065;
constexpr CommandId kCmdColumnRuler = 32806;
constexpr CommandId kCmdLineRuler = 32807;
// Window marks.
constexpr CommandId kCmdWindowMarkToggle = 32793;
constexpr CommandId kCmdWindowMarkNext = 32794;
constexpr CommandId kCmdWindowMarkPrev = 32795;
constexpr CommandId kCmdWindowMarkClearAll = 32796;
// Editing.
constexpr CommandId kCmdAlignRight = 32798;
constexpr CommandId kCmdAlignCentre = 32799;
constexpr CommandId kCmdAlignLeft = 32959;
constexpr CommandId kCmdTabToSpace = 32801;
constexpr CommandId kCmdSpaceToTab = 32802;
constexpr CommandId kCmdSelectAll = 32803;
constexpr CommandId kCmdAppendCut = 32804;
constexpr CommandId kCmdAppendCopy = 32805;
constexpr CommandId kCmdInvertCase = 32816;
constexpr CommandId kCmdUpperCase = 32817;
constexpr CommandId kCmdLowerCase = 32818;
constexpr CommandId kCmdCapitalize = 32819;
constexpr CommandId kCmdHalfToFull = 32820;
constexpr CommandId kCmdFullToHalf = 32821;
constexpr CommandId kCmdHiraganaToKatakana = 32822;
constexpr CommandId kCmdSplitLines = 32823;
constexpr CommandId kCmdJoinLines = 32824;
constexpr CommandId kCmdKatakanaToHiragana = 32825;
constexpr CommandId kCmdInsertDate = 32826;
constexpr CommandId kCmdInsertTime = 32827;
constexpr CommandId kCmdInsertString = 32828;
constexpr CommandId kCmdFreeConversion = 32888;
constexpr CommandId kCmdInsertTag = 33019;
constexpr CommandId kCmdPasteSelected = 33021;
constexpr CommandId kCmdPasteFromHistory = 33023;
constexpr CommandId kCmdPasteHistoryCurrent = 33024;
constexpr CommandId kCmdPasteHistoryNext = 33025;
constexpr CommandId kCmdPasteHistoryPrev = 33026;
// Recording and customisation.
constexpr CommandId kCmdRecordToggle = 32808;
constexpr CommandId kCmdPlayback = 32809;
constexpr CommandId kCmdSaveOperation = 32810;
constexpr CommandId kCmdLoadOperation = 32811;
constexpr CommandId kCmdKeyAssign = 32812;
constexpr CommandId kCmdCommonSettingsBar = 32813;  // the tool-bar button
constexpr CommandId kCmdUserToolSettings = 32829;
constexpr CommandId kCmdToolBarSettings = 32872;
constexpr CommandId kCmdCustomise = 32873;
constexpr CommandId kCmdCommonSettings = 32881;
// Tools.
constexpr CommandId kCmdExplorer = 32833;
constexpr CommandId kCmdRunProgram = 32834;
constexpr CommandId kCmdUserToolFirst = 32851;  // user tool 1
constexpr CommandId kCmdUserToolLast = 32870;   // user tool 20
// Files and folders.
constexpr CommandId kCmdFavouriteFolders = 32877;
constexpr CommandId kCmdCloseAll = 32961;
constexpr CommandId kCmdSaveAll = 32962;
// Extended menu.
constexpr CommandId kCmdExtNewCommand = 32830;
constexpr CommandId kCmdExtNewOperation = 32831;
constexpr CommandId kCmdExtNewSeparator = 32832;
constexpr CommandId kCmdExtEntryFirst = 32969;    // extended-menu entries
constexpr CommandId kCmdExtEntryLast = 32988;
constexpr CommandId kCmdExtKeyFirst = 32989;      // extended commands bound to keys
constexpr CommandId kCmdExtKeyLast = 33018;
constexpr CommandId kCmdExtBarListFirst = 33035;  // list entries of the extended-menu bar
constexpr CommandId kCmdExtBarListLast = 33054;
// Window-bar menu.
constexpr CommandId kCmdFileProperties = 33030;
constexpr CommandId kCmdFileDelete = 33031;
constexpr CommandId kCmdFileRename = 33032;
constexpr CommandId kCmdRegisterCabinetList = 33033;
constexpr CommandId kCmdRegisterSearchList = 33034;
// HTML visual document.
constexpr CommandId kCmdHylPage = 32910;
constexpr CommandId kCmdTagCharacter = 32911;
constexpr CommandId kCmdTagLink = 32912;
constexpr CommandId kCmdTagCentre = 32913;
constexpr CommandId kCmdTagPre = 32914;
constexpr CommandId kCmdTagBulletList = 32915;
constexpr CommandId kCmdTagNumberList = 32916;
constexpr CommandId kCmdHylCommonSettings = 32919;
// Tags of the text view.
constexpr CommandId kCmdTagPage = 32926;
constexpr CommandId kCmdTagImage = 32927;
constexpr CommandId kCmdTableWizard = 32928;
constexpr CommandId kCmdTableArea = 32929;
constexpr CommandId kCmdTableCaption = 32930;
constexpr CommandId kCmdTableHeader = 32931;
constexpr CommandId kCmdTableData = 32932;
constexpr CommandId kCmdTableRow = 32933;
constexpr CommandId kCmdTagAnchor = 32934;
constexpr CommandId kCmdTagBlink = 32935;
constexpr CommandId kCmdTagNoBreak = 32936;
constexpr CommandId kCmdTagParagraph = 32937;
constexpr CommandId kCmdTagDefinitionList = 32938;
constexpr CommandId kCmdTagClear = 32939;
constexpr CommandId kCmdTagBreak = 32940;
constexpr CommandId kCmdTagRule = 32941;
constexpr CommandId kCmdFormArea = 32942;
constexpr CommandId kCmdFormText = 32943;
constexpr CommandId kCmdFormRadio = 32944;
constexpr CommandId kCmdFormCheckBox = 32945;
constexpr CommandId kCmdFormSubmit = 32946;
constexpr CommandId kCmdFormReset = 32947;
constexpr CommandId kCmdFormSelect = 32948;
constexpr CommandId kCmdFormTextArea = 32949;
constexpr CommandId kCmdTagHeading = 32950;
constexpr CommandId kCmdTagErase = 32951;
constexpr CommandId kCmdFrameArea = 32954;
constexpr CommandId kCmdFrameFrame = 32955;
constexpr CommandId kCmdFrameNoFrame = 32956;
constexpr CommandId kCmdFrameTarget = 32957;
constexpr CommandId kCmdTagRepeat = 32958;

// Commands that have handlers but no menu item or prompt.
constexpr CommandId kCmdIndent = 32875;
constexpr CommandId kCmdUnindent = 32876;

}  // namespace quelt
