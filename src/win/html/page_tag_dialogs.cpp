// The page sheet, the character, link, anchor, image and heading dialogs
// and the free tag form.
#include <array>

#include "cabinet/cabinet_dialog_util.h"
#include "framework/handles.h"
#include "html/page_tags.h"
#include "html/tag_dialog_util.h"
#include "html/tag_dialogs.h"
#include "res/html_tags_ids.h"

namespace quelt::win {
namespace {

// The five colours of the colour page in the order of its rows.
std::array<PageColour*, 5> PageColours(PageTagSettings& s) {
  return {&s.background, &s.text, &s.link, &s.visitedLink, &s.activeLink};
}

}  // namespace

bool RunPageTagSheet(HWND owner, PageTagSettings& s) {
  PageTagSettings v = s;
  TagPageHandlers pages[2];
  pages[0].dialogId = IDD_PAGE_TITLE;
  pages[0].init = [&](HWND p) { SetItemSjis(p, IDC_TAG_TEXT1, v.title); };
  pages[0].apply = [&](HWND p) { v.title = GetItemSjis(p, IDC_TAG_TEXT1); };
  pages[1].dialogId = IDD_PAGE_COLOUR;
  pages[1].init = [&](HWND p) {
    const auto colours = PageColours(v);
    for (int i = 0; i < 5; ++i) {
      ShowColourField(p, IDC_PAGE_COLOUR_FIELD0 + i, colours[i]->colour);
      CheckItem(p, IDC_PAGE_COLOUR_APPLY0 + i, colours[i]->apply);
    }
    SetItemSjis(p, IDC_PAGE_IMAGE, v.backgroundImage);
  };
  pages[1].command = [&](HWND p, int id, int) {
    if (id == IDC_PAGE_IMAGE_BROWSE) {
      BrowseIntoField(p, IDC_PAGE_IMAGE, L"背景ｲﾒｰｼﾞ", kImageFilter);
      return;
    }
    const int i = id - IDC_PAGE_COLOUR_BUTTON0;
    if (i < 0 || i >= 5) return;
    PageColour& c = *PageColours(v)[i];
    if (PickColour(p, c.colour)) ShowColourField(p, IDC_PAGE_COLOUR_FIELD0 + i, c.colour);
  };
  pages[1].apply = [&](HWND p) {
    const auto colours = PageColours(v);
    for (int i = 0; i < 5; ++i) colours[i]->apply = IsItemChecked(p, IDC_PAGE_COLOUR_APPLY0 + i);
    v.backgroundImage = GetItemSjis(p, IDC_PAGE_IMAGE);
  };
  int last = s.lastPage;
  const bool ok = RunTagSheet(owner, L"ﾍﾟｰｼﾞ", pages, s.lastPage, last);
  if (ok) s = v;
  s.lastPage = last;
  return ok;
}

namespace {

constexpr const char* kSizeLabels[] = {"6", "8", "11", "12", "15", "18", "28"};

struct CharCheck {
  int id;
  bool CharTagSettings::*field;
};
constexpr CharCheck kCharChecks[] = {
    {IDC_CHAR_BOLD, &CharTagSettings::bold},
    {IDC_CHAR_ITALIC, &CharTagSettings::italic},
    {IDC_CHAR_SUPERSCRIPT, &CharTagSettings::superscript},
    {IDC_CHAR_SUBSCRIPT, &CharTagSettings::subscript},
};

void ShowCharColour(HWND dialog, ColourRef stored) {
  if (stored == 0) {
    SetDlgItemTextW(dialog, IDC_CHAR_COLOUR_FIELD, L"");
  } else {
    ShowColourField(dialog, IDC_CHAR_COLOUR_FIELD, ShownColour(stored));
  }
}

}  // namespace

bool RunCharTagDialog(HWND owner, CharTagSettings& s) {
  CharTagSettings v = s;
  FontHandle sampleFont;
  // The sample shows the size, bold and italic as chosen.
  const auto showSample = [&](HWND d) {
    const int size = ListIndexOr0(d, IDC_CHAR_SIZE) + 1;
    HDC dc = GetDC(d);
    const int height = -MulDiv(HtmlFontPoints(size), GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(d, dc);
    const bool bold = IsDlgButtonChecked(d, IDC_CHAR_BOLD) == BST_CHECKED;
    const bool italic = IsDlgButtonChecked(d, IDC_CHAR_ITALIC) == BST_CHECKED;
    FontHandle font(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE,
                                SHIFTJIS_CHARSET, 0, 0, 0, 0, L"MS UI Gothic"));
    SendDlgItemMessageW(d, IDC_CHAR_SAMPLE, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    sampleFont = std::move(font);
  };
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    FillList(d, IDC_CHAR_SIZE, kSizeLabels, HtmlFontSize(v.points) - 1);
    for (const CharCheck& c : kCharChecks) CheckItem(d, c.id, v.*c.field);
    ShowCharColour(d, v.colour);
    showSample(d);
  };
  h.command = [&](HWND d, int id, int code) {
    switch (id) {
      case IDC_CHAR_COLOUR_BUTTON: {
        ColourRef c = ShownColour(v.colour);
        if (PickColour(d, c)) {
          v.colour = StoredCharColour(c);
          ShowCharColour(d, v.colour);
        }
        break;
      }
      case IDC_CHAR_RESET:
        v.colour = 0;
        ShowCharColour(d, v.colour);
        break;
      case IDC_CHAR_BOLD:
      case IDC_CHAR_ITALIC:
        showSample(d);
        break;
      case IDC_CHAR_SIZE:
        if (code == CBN_SELCHANGE) showSample(d);
        break;
      default:
        break;
    }
  };
  h.ok = [&](HWND d) {
    const int size = ListIndex(d, IDC_CHAR_SIZE);
    if (size < 0) {
      TagBeep();
      return false;
    }
    v.points = HtmlFontPoints(size + 1);
    for (const CharCheck& c : kCharChecks) v.*c.field = StoredCheck(static_cast<int>(IsDlgButtonChecked(d, c.id)));
    return true;
  };
  if (!RunTagDialog(owner, IDD_TAG_CHARACTER, h)) return false;
  s = v;
  return true;
}

bool RunLinkTagDialog(HWND owner, HtmlTagSettings& s, const std::string& linkText) {
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    SetItemSjis(d, IDC_TAG_TEXT1, linkText);
    SetItemSjis(d, IDC_TAG_TEXT2, s.linkUrl);
  };
  h.command = [&](HWND d, int id, int) {
    if (id == IDC_TAG_BROWSE) BrowseIntoField(d, IDC_TAG_TEXT2, L"参照", kHtmlFilter);
  };
  h.ok = [&](HWND d) {
    s.linkUrl = GetItemSjis(d, IDC_TAG_TEXT2);
    return true;
  };
  return RunTagDialog(owner, IDD_TAG_LINK, h);
}

