// Field-by-field comparison of two settings records for the settings fuzz
// target. A text value the profile format cannot carry (blanks at its ends,
// or a pair of enclosing quotes, which the profile read drops) is allowed to
// come back changed; every other field must come back exactly.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"

namespace quelt::fuzz {

inline bool IsProfileBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Whether writing value and reading it back gives value again.
inline bool ProfileCarries(std::string_view value) {
  if (!value.empty() && (IsProfileBlank(value.front()) || IsProfileBlank(value.back()))) return false;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return false;
  }
  return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// Compares the records; names the first field that differs, or returns null.
// `lossy` is set when a field of `a` cannot be carried by the profile format.
inline const char* FirstDifference(const AppSettings& a, const AppSettings& b, bool& lossy) {
  lossy = false;
  const char* diff = nullptr;
  auto same = [&](bool equal, const char* name) {
    if (!equal && !diff) diff = name;
  };
  auto text = [&](const std::string& x, const std::string& y, const char* name) {
    if (!ProfileCarries(x)) {
      lossy = true;
      return;
    }
    same(x == y, name);
  };
#define SAME(field) same(a.field == b.field, #field)
#define TEXT(field) text(a.field, b.field, #field)
  TEXT(cabinetName);
  SAME(initialCabinet); SAME(initialCabinetMode); SAME(cabinetSave); SAME(invokeWithoutUntitled);
  SAME(disableSplash); SAME(multiInstance); SAME(convToLongFileName); SAME(residentMode);
  SAME(enableCtrlOnDDEDrop); SAME(viewMode); SAME(useDefaultExtension); SAME(closeUntitledWithoutPrompt);
  SAME(displayToolBar); SAME(displayStatusBar); SAME(displayTabBar); SAME(tabBarPosition); SAME(toolBarPosition);
  SAME(buttonStyleTabBar); SAME(tabBarHeightAdjust); SAME(enableTabBarImage); SAME(tabBarImageNo);
  SAME(addDocNumber); SAME(displayExtBar); SAME(extBarPosition); SAME(buttonStyleExtBar);
  SAME(extBarFixedFirst); SAME(extMenuCount); SAME(tagToolBarLeft); SAME(tagToolBarParallel);
  SAME(tagToolBarSequence); SAME(saveTagToolBarLayout); SAME(recentFileListCount); SAME(fullPathFileList);
  SAME(pathItemLength); SAME(longTitle); SAME(drawUnderLine); SAME(invertBracketArea);
  SAME(displayCodeEnter); SAME(displayCharCode); SAME(displayAlwaysShiftJis); SAME(setCompositionFont);
  SAME(spotConversionIME); SAME(colorAreaComment); SAME(countOfColorAreaComment); SAME(colorLowerHtmlTag);
  SAME(displayRulerBar); SAME(displayLineBar); SAME(figureRuler); SAME(rulerCursorColorref);
  SAME(rulerBackColorref); SAME(lineCursorColorref); SAME(lineBackColorref); SAME(rulerFontFlag);
  SAME(leftMarginLM); SAME(topMarginLM); SAME(beepSoundType);
  SAME(deleteSelectionAtInput); SAME(enableDragDropEdit); SAME(moveFromLineTop); SAME(joinLinesTightly);
  SAME(padSpaceForMoving); SAME(enableTabPosition);
  // The list is written while its text is short enough: what comes back is
  // the front of it, and it formats the same.
  same(b.tabPosition.size() <= a.tabPosition.size() &&
           std::equal(b.tabPosition.begin(), b.tabPosition.end(), a.tabPosition.begin()) &&
           FormatTabPositions(a.tabPosition) == FormatTabPositions(b.tabPosition),
       "tabPosition");
  TEXT(columnOutString); TEXT(insertionString);
  SAME(insertionPosition); SAME(valiableInsertion);
  TEXT(userLineComment);
  SAME(uLCommentFullMode); SAME(enableRedirectForWin4); SAME(recordExtractOperation);
  SAME(disableInvertOnPlaying); SAME(clipHistory); SAME(maxClipLength);
  SAME(scrollLineCount); SAME(oneScrollNotRepeat); SAME(autoScrollInt); SAME(autoScrollCount);
  SAME(autoScrollBreak); SAME(scrollStartBase); SAME(wheelLineCount); SAME(wheelScrollMS); SAME(scrollOnSize);
  SAME(multiText); SAME(enableSelFindByBox); SAME(findBoxFontNo); SAME(findRound); SAME(wholeWord);
  SAME(enableEscapeSequence); SAME(fullEscapeSequence); SAME(globalFindCodeDecision);
  SAME(findNoneTextFile); SAME(pickUpAllFiles); SAME(subDirBufSize); SAME(enableCharSetCheck);
  SAME(crlfEqualSjis);
  SAME(makeBackupFile); SAME(backupFileGenerationCount);
  TEXT(backupFileFPath);
  SAME(makeMirrorFile);
  TEXT(mirrorFileFPath);
  SAME(simpleMirror); SAME(autoSave); SAME(autoSaveOriginalFile); SAME(autoSaveIntervalSec);
  SAME(autoSaveCancelForFD); SAME(autoSaveWaitSec); SAME(doCipher);
  TEXT(cipherFPath);
  SAME(clickableUrlEmail);
  SAME(netscapeDotExe);  // read only: never written, read from the same line
  SAME(passSpecialProcess);
  TEXT(mailerPath); TEXT(mailerArgument);
  for (std::size_t i = 0; i < a.frequentlyUsedDirectory.size(); ++i) TEXT(frequentlyUsedDirectory[i]);
  SAME(windowPos);
  const HtmlModeSettings& x = a.htmlMode;
  const HtmlModeSettings& y = b.htmlMode;
#define HTML(field) same(x.field == y.field, "htmlMode." #field)
  HTML(tabWidth); HTML(displayEnter); HTML(displayTab); HTML(enterColor); HTML(tabColor); HTML(freeCursor);
  HTML(defaultFontNo); HTML(defaultFontPoint); HTML(wordWrap); HTML(measureType); HTML(dlgFontNo);
  HTML(rvLeftMarginLM); HTML(rvTopMarginLM); HTML(hylDisplayRulerBar); HTML(hylDisplayLineBar);
  HTML(displayCursorPosition); HTML(pageBorderColor); HTML(pageNumberColor); HTML(detailScale);
  HTML(hScrollUnit); HTML(dlgFontPoint); HTML(charIntervalUnit); HTML(lineIntervalUnit);
  HTML(lVertIntervalUnit); HTML(uLinePointYPix); HTML(uLine2ndIntervalPix); HTML(transparent);
#undef HTML
#undef TEXT
#undef SAME
  return diff;
}

}  // namespace quelt::fuzz
