#include "extract/extract_info_dialog.h"

#include "framework/info_dialog.h"
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

}  // namespace

void ShowExtractInformation(HWND owner, const ExtractOutcome& outcome) {
  ShowInfoDialog(owner, IDD_EXTRACT_INFO, [&outcome](HWND dlg) {
    ShowStep(dlg, outcome.step1, IDC_EXTI_STEP1_SOURCE);
    ShowStep(dlg, outcome.step2, IDC_EXTI_STEP2_SOURCE);
  });
}

}  // namespace quelt::win
