// One confirmed showing of the common-settings sheet: the values of every
// page and which pages were opened. The record of the sheet's command keeps
// it for playback, which applies the same pages without showing the sheet.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/common_settings_pages.h"
#include "app/popup_menu_items.h"
#include "app/security_page.h"

namespace quelt {

struct CommonSettingsChoice {
  EditPageValues edit;
  DisplayPageValues display;
  FolderPageValues folders;
  ScrollPageValues scroll;
  RulerPageValues ruler;
  PopupMenuItems popup;  // the mouse page: the text view's popup menu
  // The security page. It is never recorded: an operation file would carry
  // the cipher key and the password, and playing it would ask questions
  // about folders. A played sheet leaves these settings alone.
  SecurityPageValues security;
  bool editOpened = false, displayOpened = false, foldersOpened = false;
  bool scrollOpened = false, rulerOpened = false, mouseOpened = false;
  bool securityOpened = false;

  static CommonSettingsChoice FromSettings(const AppSettings& settings, const PopupMenuItems& popup = {});
};

// Applies the pages that were opened, all or none: false (settings and
// popup unchanged) when a page refuses one of its fields.
bool ApplyCommonSettingsChoice(const CommonSettingsChoice& choice, AppSettings& settings,
                               PopupMenuItems* popup = nullptr, CipherSecrets* secrets = nullptr);

// The recorded data: a word with a bit for each opened page (edit 1,
// display 2, folders 4, scroll 8, ruler 16, mouse 32), then for each opened
// page in that order a word of its check boxes (the first box in bit 0) and
// its texts each followed by a zero byte; the ruler page has its four
// colours as words in place of texts, the mouse page the count of its
// items and each item (a command or -1) as words.
std::string EncodeCommonSettingsRecord(const CommonSettingsChoice& choice);
// Nullopt for data that is short, long, has an unknown page bit or a text
// without its zero byte. Pages not in the data keep the values of from.
std::optional<CommonSettingsChoice> DecodeCommonSettingsRecord(std::string_view data,
                                                               const AppSettings& from,
                                                               const PopupMenuItems& popup = {});

}  // namespace quelt
