#include "html/visual/visual_char_dialog.h"

#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/win_text.h"
#include "html/tag_dialog_util.h"
#include "html/visual/hyl_metrics.h"
#include "html/visual_dialog_lists.h"
#include "html/visual_fonts.h"
#include "res/visual_ids.h"

namespace quelt::win {
namespace {

// A colour list: the standard entry, the sixteen colours, then the colour
// chooser's entry.
constexpr int kPaintIndex = 1 + kColourNumberCount;

std::vector<std::wstring> Wide(const std::vector<std::string>& utf8) {
  std::vector<std::wstring> out;
  for (const std::string& s : utf8) out.push_back(Utf8ToWide(s));
  return out;
}

int ColourIndex(ColourRef c) {
  if (c == 0) return 0;
  const int n = NumberOfColour(c);
  return n > 0 ? n : kPaintIndex;
}

class ColourList {
 public:
  ColourList(int id, ColourRef& value) : id_(id), value_(value) {}
  void Init(HWND d) {
    const bool english = IsEnglishInterface();
    std::vector<std::wstring> items{Utf8ToWide(StandardColourName(english))};
    for (const std::string& n : ColourNames(english)) items.push_back(Utf8ToWide(n));
    items.push_back(Utf8ToWide(PaintColourName(english)));
    FillList(d, id_, items, ColourIndex(value_));
  }
  // A choice of the list; the chooser's entry opens the colour chooser.
  void OnChange(HWND d) {
    const int i = ListIndexOr0(d, id_);
    if (i == 0) {
      value_ = 0;
    } else if (i < kPaintIndex) {
      value_ = i == 1 ? kVisualBlack : ColourOfNumber(i);
    } else {
      ColourRef c = value_ == kVisualBlack ? 0 : value_ & 0xFFFFFF;
      if (PickColour(d, c)) value_ = c == 0 ? kVisualBlack : c;
      SendDlgItemMessageW(d, id_, CB_SETCURSEL, ColourIndex(value_), 0);
    }
  }
  int Id() const { return id_; }

