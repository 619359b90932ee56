#include "view/norb_view.h"

#include <algorithm>
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

namespace {

// The wide text of line `line` of an edit control.
std::wstring EditLine(HWND edit, int line) {
  const LRESULT start = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  if (start < 0) return {};
  const LRESULT length = SendMessageW(edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  std::wstring text(static_cast<std::size_t>(length) + 2, L'\0');
  *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(text.size());
  const LRESULT got = SendMessageW(edit, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

}  // namespace

bool CNorbView::JumpTo(int line, int column) {
  if (!hwnd_ || line < 0) return false;
  const int lines = static_cast<int>(SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0));
  if (line >= lines) return false;
  const LRESULT start = SendMessageW(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  if (start < 0) return false;
  // Walk the line's characters until `column` Shift-JIS bytes are passed; a
  // column past the end of the line becomes 0.
  const std::wstring text = EditLine(hwnd_, line);
  int bytes = 0;
  std::size_t chars = 0;
  while (chars < text.size() && bytes < column) {
    bytes += static_cast<int>(WideToSjis(text.substr(chars, 1)).size());
    ++chars;
  }
  if (bytes < column) chars = 0;
  const WPARAM at = static_cast<WPARAM>(start) + chars;
  SendMessageW(hwnd_, EM_SETSEL, at, static_cast<LPARAM>(at));
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
  return true;
}

int CNorbView::CaretLine() const {
  if (!hwnd_) return 0;
  DWORD from = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&from), 0);
  return static_cast<int>(SendMessageW(hwnd_, EM_LINEFROMCHAR, from, 0));
}

int CNorbView::CaretColumn() const {
  if (!hwnd_) return 0;
  DWORD from = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&from), 0);
  const int line = static_cast<int>(SendMessageW(hwnd_, EM_LINEFROMCHAR, from, 0));
  const LRESULT start = SendMessageW(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  const std::wstring text = EditLine(hwnd_, line);
  const std::size_t chars = std::min<std::size_t>(text.size(), from - static_cast<DWORD>(start));
  return static_cast<int>(WideToSjis(text.substr(0, chars)).size());
}

}  // namespace quelt::win
