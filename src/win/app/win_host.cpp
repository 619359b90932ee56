#include "app/win_host.h"

#include "framework/win_app.h"
#include "framework/win_text.h"

namespace quelt::win {
namespace {

std::wstring Text(MessageId id, const std::string& sjisArg) {
  return Utf8ToWide(FormatMessageText(MessageText(id), SjisToUtf8(sjisArg)));
}

const wchar_t kCaption[] = L"Quelt";

}  // namespace

HWND MessageOwner() {
  HWND main = WinApp::Instance() ? WinApp::Instance()->MainHwnd() : nullptr;
  if (!main || !IsWindowVisible(main)) return nullptr;
  HWND popup = GetLastActivePopup(main);
  return popup ? popup : main;
}

void WinHost::Beep() { MessageBeep(beepType_); }

void WinHost::DefaultBeep() { MessageBeep(0xFFFFFFFF); }

void WinHost::ShowMessage(MessageId id, const std::string& arg) {
  MessageBoxW(MessageOwner(), Text(id, arg).c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
}

Answer WinHost::Ask(MessageId id, Question kind, const std::string& arg) {
  UINT type = MB_ICONQUESTION;
  switch (kind) {
    case Question::kOkCancel: type |= MB_OKCANCEL; break;
    case Question::kYesNo: type |= MB_YESNO; break;
    case Question::kYesNoCancel: type |= MB_YESNOCANCEL; break;
  }
  switch (MessageBoxW(MessageOwner(), Text(id, arg).c_str(), kCaption, type)) {
    case IDOK: return Answer::kOk;
    case IDYES: return Answer::kYes;
    case IDNO: return Answer::kNo;
    default: return Answer::kCancel;
  }
}

}  // namespace quelt::win