 private:
  int id_;
  ColourRef& value_;
};

}  // namespace

bool RunVisualCharDialog(HWND owner, VisualCharValues& v, bool inches) {
  VisualCharValues w = v;
  ColourList colours[] = {{IDC_VCH_COLOUR, w.colour},
                          {IDC_VCH_UNDERLINE_COLOUR, w.underlineColour},
                          {IDC_VCH_SHADING_COLOUR, w.shadingColour}};
  FontHandle sampleFont;
  const auto showSample = [&](HWND d) {
    VisualFont font = VisualBaseFont(0, w.points, IsEnglishInterface());
    const std::wstring face = WindowTextOf(GetDlgItem(d, IDC_VCH_FACE));
    LOGFONTW lf = LogFontOf(font, 96);
    HDC dc = GetDC(d);
    lf.lfHeight = -MulDiv(w.points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(d, dc);
    lf.lfWeight = IsDlgButtonChecked(d, IDC_VCH_BOLD) == BST_CHECKED ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = IsDlgButtonChecked(d, IDC_VCH_ITALIC) == BST_CHECKED;
    lf.lfUnderline = ListIndexOr0(d, IDC_VCH_UNDERLINE) != 0 && ListIndexOr0(d, IDC_VCH_UNDERLINE) != 6;
    lf.lfStrikeOut = ListIndexOr0(d, IDC_VCH_UNDERLINE) == 6;
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    FontHandle f(CreateFontIndirectW(&lf));
    SendDlgItemMessageW(d, IDC_VCH_SAMPLE, WM_SETFONT, reinterpret_cast<WPARAM>(f.Get()), TRUE);
    sampleFont = std::move(f);
  };
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    std::vector<std::wstring> faces;
    for (const std::string& f : VisualFaceChoices(IsEnglishInterface())) faces.push_back(SjisToWide(f));
    FillList(d, IDC_VCH_FACE, faces, -1);
    SetDlgItemTextW(d, IDC_VCH_FACE, SjisToWide(w.face).c_str());
    std::vector<std::wstring> sizes;
    for (int p : CharPointChoices()) sizes.push_back(std::to_wstring(p));
    FillList(d, IDC_VCH_SIZE, sizes, -1);
    SetDlgItemInt(d, IDC_VCH_SIZE, static_cast<UINT>(w.points), FALSE);
    for (ColourList& c : colours) c.Init(d);
    CheckDlgButton(d, IDC_VCH_BOLD, w.bold ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(d, IDC_VCH_ITALIC, w.italic ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(d, IDC_VCH_SUPERSCRIPT, w.superscript ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(d, IDC_VCH_SUBSCRIPT, w.subscript ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(d, IDC_VCH_SHADING, w.shading ? BST_CHECKED : BST_UNCHECKED);
    FillList(d, IDC_VCH_UNDERLINE, Wide(UnderlineKindNames()), static_cast<int>(w.underline));
    FillList(d, IDC_VCH_CHAR_SPACING, Wide(SpacingListTexts(inches)), IndexOfSpacingStep(w.charSpacing));
    FillList(d, IDC_VCH_LINE_SPACING, Wide(SpacingListTexts(inches)), IndexOfSpacingStep(w.lineSpacing));
    FillList(d, IDC_VCH_RAISE, Wide(RaiseKindNames()), static_cast<int>(w.raise));
    FillList(d, IDC_VCH_RAISE_OFFSET, Wide(OffsetListTexts(inches)), IndexOfOffsetStep(w.raiseOffset));
    showSample(d);
  };
  h.command = [&](HWND d, int id, int code) {
    for (ColourList& c : colours)
      if (id == c.Id() && code == CBN_SELCHANGE) c.OnChange(d);
    if (id == IDC_VCH_SUPERSCRIPT && IsDlgButtonChecked(d, id) == BST_CHECKED)
      CheckDlgButton(d, IDC_VCH_SUBSCRIPT, BST_UNCHECKED);
    if (id == IDC_VCH_SUBSCRIPT && IsDlgButtonChecked(d, id) == BST_CHECKED)
      CheckDlgButton(d, IDC_VCH_SUPERSCRIPT, BST_UNCHECKED);
    if (id == IDC_VCH_SIZE && (code == CBN_SELCHANGE || code == CBN_EDITCHANGE)) {
      wchar_t text[16] = {};
      if (code == CBN_SELCHANGE) {
        SendDlgItemMessageW(d, id, CB_GETLBTEXT, SendDlgItemMessageW(d, id, CB_GETCURSEL, 0, 0),
                            reinterpret_cast<LPARAM>(text));
      } else {
        GetDlgItemTextW(d, id, text, 16);
      }
      const int points = _wtoi(text);
      if (points >= kMinCharPoints && points <= kMaxCharPoints) w.points = points;
    }
    if (id == IDC_VCH_BOLD || id == IDC_VCH_ITALIC || id == IDC_VCH_SIZE || id == IDC_VCH_UNDERLINE ||
        id == IDC_VCH_FACE)
      showSample(d);
  };
  h.ok = [&](HWND d) {
    BOOL ok = FALSE;
    const int points = static_cast<int>(GetDlgItemInt(d, IDC_VCH_SIZE, &ok, FALSE));
    if (!ok || points < kMinCharPoints || points > kMaxCharPoints) {
      TagBeep();
      SetFocus(GetDlgItem(d, IDC_VCH_SIZE));
      return false;
    }
    const std::string face = WideToSjis(WindowTextOf(GetDlgItem(d, IDC_VCH_FACE)));
    if (face.empty() || face.size() >= 32) {
      TagBeep();
      SetFocus(GetDlgItem(d, IDC_VCH_FACE));
      return false;
    }
    w.face = face;
    w.points = points;
    w.bold = IsDlgButtonChecked(d, IDC_VCH_BOLD) == BST_CHECKED;
    w.italic = IsDlgButtonChecked(d, IDC_VCH_ITALIC) == BST_CHECKED;
    w.superscript = IsDlgButtonChecked(d, IDC_VCH_SUPERSCRIPT) == BST_CHECKED;
    w.subscript = IsDlgButtonChecked(d, IDC_VCH_SUBSCRIPT) == BST_CHECKED;
    w.shading = IsDlgButtonChecked(d, IDC_VCH_SHADING) == BST_CHECKED;
    w.underline = static_cast<UnderlineKind>(ListIndexOr0(d, IDC_VCH_UNDERLINE));
    w.charSpacing = SpacingStepOfIndex(ListIndexOr0(d, IDC_VCH_CHAR_SPACING));
    w.lineSpacing = SpacingStepOfIndex(ListIndexOr0(d, IDC_VCH_LINE_SPACING));
    w.raise = static_cast<RaiseKind>(ListIndexOr0(d, IDC_VCH_RAISE));
    w.raiseOffset = OffsetStepOfIndex(ListIndexOr0(d, IDC_VCH_RAISE_OFFSET));
    return true;
  };
  if (!RunTagDialog(owner, IDD_VISUAL_CHARACTER, h)) return false;
  v = w;
  return true;
}

}  // namespace quelt::win
