// The colour page (dialog 105): one owner-drawn button per colour, each
// opening the colour chooser.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>

#include "cabinet/cabinet_dialog_util.h"
#include "cabinet/cabinet_service.h"
#include "cabinet/cabinet_sheet.h"
#include "res/cabinet_ids.h"
#include "framework/colour_chooser.h"

namespace quelt::win {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// Where each button's colour lives: a word of the block or a field outside.
struct ColourSlot {
  int id;
  int word;                           // -1: the field below
  std::uint32_t CabinetSettings::*field;
  bool flagged;                       // bit 31 set when applied
};
constexpr ColourSlot kSlots[] = {
    {IDC_COL_CKEYWORD, kWordCKeywordColour, nullptr, false},
    {IDC_COL_CPPKEYWORD, kWordCppKeywordColour, nullptr, false},
    {IDC_COL_COMMENT, kWordCommentColour, nullptr, false},
    {IDC_COL_KEYWORD, kWordKeywordColour, nullptr, false},
    {IDC_COL_TEXT, kWordTextColour, nullptr, false},
    {IDC_COL_CURSORLINE, -1, &CabinetSettings::cursorLineColour, false},
    {IDC_COL_HTMLTAG, -1, &CabinetSettings::htmlTagColour, false},
    {IDC_COL_LINEEND, kWordLineEndColour, nullptr, false},
    {IDC_COL_TAB, kWordTabColour, nullptr, false},
    {IDC_COL_MARKLINE, kWordMarkLineBack, nullptr, true},
    {IDC_COL_MARKSTRING, kWordMarkStringBack, nullptr, true},
    {IDC_COL_TEXTBACK, kWordTextBack, nullptr, false},
    {IDC_COL_TAGBACK, kWordTagBack, nullptr, true},
    {IDC_COL_URL, -1, &CabinetSettings::urlColour, false},
};
constexpr std::size_t kSlotCount = sizeof kSlots / sizeof kSlots[0];

struct ColourState {
  std::array<COLORREF, kSlotCount> colours{};
};

std::uint32_t& SlotValue(CabinetSettings& s, const ColourSlot& slot) {
  return slot.word >= 0 ? s.block[slot.word] : s.*slot.field;
}

ColourState* StateOf(HWND page) { return reinterpret_cast<ColourState*>(GetWindowLongPtrW(page, DWLP_USER)); }

int SlotIndex(int id) {
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    if (kSlots[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

void Init(HWND page) {
  auto state = std::make_unique<ColourState>();
  CabinetSettings& s = CabinetService::Get().Cabinet().Working();
  for (std::size_t i = 0; i < kSlotCount; ++i) state->colours[i] = SlotValue(s, kSlots[i]) & kRgbMask;
  SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(state.release()));
}

void Choose(HWND page, int index) {
  ColourState* state = StateOf(page);
  if (!state) return;
  if (!ChooseColour(page, state->colours[index])) return;
  InvalidateRect(GetDlgItem(page, kSlots[index].id), nullptr, TRUE);
}

void Apply(HWND page) {
  ColourState* state = StateOf(page);
  if (!state) return;
  CabinetSettings& s = CabinetService::Get().Cabinet().Working();
  const std::uint32_t oldBack = s.block[kWordTextBack] & kRgbMask;
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    SlotValue(s, kSlots[i]) = state->colours[i] | (kSlots[i].flagged ? kColourUseFlag : 0);
  }
  CabinetService::Get().AfterColourChange((s.block[kWordTextBack] & kRgbMask) != oldBack);
}

INT_PTR CALLBACK ColourProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      Init(page);
      return TRUE;
    case WM_DRAWITEM: {
      const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      const int index = SlotIndex(static_cast<int>(di->CtlID));
      ColourState* state = StateOf(page);
      if (index < 0 || !state) return FALSE;
      DrawColourSwatch(*di, state->colours[index]);
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        const int index = SlotIndex(LOWORD(wp));
        if (index >= 0) Choose(page, index);
      }
      return FALSE;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lp)->code == PSN_APPLY) {
        Apply(page);
        return PageResult(page, PSNRET_NOERROR);
      }
      return FALSE;
    case WM_DESTROY:
      std::unique_ptr<ColourState>(StateOf(page)).reset();
      SetWindowLongPtrW(page, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

PROPSHEETPAGEW ColourPage() { return MakePage(IDD_CABINET_COLOR, ColourProc); }

}  // namespace quelt::win