bool RunAnchorTagDialog(HWND owner, HtmlTagSettings& s) {
  TagDialogHandlers h;
  h.init = [&](HWND d) { SetItemSjis(d, IDC_TAG_TEXT1, s.anchorName); };
  h.ok = [&](HWND d) {
    s.anchorName = GetItemSjis(d, IDC_TAG_TEXT1);
    return true;
  };
  return RunTagDialog(owner, IDD_TAG_ANCHOR, h);
}

namespace {

constexpr const char* kImageAlignLabels[] = {"標準", "上部", "中央", "下部", "左", "右"};

void EnableImageSizes(HWND d) {
  EnableItems(d, {IDC_IMAGE_WIDTH}, IsItemChecked(d, IDC_IMAGE_WIDTH_GIVEN));
  EnableItems(d, {IDC_IMAGE_HEIGHT}, IsItemChecked(d, IDC_IMAGE_HEIGHT_GIVEN));
}

}  // namespace

bool RunImageTagDialog(HWND owner, HtmlTagSettings& s) {
  HtmlTagSettings v = s;
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    SendDlgItemMessageW(d, IDC_IMAGE_FILE, EM_LIMITTEXT, kMaxImageText, 0);
    SendDlgItemMessageW(d, IDC_IMAGE_ALT, EM_LIMITTEXT, kMaxImageText, 0);
    SetItemSjis(d, IDC_IMAGE_FILE, v.imageFile);
    SetItemSjis(d, IDC_IMAGE_ALT, v.imageAlt);
    FillList(d, IDC_IMAGE_ALIGN, kImageAlignLabels, v.imageAlign);
    CheckItem(d, IDC_IMAGE_WIDTH_GIVEN, v.widthGiven);
    CheckItem(d, IDC_IMAGE_HEIGHT_GIVEN, v.heightGiven);
    SetItemNumber(d, IDC_IMAGE_WIDTH, v.width);
    SetItemNumber(d, IDC_IMAGE_HEIGHT, v.height);
    SetItemNumber(d, IDC_IMAGE_HSPACE, v.hspace);
    SetItemNumber(d, IDC_IMAGE_VSPACE, v.vspace);
    CheckItem(d, IDC_IMAGE_BORDER, v.border);
    EnableImageSizes(d);
  };
  h.command = [&](HWND d, int id, int) {
    if (id == IDC_IMAGE_BROWSE) BrowseIntoField(d, IDC_IMAGE_FILE, L"参照", kImageFilter);
    if (id == IDC_IMAGE_WIDTH_GIVEN || id == IDC_IMAGE_HEIGHT_GIVEN) EnableImageSizes(d);
  };
  h.ok = [&](HWND d) {
    v.widthGiven = IsItemChecked(d, IDC_IMAGE_WIDTH_GIVEN);
    v.heightGiven = IsItemChecked(d, IDC_IMAGE_HEIGHT_GIVEN);
    if (v.widthGiven && !ReadCountField(d, IDC_IMAGE_WIDTH, kMaxImageDots, v.width)) return false;
    if (v.heightGiven && !ReadCountField(d, IDC_IMAGE_HEIGHT, kMaxImageDots, v.height)) return false;
    if (!ReadCountField(d, IDC_IMAGE_HSPACE, kMaxImageDots, v.hspace)) return false;
    if (!ReadCountField(d, IDC_IMAGE_VSPACE, kMaxImageDots, v.vspace)) return false;
    v.imageFile = GetItemSjis(d, IDC_IMAGE_FILE);
    v.imageAlt = GetItemSjis(d, IDC_IMAGE_ALT);
    v.imageAlign = ListIndexOr0(d, IDC_IMAGE_ALIGN);
    v.border = IsItemChecked(d, IDC_IMAGE_BORDER);
    return true;
  };
  if (!RunTagDialog(owner, IDD_TAG_IMAGE, h)) return false;
  s = v;
  return true;
}

bool RunHeadingTagDialog(HWND owner, HtmlTagSettings& s) {
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    const int level = s.headingLevel >= 0 && s.headingLevel < 6 ? s.headingLevel : 0;
    CheckRadioButton(d, IDC_HEADING_H1, IDC_HEADING_H1 + 5, IDC_HEADING_H1 + level);
  };
  h.ok = [&](HWND d) {
    for (int i = 0; i < 6; ++i) {
      if (IsItemChecked(d, IDC_HEADING_H1 + i)) s.headingLevel = i;
    }
    return true;
  };
  return RunTagDialog(owner, IDD_TAG_HEADING, h);
}

bool RunTagFormDialog(HWND owner, TagPair& values) {
  TagDialogHandlers h;
  h.init = [&](HWND d) {
    SetItemSjis(d, IDC_TAG_TEXT1, values.opening);
    SetItemSjis(d, IDC_TAG_TEXT2, values.closing);
  };
  h.ok = [&](HWND d) {
    values.opening = GetItemSjis(d, IDC_TAG_TEXT1);
    values.closing = GetItemSjis(d, IDC_TAG_TEXT2);
    return true;
  };
  return RunTagDialog(owner, IDD_TAG_FORM, h);
}

}  // namespace quelt::win
