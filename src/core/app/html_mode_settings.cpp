// The "HtmlMode" section: settings of the HTML visual view.
#include <climits>

#include "app/settings.h"
#include "base/messages.h"

namespace quelt {
namespace {

constexpr int kAny = INT_MIN;
constexpr bool kReadOnly = true;

struct HtmlKey {
  const char* name;
  int HtmlModeSettings::*field;
  int fallback;
  int min = kAny;
  int max = INT_MAX;
  bool readOnly = false;
};

// Keys whose default does not depend on the interface language. Colours are
// 1-based indices of the 16-colour table.
constexpr HtmlKey kHtmlKeys[] = {
    {"DisplayEnter", &HtmlModeSettings::displayEnter, 1, 0, 1},
    {"DisplayTab", &HtmlModeSettings::displayTab, 0, 0, 1},
    {"EnterColor", &HtmlModeSettings::enterColor, 2, 1, 16},
    {"TabColor", &HtmlModeSettings::tabColor, 16, 1, 16},
    {"FreeCursor", &HtmlModeSettings::freeCursor, 1, 0, 1},
    {"DefaultFontPoint", &HtmlModeSettings::defaultFontPoint, 11, 5, 50},
    {"RVLeftMarginLM", &HtmlModeSettings::rvLeftMarginLM, 20, 0, 200},
    {"RVTopMarginLM", &HtmlModeSettings::rvTopMarginLM, 20, 0, 200},
    {"HylDisplayRulerBar", &HtmlModeSettings::hylDisplayRulerBar, 0, kAny, INT_MAX, kReadOnly},
    {"HylDisplayLineBar", &HtmlModeSettings::hylDisplayLineBar, 0, kAny, INT_MAX, kReadOnly},
    {"DisplayCursorPosition", &HtmlModeSettings::displayCursorPosition, 0},
    {"PageBorderColor", &HtmlModeSettings::pageBorderColor, 4, 1, 16},
    {"PageNumberColor", &HtmlModeSettings::pageNumberColor, 13, 1, 16},
    {"DetailScale", &HtmlModeSettings::detailScale, 0},
    {"HScrollUnit", &HtmlModeSettings::hScrollUnit, 40, 1, 127, kReadOnly},
    {"DlgFontPoint", &HtmlModeSettings::dlgFontPoint, 10, 4, 29, kReadOnly},
    {"CharIntervalUnit", &HtmlModeSettings::charIntervalUnit, 5, 1, 50, kReadOnly},
    {"LineIntervalUnit", &HtmlModeSettings::lineIntervalUnit, 5, 1, 50, kReadOnly},
    {"LVertIntervalUnit", &HtmlModeSettings::lVertIntervalUnit, 5, 1, 50, kReadOnly},
    {"ULinePointYPix", &HtmlModeSettings::uLinePointYPix, 1, 1, 10, kReadOnly},
    {"ULine2ndIntervalPix", &HtmlModeSettings::uLine2ndIntervalPix, 2, 1, 10, kReadOnly},
    {"Transparent", &HtmlModeSettings::transparent, 0},
};

constexpr int kTabWidthDefault = 15;
constexpr int kTabWidthMax = 299;
// Font numbers: below 4 with the Japanese interface, below 5 with the English.
constexpr int kFontNoLimitJapanese = 4;
constexpr int kFontNoLimitEnglish = 5;
constexpr int kFontNoDefaultEnglish = 4;

int Read(const IniFile& ini, std::string_view key, int fallback, int min, int max) {
  const int value = ini.GetInt(kHtmlModeSection, key, fallback);
  return (value < min || value > max) ? fallback : value;
}

}  // namespace

void LoadHtmlModeSettings(const IniFile& ini, HtmlModeSettings& html) {
  const bool english = IsEnglishInterface();
  for (const HtmlKey& k : kHtmlKeys) html.*k.field = Read(ini, k.name, k.fallback, k.min, k.max);
  html.tabWidth = Read(ini, "TabWidth", kTabWidthDefault, 1, kTabWidthMax) * 10;

  const int fontDefault = english ? kFontNoDefaultEnglish : 0;
  const int fontLimit = english ? kFontNoLimitEnglish : kFontNoLimitJapanese;
  html.defaultFontNo = Read(ini, "DefaultFontNo", fontDefault, 0, fontLimit - 1);
  html.dlgFontNo = Read(ini, "DlgFontNo", fontDefault, 0, fontLimit - 1);
  html.wordWrap = ini.GetInt(kHtmlModeSection, "WordWrap", english ? 1 : 0);
  // English: any value but 0 is 1. Japanese: any value but 1 is 0.
  const int measure = ini.GetInt(kHtmlModeSection, "MeasureType", english ? 1 : 0);
  html.measureType = english ? (measure != 0 ? 1 : 0) : (measure == 1 ? 1 : 0);
}

void SaveHtmlModeSettings(const HtmlModeSettings& html, IniFile& ini) {
  ini.SetInt(kHtmlModeSection, "TabWidth", html.tabWidth / 10);
  for (const HtmlKey& k : kHtmlKeys) {
    if (!k.readOnly) ini.SetInt(kHtmlModeSection, k.name, html.*k.field);
  }
  ini.SetInt(kHtmlModeSection, "DefaultFontNo", html.defaultFontNo);
  ini.SetInt(kHtmlModeSection, "DlgFontNo", html.dlgFontNo);
  ini.SetInt(kHtmlModeSection, "WordWrap", html.wordWrap);
  ini.SetInt(kHtmlModeSection, "MeasureType", html.measureType);
}

}  // namespace quelt
