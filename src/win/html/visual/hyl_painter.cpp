#include "html/visual/hyl_painter.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "html/visual_dialog_lists.h"
#include "framework/win_text.h"

namespace quelt::win {
namespace {

constexpr COLORREF kGround = RGB(128, 128, 128);
constexpr COLORREF kDefaultLink = RGB(0, 0, 255);
constexpr COLORREF kDefaultShade = RGB(192, 192, 192);

COLORREF NumberedColour(int number) { return ColourOfNumber(number); }

COLORREF TextColourOf(const VisualDocument& doc, const VisualAttr& a) {
  if (a.link) return doc.body.link.set ? doc.body.link.colour & 0xFFFFFF : kDefaultLink;
  if (a.colour == kVisualBlack) return RGB(0, 0, 0);
  if (a.colour) return a.colour & 0xFFFFFF;
  return doc.body.text.set ? doc.body.text.colour & 0xFFFFFF : RGB(0, 0, 0);
}

void Rule(HDC dc, int x1, int x2, int y, int width, COLORREF colour, int style) {
  HPEN pen = CreatePen(style, style == PS_SOLID ? width : 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y, nullptr);
  LineTo(dc, x2, y);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

void HylPainter::PaintPage(HDC dc, int page, POINT o, const RECT& dirty, VisualSelection sel) {
  const VisualPageGeometry& g = layout_.Page();
  RECT paper{o.x, o.y, o.x + g.width, o.y + g.height};
  RECT visible{};
  if (!IntersectRect(&visible, &paper, &dirty)) return;
  const VisualDocument& doc = doc_;
  const HtmlModeSettings& s = settings_;
  SetBkMode(dc, TRANSPARENT);
  HBRUSH fill = CreateSolidBrush(doc.body.background.set ? doc.body.background.colour & 0xFFFFFF : RGB(255, 255, 255));
  FillRect(dc, &paper, fill);
  DeleteObject(fill);
  if (marks_) {
    HBRUSH border = CreateSolidBrush(NumberedColour(s.pageBorderColor));
    FrameRect(dc, &paper, border);
    DeleteObject(border);
  }
  // The page number below the text area.
  const std::wstring number = L"- " + std::to_wstring(page + 1) + L" -";
  SetTextColor(dc, NumberedColour(s.pageNumberColor));
  HGDIOBJ oldFont = SelectObject(dc, metrics_.Font(0));
  RECT numberRect{o.x, o.y + g.textTop + g.textHeight, o.x + g.width, o.y + g.height};
  DrawTextW(dc, number.c_str(), -1, &numberRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  for (const VisualLine& line : layout_.Lines()) {
    if (line.page != page) continue;
    if (o.y + line.y > dirty.bottom || o.y + line.y + line.height < dirty.top) continue;
    PaintLine(dc, line, o, sel);
  }
}

void HylPainter::PaintLine(HDC dc, const VisualLine& line, POINT o, VisualSelection sel) {
  const VisualDocument& doc = doc_;
  const HtmlModeSettings& s = settings_;
  const std::string& text = doc.text;
  const double mm = metrics_.PixelsPerMm();
  const int baseline = o.y + line.y + line.ascent;
  for (std::size_t i = line.start; i < line.End() && i < text.size();) {
    const std::size_t size = VisualCharBytes(text, i);
    const VisualAttr& a = doc.attrs[i];
    const int x = o.x + layout_.XOf(i);
    const std::size_t next = i + size;
    int right = next < line.End() ? o.x + layout_.XOf(next) : x + metrics_.CharWidth(a.font, std::string_view(text).substr(i, size));
    if (IsLineBreakAt(text, i)) right = x + line.blankWidth;
    const bool selected = !sel.Empty() && i >= sel.Start() && i < sel.End();
    RECT cell{x, o.y + line.y, right, o.y + line.y + line.height};
    if (selected) {
      FillRect(dc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
    } else if (a.shading) {
      HBRUSH shade = CreateSolidBrush(a.shadingColour ? a.shadingColour & 0xFFFFFF : kDefaultShade);
      FillRect(dc, &cell, shade);
      DeleteObject(shade);
    }
    const COLORREF colour = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : TextColourOf(doc, a);
    if (IsLineBreakAt(text, i)) {
      if (s.displayEnter && marks_) {
        SetTextColor(dc, selected ? colour : NumberedColour(s.enterColor));
        HGDIOBJ old = SelectObject(dc, metrics_.Font(a.font));
        TextOutW(dc, x, baseline - metrics_.FontAscent(a.font), L"\x2193", 1);
        SelectObject(dc, old);
      }
      i = next;
      continue;
    }
    if (text[i] == '\t') {
      if (s.displayTab && marks_) {
        SetTextColor(dc, selected ? colour : NumberedColour(s.tabColor));
        HGDIOBJ old = SelectObject(dc, metrics_.Font(a.font));
        TextOutW(dc, x, baseline - metrics_.FontAscent(a.font), L"\x00BB", 1);
        SelectObject(dc, old);
      }
      i = next;
      continue;
    }
    // Raised and lowered characters.
    const int ascent = metrics_.FontAscent(a.font);
    int shift = 0;
    if (PositionKind(a.position) == 1) shift = -ascent / 3;
    if (PositionKind(a.position) == 2) shift = ascent / 4;
    if (a.raise == RaiseKind::kRaised || a.raise == RaiseKind::kLowered || a.raise == RaiseKind::kCentre) {
      const int offset = static_cast<int>(a.raiseOffset * 0.5 * mm);
      shift += a.raise == RaiseKind::kRaised ? -std::abs(offset) : a.raise == RaiseKind::kLowered ? std::abs(offset)
                                                                                                    : -offset;
    }
    const int top = baseline - ascent + shift;
    SetTextColor(dc, colour);
    HGDIOBJ old = SelectObject(dc, metrics_.Font(a.font));
    const std::wstring wide = SjisToWide(text.substr(i, size));
    TextOutW(dc, x, top, wide.c_str(), static_cast<int>(wide.size()));
    SelectObject(dc, old);
    // Underlines: the link's, or the chosen kind in its colour.
    const int under = baseline + shift + s.uLinePointYPix;
    const COLORREF lineColour = a.underlineColour ? a.underlineColour & 0xFFFFFF : colour;
    switch (a.underline) {
      case UnderlineKind::kSolid: Rule(dc, x, right, under, 1, lineColour, PS_SOLID); break;
      case UnderlineKind::kThick: Rule(dc, x, right, under, 2, lineColour, PS_SOLID); break;
      case UnderlineKind::kDotted: Rule(dc, x, right, under, 1, lineColour, PS_DOT); break;
      case UnderlineKind::kDashed: Rule(dc, x, right, under, 1, lineColour, PS_DASH); break;
      case UnderlineKind::kDouble:
        Rule(dc, x, right, under, 1, lineColour, PS_SOLID);
        Rule(dc, x, right, under + s.uLine2ndIntervalPix, 1, lineColour, PS_SOLID);
        break;
      case UnderlineKind::kStrikeOut: Rule(dc, x, right, top + ascent * 2 / 3, 1, lineColour, PS_SOLID); break;
      case UnderlineKind::kNone:
        if (a.link) Rule(dc, x, right, under, 1, colour, PS_SOLID);
        break;
    }
    i = next;
  }
}

}  // namespace quelt::win
