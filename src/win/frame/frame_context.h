// `FrameContext`: what the main frame is handed when it is made: the
// settings and the settings file (the tool bar's layout), the user, the
// services its commands and bars use, the open documents and the command
// route, the text documents' context (the file commands it starts), the
// common-settings sheet's context, and the program's answers to what only
// the application decides (DDE, closing, resident mode).
#pragma once

#include <string>

#include "app/ini_file.h"
#include "settings/common_settings_sheet.h"
#include "tools/extended_menu_service.h"
#include "view/edit_context.h"

namespace quelt::win {

// What the frame asks of the application.
class FrameEvents {
 public:
  // A DDE execute string from another process; false when refused.
  virtual bool OnDDECommand(const std::string& command) = 0;
  // The frame is closing: placement and cabinet are stored.
  virtual void OnMainFrameClosing() = 0;
  // True when closing the frame should leave the program resident.
  virtual bool ResidentModeApplies() const = 0;
  // The DDE service and topic a later start connects to.
  virtual std::wstring DdeServiceName() const = 0;

 protected:
  ~FrameEvents() = default;
};

struct FrameContext {
  AppSettings& settings;
  IniFile& settingsIni;
  Host& host;
  AppState& state;
  CipherService& cipher;
  FindService& find;
  Recording& recording;
  ExtendedMenuService& extendedMenus;
  CabinetService& cabinet;
  DocumentList& documents;
  DocumentOpener& opener;
  CommandRoute& route;
  const EditContext& text;
  const CommonSettingsContext& commonSettings;
  FrameEvents& events;
};

}  // namespace quelt::win
