#include "keys/customise_sheet.h"

#include <commctrl.h>

#include <vector>

#include "app/command_table.h"
#include "base/messages.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/document_opener.h"
#include "framework/property_sheet.h"
#include "framework/text_window.h"
#include "framework/win_text.h"
#include "keys/bindable_commands.h"
#include "keys/key_list.h"
#include "keys/key_table.h"
#include "record/operation_file_io.h"
#include "record/recording.h"
#include "res/keys_ids.h"
#include "keys/toolbar_page.h"
#include "tools/extended_menus_page.h"
#include "tools/tools_page.h"

namespace quelt::win {
namespace {

struct PageState {
  CustomiseContext* context = nullptr;
  BindingKind kind = BindingKind::kMenuCommand;
  std::vector<std::string> operations;  // the operation files listed
};

std::wstring Shown(std::string_view utf8) { return Utf8ToWide(MenuTextWithoutMnemonic(utf8)); }

// The name of what a binding runs, as the lists show it.
std::wstring BindingTarget(const KeyBinding& b) {
  if (b.kind == BindingKind::kOperation) return SjisToWide(b.operation);
  for (const BindableCommand& c : BindableCommands()) {
    if (c.id == b.command) return Shown(c.name);
  }
  return std::to_wstring(b.command);
}

void FillItems(HWND page, PageState& s) {
  HWND list = GetDlgItem(page, IDC_KEYS_ITEMS);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  if (s.kind == BindingKind::kMenuCommand) {
    for (const BindableCommand& c : BindableCommands()) {
      const std::wstring text = Shown(c.name);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  } else if (s.kind == BindingKind::kOperation) {
    s.operations.clear();
    for (const OperationFileEntry& e : ListOperationFiles(*s.context->files, s.context->exeFolder)) {
      s.operations.push_back(e.name);
      const std::wstring text = SjisToWide(e.name);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  // Extended commands come with the extended menus; none are defined yet.
}

void FillBindings(HWND page, const PageState& s) {
  HWND list = GetDlgItem(page, IDC_KEYS_BINDINGS);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  const KeyTable& keys = *s.context->keys;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::wstring text = SjisToWide(keys.KeyText(i)) + L"  " + BindingTarget(keys.Bindings()[i]);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void AddBinding(HWND page, PageState& s) {
  const LRESULT item = SendDlgItemMessageW(page, IDC_KEYS_ITEMS, LB_GETCURSEL, 0, 0);
  CommandId id = 0;
  std::string name;
  if (item != LB_ERR) {
    const auto i = static_cast<std::size_t>(item);
    if (s.kind == BindingKind::kMenuCommand && i < BindableCommands().size()) id = BindableCommands()[i].id;
    if (s.kind == BindingKind::kOperation && i < s.operations.size()) name = s.operations[i];
  }
  const std::string keyText = WideToSjis(WindowTextOf(GetDlgItem(page, IDC_KEYS_KEY)));
  const bool ctrl = IsDlgButtonChecked(page, IDC_KEYS_CTRL) == BST_CHECKED;
  const bool shift = IsDlgButtonChecked(page, IDC_KEYS_SHIFT) == BST_CHECKED;
  switch (s.context->keys->AddFromPage(s.kind, id, name, keyText, ctrl, shift)) {
    case AddResult::kAdded: FillBindings(page, s); break;
    case AddResult::kNothingChosen: SetFocus(GetDlgItem(page, IDC_KEYS_ITEMS)); break;
    case AddResult::kBadKeyText:
    case AddResult::kNotAllowed: SetFocus(GetDlgItem(page, IDC_KEYS_KEY)); break;
    default: break;
  }
}

INT_PTR CALLBACK KeyboardProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<PageState*>(GetWindowLongPtrW(page, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      s = reinterpret_cast<PageState*>(reinterpret_cast<PROPSHEETPAGEW*>(lp)->lParam);
      SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
      CheckRadioButton(page, IDC_KEYS_KIND_MENU, IDC_KEYS_KIND_EXTENDED, IDC_KEYS_KIND_MENU);
      HWND keys = GetDlgItem(page, IDC_KEYS_KEY);
      for (const BindableKey& key : BindableKeys()) {
        const std::wstring name = SjisToWide(key.name);
        SendMessageW(keys, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
      }
      FillItems(page, *s);
      FillBindings(page, *s);
      return TRUE;
    }
    case WM_COMMAND:
      if (!s || HIWORD(wp) != BN_CLICKED) break;
      switch (LOWORD(wp)) {
        case IDC_KEYS_KIND_MENU:
        case IDC_KEYS_KIND_OPERATION:
        case IDC_KEYS_KIND_EXTENDED:
          s->kind = LOWORD(wp) == IDC_KEYS_KIND_MENU        ? BindingKind::kMenuCommand
                    : LOWORD(wp) == IDC_KEYS_KIND_OPERATION ? BindingKind::kOperation
                                                            : BindingKind::kExtendedCommand;
          FillItems(page, *s);
          return TRUE;
        case IDC_KEYS_ADD:
          AddBinding(page, *s);
          return TRUE;
        case IDC_KEYS_REMOVE: {
          const LRESULT i = SendDlgItemMessageW(page, IDC_KEYS_BINDINGS, LB_GETCURSEL, 0, 0);
          if (i == LB_ERR || !s->context->keys->Remove(static_cast<std::size_t>(i))) {
            s->context->host->Beep();
          } else {
            FillBindings(page, *s);
          }
          return TRUE;
        }
        case IDC_KEYS_LIST:
          // The sheet closes as confirmed; the list follows.
          s->context->listWanted = true;
          PropSheet_PressButton(GetParent(page), PSBTN_OK);
          return TRUE;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

void ShowCustomiseSheet(HWND owner, CustomiseContext& context) {
  if (!context.keys || !context.files || !context.host) return;
  PageState state;
  state.context = &context;
  std::vector<PROPSHEETPAGEW> pages{MakePage(IDD_KEYBOARD_PAGE, KeyboardProc)};
  pages[0].lParam = reinterpret_cast<LPARAM>(&state);
  if (context.tools) pages.push_back(ToolsPage(*context.tools));
  if (context.menus) pages.push_back(ExtendedMenusPage(*context.menus));
  if (context.toolBar) pages.push_back(ToolBarPage(*context.toolBar));
  RunPropertySheet(owner, IDS_CUSTOMISE_TITLE, pages);
}

void WriteKeyListDocument(const CustomiseContext& context) {
  std::vector<std::string> operations;
  for (const OperationFileEntry& e : ListOperationFiles(*context.files, context.exeFolder)) operations.push_back(e.name);
  const std::string text =
      KeyListDocument(context.keys->Bindings(), BindableCommands(), operations, {}, IsEnglishInterface());
  if (!context.opener || !context.opener->NewTextDocument()) {
    context.host->Beep();
    return;
  }
  if (TextWindow* edit = context.windows ? context.windows->ActiveTextWindow() : nullptr) edit->PasteText(text, false);
}

}  // namespace quelt::win
