#include "tools/tools_page.h"

#include <optional>

#include "app/menu_table.h"
#include "base/file_system.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/path.h"
#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_sheet.h"
#include "framework/menu_builder.h"
#include "framework/win_text.h"
#include "record/operation_file_io.h"
#include "res/tools_ids.h"
#include "tools/tool_dialogs.h"
#include "tools/tool_list_edit.h"

namespace quelt::win {
namespace {

struct PageState {
  ToolsPageContext* context = nullptr;
  bool filling = false;  // the fields are being filled: their changes are no edits
};

PageState* StateOf(HWND page) { return reinterpret_cast<PageState*>(GetWindowLongPtrW(page, DWLP_USER)); }

std::optional<std::size_t> Selected(HWND page) {
  const LRESULT i = SendDlgItemMessageW(page, IDC_TOOLS_LIST, LB_GETCURSEL, 0, 0);
  if (i == LB_ERR) return std::nullopt;
  return static_cast<std::size_t>(i);
}

std::wstring ListText(const UserTool& tool) {
  if (tool.kind == kToolSeparator) return L"――――――――";
  return SjisToWide(tool.title.empty() ? tool.command : tool.title);
}

constexpr int kTextFields[] = {IDC_TOOLS_TITLE, IDC_TOOLS_COMMAND, IDC_TOOLS_PARAMETERS, IDC_TOOLS_FOLDER};
constexpr int kChecks[] = {IDC_TOOLS_INTERNAL, IDC_TOOLS_CAPTURE, IDC_TOOLS_MINIMISED, IDC_TOOLS_ASK};

bool UserTool::*CheckField(int id) {
  switch (id) {
    case IDC_TOOLS_INTERNAL: return &UserTool::internalCommand;
    case IDC_TOOLS_CAPTURE: return &UserTool::captureOutput;
    case IDC_TOOLS_MINIMISED: return &UserTool::minimised;
    default: return &UserTool::askParameters;
  }
}

std::string UserTool::*TextField(int id) {
  switch (id) {
    case IDC_TOOLS_TITLE: return &UserTool::title;
    case IDC_TOOLS_COMMAND: return &UserTool::command;
    case IDC_TOOLS_PARAMETERS: return &UserTool::parameters;
    default: return &UserTool::runFolder;
  }
}

std::size_t TextLimit(int id) {
  return id == IDC_TOOLS_TITLE ? kMaxToolTitle : id == IDC_TOOLS_PARAMETERS ? kMaxToolParameters : kMaxToolPath;
}

// Shows the selected entry: a separator has no fields, an operation file
// only its title and name.
void ShowSelected(HWND page, PageState& s) {
  const auto i = Selected(page);
  const UserTool* tool = i && *i < s.context->tools.size() ? &s.context->tools[*i] : nullptr;
  s.filling = true;
  for (int id : kTextFields) {
    SetItemSjis(page, id, tool ? tool->*TextField(id) : std::string());
    const bool on = tool && tool->kind != kToolSeparator &&
                    (tool->kind == kToolProgram || id == IDC_TOOLS_TITLE || id == IDC_TOOLS_COMMAND);
    EnableWindow(GetDlgItem(page, id), on);
  }
  for (int id : kChecks) {
    CheckDlgButton(page, id, tool && tool->*CheckField(id) ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(page, id), tool && tool->kind == kToolProgram);
  }
  EnableWindow(GetDlgItem(page, IDC_TOOLS_DELETE), tool != nullptr);
  EnableWindow(GetDlgItem(page, IDC_TOOLS_UP), tool && *i > 0);
  EnableWindow(GetDlgItem(page, IDC_TOOLS_DOWN), tool && *i + 1 < s.context->tools.size());
  s.filling = false;
}

void FillList(HWND page, PageState& s, std::optional<std::size_t> select) {
  HWND list = GetDlgItem(page, IDC_TOOLS_LIST);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const UserTool& tool : s.context->tools) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ListText(tool).c_str()));
  }
  if (select && *select < s.context->tools.size()) SendMessageW(list, LB_SETCURSEL, *select, 0);
  ShowSelected(page, s);
}

