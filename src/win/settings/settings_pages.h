// The pages of the common-settings sheet and what they share: the values of
// every page for one showing of the sheet, and the binding of check boxes
// and fields to those values.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <span>
#include <string>

#include "app/common_settings_record.h"
#include "cabinet/cabinet_dialog_util.h"

namespace quelt {
class FileSystem;
class Host;
}  // namespace quelt

namespace quelt::win {

// One showing of the sheet. Each page reads its controls into its values
// when it is left or confirmed; the record takes the values of the pages
// that were opened only after the whole sheet is confirmed. The pages check
// against the record as it is, and the security page its folders through
// the file system.
struct CommonSettingsSheet : CommonSettingsChoice {
  const AppSettings* current = nullptr;
  FileSystem* files = nullptr;
  Host* host = nullptr;
};

PROPSHEETPAGEW EditSettingsPage(CommonSettingsSheet& sheet);
PROPSHEETPAGEW DisplaySettingsPage(CommonSettingsSheet& sheet);
PROPSHEETPAGEW FolderSettingsPage(CommonSettingsSheet& sheet);
PROPSHEETPAGEW ScrollSettingsPage(CommonSettingsSheet& sheet);
PROPSHEETPAGEW RulerSettingsPage(CommonSettingsSheet& sheet);
PROPSHEETPAGEW MouseSettingsPage(CommonSettingsSheet& sheet);
PROPSHEETPAGEW SecuritySettingsPage(CommonSettingsSheet& sheet);

// The sheet entry of a page dialog; its WM_INITDIALOG gets the sheet.
PROPSHEETPAGEW MakeSettingsPage(int dialogId, DLGPROC proc, CommonSettingsSheet& sheet);
// Keeps the sheet of a page from its WM_INITDIALOG; SheetOf gives it back.
CommonSettingsSheet& AttachSheet(HWND page, LPARAM initParam);
CommonSettingsSheet* SheetOf(HWND page);

// Beeps and selects the field: the page or dialog may not be left.
void RefuseField(HWND page, int id);

// Reads a page's controls into the sheet and checks them: the control of
// the first refused field, or 0 when every field is accepted.
using ReadPage = int (*)(HWND page, CommonSettingsSheet& sheet);
// Answers the sheet's notifications to a page: leaving it or confirming the
// sheet is refused with a beep and the field selected while read refuses a
// field. False for the notifications a page leaves alone.
bool AnswerPageNotify(HWND page, LPARAM lp, ReadPage read, INT_PTR& result);

template <class V>
struct CheckBinding {
  int id;
  bool V::*field;
};
template <class V>
struct TextBinding {
  int id;
  std::string V::*field;
};

template <class V>
void ShowValues(HWND page, const V& v, std::span<const CheckBinding<V>> checks,
                std::span<const TextBinding<V>> texts) {
  for (const auto& c : checks) CheckItem(page, c.id, v.*c.field);
  for (const auto& t : texts) SetItemSjis(page, t.id, v.*t.field);
}

template <class V>
void ReadValues(HWND page, V& v, std::span<const CheckBinding<V>> checks, std::span<const TextBinding<V>> texts) {
  for (const auto& c : checks) v.*c.field = IsItemChecked(page, c.id);
  for (const auto& t : texts) v.*t.field = GetItemSjis(page, t.id);
}

// The control of a refused field; 0 when the field has none on the page.
template <class V>
int FieldControl(std::span<const TextBinding<V>> texts, std::string V::*field) {
  for (const auto& t : texts) {
    if (t.field == field) return t.id;
  }
  return 0;
}

}  // namespace quelt::win
