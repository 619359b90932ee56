#include "tools/tool_dialogs.h"

#include <commdlg.h>

#include "cabinet/cabinet_dialog_util.h"
#include "framework/text_dialog.h"
#include "framework/win_text.h"
#include "res/tools_ids.h"

namespace quelt::win {
namespace {

struct RunDialog {
  const std::vector<ProgramRun>* history;
  ProgramRun* run;
};

void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Show(HWND dialog, const ProgramRun& run, bool withCommand) {
  if (withCommand) SetItemSjis(dialog, IDC_RUN_COMMAND, run.command);
  SetItemSjis(dialog, IDC_RUN_PARAMETERS, run.parameters);
  SetItemSjis(dialog, IDC_RUN_FOLDER, run.runFolder);
  Check(dialog, IDC_RUN_INTERNAL, run.internalCommand);
  Check(dialog, IDC_RUN_CAPTURE, run.captureOutput);
  Check(dialog, IDC_RUN_MINIMISED, run.minimised);
}

void Browse(HWND dialog) {
  if (const auto path = ChooseProgramFile(dialog)) SetItemSjis(dialog, IDC_RUN_COMMAND, *path);
}

INT_PTR CALLBACK RunProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lp);
      const auto* d = reinterpret_cast<const RunDialog*>(lp);
      HWND combo = GetDlgItem(dialog, IDC_RUN_COMMAND);
      for (const ProgramRun& r : *d->history) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SjisToWide(r.command).c_str()));
      }
      SendMessageW(combo, CB_LIMITTEXT, kMaxToolPath, 0);
      SendDlgItemMessageW(dialog, IDC_RUN_PARAMETERS, EM_LIMITTEXT, kMaxToolParameters, 0);
      SendDlgItemMessageW(dialog, IDC_RUN_FOLDER, EM_LIMITTEXT, kMaxToolPath, 0);
      if (!d->history->empty()) Show(dialog, d->history->front(), true);
      return TRUE;
    }
    case WM_COMMAND: {
      auto* d = reinterpret_cast<RunDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
      const int id = LOWORD(wp);
      if (id == IDC_RUN_COMMAND && HIWORD(wp) == CBN_SELCHANGE && d) {
        const LRESULT i = SendDlgItemMessageW(dialog, IDC_RUN_COMMAND, CB_GETCURSEL, 0, 0);
        if (i >= 0 && static_cast<std::size_t>(i) < d->history->size()) Show(dialog, (*d->history)[i], false);
        return TRUE;
      }
      if (id == IDC_RUN_BROWSE) {
        Browse(dialog);
        return TRUE;
      }
      if (id == IDOK && d) {
        ProgramRun& r = *d->run;
        r.command = GetItemSjis(dialog, IDC_RUN_COMMAND);
        r.parameters = GetItemSjis(dialog, IDC_RUN_PARAMETERS);
        r.runFolder = GetItemSjis(dialog, IDC_RUN_FOLDER);
        r.internalCommand = Checked(dialog, IDC_RUN_INTERNAL);
        r.captureOutput = Checked(dialog, IDC_RUN_CAPTURE);
        r.minimised = Checked(dialog, IDC_RUN_MINIMISED);
        // Nothing to run: the dialog stays.
        if (r.command.find_first_not_of(' ') == std::string::npos) {
          MessageBeep(MB_OK);
          SetFocus(GetDlgItem(dialog, IDC_RUN_COMMAND));
          return TRUE;
        }
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::string> ChooseProgramFile(HWND owner) {
  wchar_t file[MAX_PATH] = L"";
  const std::wstring filter =
      DialogFilter(L"ﾌﾟﾛｸﾞﾗﾑ(*.exe;*.com;*.bat)|*.exe;*.com;*.bat|すべてのﾌｧｲﾙ(*.*)|*.*||");
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return WideToSjis(file);
}

bool AskToolParameters(HWND owner, std::string& parameters) {
  return AskDialogText(owner, IDD_TOOL_PARAMETERS, IDC_TOOLPAR_TEXT, static_cast<int>(kMaxToolParameters),
                       parameters);
}

bool AskProgramRun(HWND owner, const std::vector<ProgramRun>& history, ProgramRun& run) {
  RunDialog d{&history, &run};
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_RUN_PROGRAM), owner, &RunProc,
                         reinterpret_cast<LPARAM>(&d)) == IDOK;
}

}  // namespace quelt::win
