// The values the tag dialogs show and keep for the run of the program. Each
// dialog opens with the values of its previous use; Cancel leaves them as
// they were, OK stores them before the pair is built. Nothing is saved
// between runs. The application owns one TagSettings.
#pragma once

#include <string>

#include "html/tag_pair.h"

namespace quelt {

// One colour of the page: written only when applied.
struct PageColour {
  bool apply = false;
  ColourRef colour = 0;
  bool operator==(const PageColour&) const = default;
};

// The page sheet "ﾍﾟｰｼﾞ" (title page 1547, colour page 1546).
struct PageTagSettings {
  std::string title;
  PageColour background{false, 0xC0C0C0};
  PageColour text{false, 0x000000};
  PageColour link{false, 0xFF0000};
  PageColour visitedLink{false, 0x800000};
  PageColour activeLink{false, 0x0000FF};
  std::string backgroundImage;
  int lastPage = 0;  // the sheet reopens at the page active when it closed
  bool operator==(const PageTagSettings&) const = default;
};

// What the character dialog stores for black, so that it differs from 0,
// which means no colour.
inline constexpr ColourRef kStoredBlack = 0x1000000;

// The character dialog (1544) in its tag mode.
struct CharTagSettings {
  bool superscript = false;
  bool subscript = false;
  bool bold = false;
  bool italic = false;
  int points = 11;
  ColourRef colour = 0;  // 0: no colour; black is kStoredBlack
  bool operator==(const CharTagSettings&) const = default;
};

// The fields of the form dialogs.
struct FormTagSettings {
  std::string action = "mailto:";  // form area (149)
  std::string textName;            // text field (1551)
  std::string textValue;
  int textSize = 0;
  int textMaxLength = 0;
  std::string radioName;  // radio button (1552)
  std::string radioValue;
  bool radioChecked = false;
  std::string checkName;  // check box (1553)
  bool checkChecked = false;
  std::string submitValue;  // submit button (1554)
  std::string resetValue;   // reset button (1555)
  std::string selectName;   // selection box (1556)
  std::string textAreaName;  // text area (1557)
  int textAreaCols = 0;
  int textAreaRows = 0;
  bool operator==(const FormTagSettings&) const = default;
};

// The image dialog's text position list: 標準, 上部, 中央, 下部, 左, 右.
enum ImageAlign : int {
  kImageAlignDefault = 0,
  kImageAlignTop = 1,
  kImageAlignCenter = 2,
  kImageAlignBottom = 3,
  kImageAlignLeft = 4,
  kImageAlignRight = 5,
};

// The longest file name and alternative text of the image dialog.
inline constexpr int kMaxImageText = 1024;
// The largest width and height of the image dialog, in dots.
inline constexpr int kMaxImageDots = 10240;

// The record shared by the link (1545), anchor (1550), image (133) and
// heading (150) dialogs and the form dialogs.
struct HtmlTagSettings {
  std::string linkUrl;
  std::string imageFile;
  std::string imageAlt;
  int imageAlign = kImageAlignDefault;
  int hspace = 0;
  int vspace = 0;
  bool border = false;
  bool widthGiven = false;
  bool heightGiven = false;
  int width = 0;
  int height = 0;
  std::string anchorName;
  int headingLevel = 0;  // 0 for H1 .. 5 for H6
  FormTagSettings form;
  bool operator==(const HtmlTagSettings&) const = default;
};

// The frame dialogs (362 frame area, 363 frame, 364 target).
struct FrameTagSettings {
  int direction = 0;  // 0 縦 (COLS), 1 横 (ROWS)
  std::string widths;
  std::string url;
  std::string windowName;
  int marginWidthIndex = 0;   // 0 標準, i: the number i
  int marginHeightIndex = 0;
  int scrollingIndex = 0;     // 標準, 自動, する, しない
  bool noResize = false;
  std::string target;
  bool operator==(const FrameTagSettings&) const = default;
};

}  // namespace quelt