// A change of the list: when the extended menus run tools and the change
// gives tools other numbers, the user is asked first.
// select: the entry to select after the change (past the end: none).
bool Commit(HWND page, PageState& s, std::vector<UserTool> changed, std::size_t select) {
  if (s.context->menus && MenusReferToTools(*s.context->menus) && ToolsRenumbered(s.context->tools, changed) &&
      s.context->host->Ask(kMsgToolsInExtendedMenus, Question::kYesNo) != Answer::kYes) {
    return false;
  }
  s.context->tools = std::move(changed);
  FillList(page, s, select < s.context->tools.size() ? std::optional<std::size_t>(select) : std::nullopt);
  return true;
}

struct ChooseState {
  std::vector<std::string> names;
  std::string chosen;
};

INT_PTR CALLBACK ChooseOperationProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<ChooseState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lp);
      for (const std::string& name : reinterpret_cast<ChooseState*>(lp)->names) {
        SendDlgItemMessageW(dialog, IDC_CHOOSE_OPERATION_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(SjisToWide(name).c_str()));
      }
      SendDlgItemMessageW(dialog, IDC_CHOOSE_OPERATION_LIST, LB_SETCURSEL, 0, 0);
      return TRUE;
    case WM_COMMAND: {
      const bool chosen = LOWORD(wp) == IDOK ||
                          (LOWORD(wp) == IDC_CHOOSE_OPERATION_LIST && HIWORD(wp) == LBN_DBLCLK);
      if (chosen && s) {
        const LRESULT i = SendDlgItemMessageW(dialog, IDC_CHOOSE_OPERATION_LIST, LB_GETCURSEL, 0, 0);
        if (i == LB_ERR || static_cast<std::size_t>(i) >= s->names.size()) {
          MessageBeep(MB_OK);
          return TRUE;
        }
        s->chosen = s->names[static_cast<std::size_t>(i)];
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

std::optional<std::string> ChooseOperation(HWND page, const ToolsPageContext& c) {
  ChooseState s;
  for (const OperationFileEntry& e : ListOperationFiles(*c.files, c.exeFolder)) s.names.push_back(e.name);
  if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CHOOSE_OPERATION), page, &ChooseOperationProc,
                      reinterpret_cast<LPARAM>(&s)) != IDOK) {
    return std::nullopt;
  }
  return s.chosen;
}

// "新規": menu 120 below the button, then what the chosen kind asks for.
void NewEntry(HWND page, PageState& s) {
  MenuHandle menu = BuildMenu(kMenuExtendedEntry);
  HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
  if (!popup) return;
  RECT button;
  GetWindowRect(GetDlgItem(page, IDC_TOOLS_NEW), &button);
  const UINT id = static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, button.left,
                                                   button.bottom, 0, page, nullptr));
  if (id == 0) return;
  if (s.context->tools.size() >= kMaxUserTools) {
    s.context->host->ShowMessage(kMsgTooManyTools);
    return;
  }
  std::optional<UserTool> tool;
  if (id == kCmdExtNewCommand) {
    if (const auto path = ChooseProgramFile(page)) tool = NewProgramTool(*path);
  } else if (id == kCmdExtNewCommand + 1) {
    if (const auto name = ChooseOperation(page, *s.context)) tool = NewOperationTool(*name);
  } else if (id == kCmdExtNewCommand + 2) {
    tool = NewSeparator();
  }
  if (!tool) return;
  std::vector<UserTool> changed = s.context->tools;
  const auto at = AddTool(changed, Selected(page), std::move(*tool));
  if (at) Commit(page, s, std::move(changed), *at);
}

void FieldChanged(HWND page, PageState& s, int id) {
  const auto i = Selected(page);
  if (s.filling || !i || *i >= s.context->tools.size()) return;
  UserTool& tool = s.context->tools[*i];
  for (int text : kTextFields) {
    if (text != id) continue;
    std::string value = GetItemSjis(page, id);
    if (value.size() > TextLimit(id)) value.resize(TextLimit(id));
    tool.*TextField(id) = value;
    if (id == IDC_TOOLS_TITLE || id == IDC_TOOLS_COMMAND) {
      // The list shows the new title in place.
      HWND list = GetDlgItem(page, IDC_TOOLS_LIST);
      SendMessageW(list, LB_DELETESTRING, *i, 0);
      SendMessageW(list, LB_INSERTSTRING, *i, reinterpret_cast<LPARAM>(ListText(tool).c_str()));
      SendMessageW(list, LB_SETCURSEL, *i, 0);
    }
    return;
  }
  for (int check : kChecks) {
    if (check == id) tool.*CheckField(id) = IsDlgButtonChecked(page, id) == BST_CHECKED;
  }
}

