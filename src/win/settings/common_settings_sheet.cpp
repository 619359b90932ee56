#include "settings/common_settings_sheet.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "app/command_ids.h"
#include "cipher/cipher_service.h"
#include "framework/owner_window.h"
#include "state/app_state.h"
#include "cabinet/cabinet_recorder.h"
#include "framework/property_sheet.h"
#include "res/settings_ids.h"
#include "settings/settings_pages.h"

namespace quelt::win {

PROPSHEETPAGEW MakeSettingsPage(int dialogId, DLGPROC proc, CommonSettingsSheet& sheet) {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(dialogId);
  page.pfnDlgProc = proc;
  page.lParam = reinterpret_cast<LPARAM>(&sheet);
  return page;
}

CommonSettingsSheet& AttachSheet(HWND page, LPARAM initParam) {
  auto* sheet = reinterpret_cast<CommonSettingsSheet*>(reinterpret_cast<const PROPSHEETPAGEW*>(initParam)->lParam);
  SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(sheet));
  return *sheet;
}

CommonSettingsSheet* SheetOf(HWND page) {
  return reinterpret_cast<CommonSettingsSheet*>(GetWindowLongPtrW(page, DWLP_USER));
}

void RefuseField(HWND page, int id) {
  CabinetBeep();
  SelectField(page, id);
}

bool AnswerPageNotify(HWND page, LPARAM lp, ReadPage read, INT_PTR& result) {
  const UINT code = reinterpret_cast<const NMHDR*>(lp)->code;
  if (code != PSN_KILLACTIVE && code != PSN_APPLY) return false;
  CommonSettingsSheet* sheet = SheetOf(page);
  const int refused = sheet ? read(page, *sheet) : 0;
  if (refused != 0) RefuseField(page, refused);
  if (code == PSN_KILLACTIVE) {
    result = PageResult(page, refused != 0 ? TRUE : FALSE);
  } else {
    result = PageResult(page, refused != 0 ? PSNRET_INVALID : PSNRET_NOERROR);
  }
  return true;
}

namespace {

// Shows the sheet; true when the user confirmed it.
bool AskCommonSettings(HWND owner, CommonSettingsSheet& sheet) {
  PROPSHEETPAGEW pages[] = {EditSettingsPage(sheet), DisplaySettingsPage(sheet), FolderSettingsPage(sheet),
                            ScrollSettingsPage(sheet), RulerSettingsPage(sheet), MouseSettingsPage(sheet),
                            SecuritySettingsPage(sheet)};
  return RunPropertySheet(owner, IDS_COMMON_SETTINGS_TITLE, pages);
}

}  // namespace

bool ShowCommonSettings(HWND owner, const CommonSettingsContext& context) {
  const AppSettings before = context.settings;
  // The menu's command and the tool bar's are one sheet; both are recorded
  // as the tool bar's, the one that has a place among the recorded commands.
  std::string data;
  std::optional<CommonSettingsChoice> played;
  if (CabinetRecorder().TakePlaybackData(kCmdCommonSettingsBar, data)) {
    played = DecodeCommonSettingsRecord(data, before, context.state.Data().popupMenu);
    if (!played) return false;
  }
  PopupMenuItems& popup = context.state.Data().popupMenu;
  CipherSecrets& secrets = context.state.Data().cipher;
  CommonSettingsSheet sheet{played ? *played : CommonSettingsChoice::FromSettings(before, popup)};
  sheet.current = &context.settings;
  sheet.files = &context.files;
  sheet.host = &context.host;
  sheet.security = SecurityPageValues::FromSettings(before, secrets);
  const std::string passwordBefore = secrets.password;
  if (!played && !AskCommonSettings(owner ? owner : context.owner.MainHwnd(), sheet)) return false;
  // Every page was checked when it was confirmed; a played record can still
  // be refused by a page whose rule depends on the other settings.
  if (!ApplyCommonSettingsChoice(sheet, context.settings, &popup, &secrets)) return false;
  if (sheet.securityOpened) {
    // The key and the password live in the state file: it is written now,
    // not only at exit.
    context.state.Save();
    if (secrets.password != passwordBefore) context.cipher.OnPasswordChanged();
  }
  CabinetRecorder().RecordOperation(kCmdCommonSettingsBar, EncodeCommonSettingsRecord(sheet));
  // A second start reads "MultiInstance" before this instance ends.
  if (context.settings.multiInstance != before.multiInstance) context.multiInstanceChanged();
  context.settingsChanged(before);
  return true;
}

}  // namespace quelt::win
