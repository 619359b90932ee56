#include "extract/extract_info_dialog.h"

#include "res/extract_ids.h"

namespace quelt::win {
namespace {

void ShowStep(HWND dlg, const ExtractStepCounts& c, int firstId) {
  const std::uint32_t values[] = {c.sourceLines, c.deletedLines, c.extractedLines, c.deletedBlocks,
                                  c.extractedBlocks};
  for (int i = 0; i < 5; ++i) {
    if (c.ran) {
      SetDlgItemInt(dlg, firstId + i, values[i], FALSE);
    } else {
      SetDlgItemTextW(dlg, firstId + i, L"");
    }
  }
}

INT_PTR CALLBACK InfoProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* outcome = reinterpret_cast<const ExtractOutcome*>(lp);
      ShowStep(dlg, outcome->step1, IDC_EXTI_STEP1_SOURCE);
      ShowStep(dlg, outcome->step2, IDC_EXTI_STEP2_SOURCE);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowExtractInformation(HWND owner, const ExtractOutcome& outcome) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_EXTRACT_INFO), owner, InfoProc,
                  reinterpret_cast<LPARAM>(&outcome));
}

}  // namespace quelt::win
