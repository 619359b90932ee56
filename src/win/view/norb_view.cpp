#include "view/norb_view.h"

#include <cstdio>

#include "framework/win_text.h"
#include "text/text_store.h"
#include "view/norb_doc.h"

namespace quelt::win {
namespace {

int CALLBACK FoundFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FontExists(HDC dc, const wchar_t* face) {
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &lf, &FoundFont, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// A fixed-pitch font that has Japanese glyphs on this system.
HFONT MakeTextFont() {
  HDC dc = GetDC(nullptr);
  const wchar_t* face = L"MS Gothic";
  for (const wchar_t* candidate : {L"ＭＳ ゴシック", L"MS Gothic", L"IPAGothic", L"IPAゴシック"}) {
    if (FontExists(dc, candidate)) {
      face = candidate;
      break;
    }
  }
  const int height = -MulDiv(11, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(nullptr, dc);
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, face);
}

std::wstring HexDump(const std::string& bytes) {
  std::wstring out;
  out.reserve(bytes.size() * 4 + 16);
  wchar_t line[16];
  for (std::size_t i = 0; i < bytes.size(); i += 16) {
    swprintf(line, 16, L"%08X ", static_cast<unsigned>(i));
    out += line;
    for (std::size_t j = i; j < i + 16 && j < bytes.size(); ++j) {
      swprintf(line, 16, L" %02X", static_cast<unsigned char>(bytes[j]));
      out += line;
    }
    out += L"\r\n";
  }
  return out;
}

}  // namespace

CNorbDoc* CNorbView::Doc() const { return static_cast<CNorbDoc*>(GetDocument()); }

bool CNorbView::Create(HWND parent) {
  hwnd_ = CreateWindowExW(0, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                              ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                          0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  font_.Reset(MakeTextFont());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
  return true;
}

void CNorbView::OnInitialUpdate() { ShowText(); }

void CNorbView::OnUpdate(View*, int hint) {
  if (hint == kHintTextLoaded || hint == kHintBinaryLoaded) ShowText();
}

void CNorbView::ShowText() {
  CNorbDoc* doc = Doc();
  if (!doc || !hwnd_) return;
  const std::string text = doc->Store().Text();
  const std::wstring shown = doc->IsBinary() ? HexDump(text) : SjisToWide(text);
  SetWindowTextW(hwnd_, shown.c_str());
}

}  // namespace quelt::win
