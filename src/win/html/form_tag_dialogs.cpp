// The form dialogs (area, text field, radio button, check box, submit and
// reset buttons, selection box, text area) and the frame dialogs (frame
// area, frame, target).
#include "cabinet/cabinet_dialog_util.h"
#include "framework/win_text.h"
#include "html/form_tags.h"
#include "html/tag_dialog_rules.h"
#include "html/tag_dialog_util.h"
#include "html/tag_dialogs.h"
#include "res/html_tags_ids.h"

namespace quelt::win {
namespace {

using Text = std::string FormTagSettings::*;
using Number = int FormTagSettings::*;
using Flag = bool FormTagSettings::*;

// The fields of one form dialog: texts in TEXT1, TEXT2, numbers in NUMBER1,
// NUMBER2, a flag in CHECK1.
struct FormDialog {
  CommandId command;
  int dialogId;
  Text texts[2];
  Number numbers[2];
  Flag flag;
};

constexpr FormDialog kFormDialogs[] = {
    {kCmdFormArea, IDD_FORM_AREA, {&FormTagSettings::action, nullptr}, {}, nullptr},
    {kCmdFormText, IDD_FORM_TEXT, {&FormTagSettings::textName, &FormTagSettings::textValue},
     {&FormTagSettings::textSize, &FormTagSettings::textMaxLength}, nullptr},
    {kCmdFormRadio, IDD_FORM_RADIO, {&FormTagSettings::radioName, &FormTagSettings::radioValue}, {},
     &FormTagSettings::radioChecked},
    {kCmdFormCheckBox, IDD_FORM_CHECKBOX, {&FormTagSettings::checkName, nullptr}, {},
     &FormTagSettings::checkChecked},
    {kCmdFormSubmit, IDD_FORM_SUBMIT, {&FormTagSettings::submitValue, nullptr}, {}, nullptr},
    {kCmdFormReset, IDD_FORM_RESET, {&FormTagSettings::resetValue, nullptr}, {}, nullptr},
    {kCmdFormSelect, IDD_FORM_SELECT, {&FormTagSettings::selectName, nullptr}, {}, nullptr},
    {kCmdFormTextArea, IDD_FORM_TEXTAREA, {&FormTagSettings::textAreaName, nullptr},
     {&FormTagSettings::textAreaCols, &FormTagSettings::textAreaRows}, nullptr},
};
constexpr int kTextIds[] = {IDC_TAG_TEXT1, IDC_TAG_TEXT2};
constexpr int kNumberIds[] = {IDC_TAG_NUMBER1, IDC_TAG_NUMBER2};

}  // namespace

bool RunFormTagDialog(CommandId id, HWND owner, FormTagSettings& s) {
  const FormDialog* form = nullptr;
  for (const FormDialog& f : kFormDialogs) {
    if (f.command == id) form = &f;
  }
  if (!form) return false;
  FormTagSettings v = s;
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    for (int i = 0; i < 2; ++i) {
      if (form->texts[i]) SetItemSjis(d, kTextIds[i], v.*form->texts[i]);
      if (form->numbers[i]) SetItemNumber(d, kNumberIds[i], v.*form->numbers[i]);
    }
    if (form->flag) CheckItem(d, IDC_TAG_CHECK1, v.*form->flag);
  };
  h.ok = [&](HWND d) {
    for (int i = 0; i < 2; ++i) {
      if (!form->numbers[i]) continue;
      if (!ReadCountField(d, kNumberIds[i], kMaxFormCount, v.*form->numbers[i])) return false;
    }
    for (int i = 0; i < 2; ++i) {
      if (form->texts[i]) v.*form->texts[i] = GetItemSjis(d, kTextIds[i]);
    }
    if (form->flag) v.*form->flag = IsItemChecked(d, IDC_TAG_CHECK1);
    return true;
  };
  if (!RunTagDialog(owner, form->dialogId, h)) return false;
  s = v;
  return true;
}

namespace {

bool RunFrameAreaDialog(HWND owner, FrameTagSettings& s) {
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    CheckRadioButton(d, IDC_TAG_RADIO1, IDC_TAG_RADIO2, s.direction == 1 ? IDC_TAG_RADIO2 : IDC_TAG_RADIO1);
    SetItemSjis(d, IDC_TAG_TEXT1, s.widths);
  };
  h.ok = [&](HWND d) {
    s.direction = IsItemChecked(d, IDC_TAG_RADIO2) ? 1 : 0;
    s.widths = GetItemSjis(d, IDC_TAG_TEXT1);
    return true;
  };
  return RunTagDialog(owner, IDD_FRAME_AREA, h);
}

bool RunFrameDialog(HWND owner, FrameTagSettings& s) {
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    SendDlgItemMessageW(d, IDC_TAG_TEXT1, EM_LIMITTEXT, kMaxFrameText, 0);
    SendDlgItemMessageW(d, IDC_TAG_TEXT2, EM_LIMITTEXT, kMaxFrameText, 0);
    SetItemSjis(d, IDC_TAG_TEXT1, s.url);
    SetItemSjis(d, IDC_TAG_TEXT2, s.windowName);
    FillMarginList(d, IDC_TAG_LIST1, s.marginWidthIndex);
    FillMarginList(d, IDC_TAG_LIST2, s.marginHeightIndex);
    const char* scrolling[kFrameScrollingCount];
    for (int i = 0; i < kFrameScrollingCount; ++i) scrolling[i] = FrameScrollingLabel(i);
    FillList(d, IDC_TAG_LIST3, scrolling, s.scrollingIndex);
    CheckItem(d, IDC_TAG_CHECK1, s.noResize);
  };
  h.ok = [&](HWND d) {
    s.url = GetItemSjis(d, IDC_TAG_TEXT1);
    s.windowName = GetItemSjis(d, IDC_TAG_TEXT2);
    s.marginWidthIndex = ListIndexOr0(d, IDC_TAG_LIST1);
    s.marginHeightIndex = ListIndexOr0(d, IDC_TAG_LIST2);
    s.scrollingIndex = ListIndexOr0(d, IDC_TAG_LIST3);
    s.noResize = IsItemChecked(d, IDC_TAG_CHECK1);
    return true;
  };
  return RunTagDialog(owner, IDD_FRAME_FRAME, h);
}

bool RunFrameTargetDialog(HWND owner, FrameTagSettings& s) {
  TagDialogHandlers h;
  h.init = [&](HWND d) { SetItemSjis(d, IDC_TAG_TEXT1, s.target); };
  h.ok = [&](HWND d) {
    s.target = GetItemSjis(d, IDC_TAG_TEXT1);
    return true;
  };
  return RunTagDialog(owner, IDD_FRAME_TARGET, h);
}

}  // namespace

bool RunFrameTagDialog(CommandId id, HWND owner, FrameTagSettings& s) {
  switch (id) {
    case kCmdFrameArea: return RunFrameAreaDialog(owner, s);
    case kCmdFrameFrame: return RunFrameDialog(owner, s);
    case kCmdFrameTarget: return RunFrameTargetDialog(owner, s);
    default: return true;  // ﾉｰﾌﾚｰﾑ has no dialog
  }
}

}  // namespace quelt::win