// A program named by its full path must exist before the page is taken.
bool CheckPrograms(HWND page, PageState& s) {
  for (std::size_t i = 0; i < s.context->tools.size(); ++i) {
    const UserTool& t = s.context->tools[i];
    if (t.kind != kToolProgram || t.internalCommand || !IsAbsolutePath(t.command)) continue;
    FileInfo info;
    if (s.context->files->GetInfo(t.command, info)) continue;
    s.context->host->ShowMessage(kMsgToolFileMissing, t.command);
    SendDlgItemMessageW(page, IDC_TOOLS_LIST, LB_SETCURSEL, i, 0);
    ShowSelected(page, s);
    SetFocus(GetDlgItem(page, IDC_TOOLS_COMMAND));
    return false;
  }
  return true;
}

INT_PTR CALLBACK ToolsProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  PageState* s = StateOf(page);
  switch (msg) {
    case WM_INITDIALOG: {
      s = reinterpret_cast<PageState*>(reinterpret_cast<PROPSHEETPAGEW*>(lp)->lParam);
      SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
      for (int id : kTextFields) SendDlgItemMessageW(page, id, EM_LIMITTEXT, TextLimit(id), 0);
      FillList(page, *s, s->context->tools.empty() ? std::nullopt : std::optional<std::size_t>(0));
      return TRUE;
    }
    case WM_COMMAND: {
      if (!s) break;
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      if (id == IDC_TOOLS_LIST && code == LBN_SELCHANGE) {
        ShowSelected(page, *s);
      } else if (code == EN_CHANGE || (code == BN_CLICKED && (id == IDC_TOOLS_INTERNAL || id == IDC_TOOLS_CAPTURE ||
                                                               id == IDC_TOOLS_MINIMISED || id == IDC_TOOLS_ASK))) {
        FieldChanged(page, *s, id);
      } else if (code == BN_CLICKED && id == IDC_TOOLS_NEW) {
        NewEntry(page, *s);
      } else if (code == BN_CLICKED && (id == IDC_TOOLS_DELETE || id == IDC_TOOLS_UP || id == IDC_TOOLS_DOWN)) {
        const auto i = Selected(page);
        std::vector<UserTool> changed = s->context->tools;
        if (!i) return TRUE;
        if (id == IDC_TOOLS_DELETE) {
          if (!DeleteTool(changed, *i)) return TRUE;
          const std::size_t next = changed.empty() ? 0 : std::min(*i, changed.size() - 1);
          Commit(page, *s, std::move(changed), next);
        } else {
          const int direction = id == IDC_TOOLS_UP ? -1 : 1;
          if (MoveTool(changed, *i, direction)) Commit(page, *s, std::move(changed), *i + direction);
        }
      } else {
        break;
      }
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (!s) break;
      if (hdr->code == PSN_KILLACTIVE || hdr->code == PSN_APPLY) {
        const bool ok = CheckPrograms(page, *s);
        if (ok && hdr->code == PSN_APPLY) s->context->applied = true;
        SetWindowLongPtrW(page, DWLP_MSGRESULT,
                          hdr->code == PSN_APPLY ? (ok ? PSNRET_NOERROR : PSNRET_INVALID) : (ok ? FALSE : TRUE));
        return TRUE;
      }
      break;
    }
    default:
      break;
  }
  return FALSE;
}

}  // namespace

PROPSHEETPAGEW ToolsPage(ToolsPageContext& context) {
  static PageState state;  // one sheet at a time
  state = PageState{&context, false};
  PROPSHEETPAGEW page = MakePage(IDD_TOOLS_PAGE, ToolsProc);
  page.lParam = reinterpret_cast<LPARAM>(&state);
  return page;
}

}  // namespace quelt::win
