// A stand-in editor for testing the automation object from real clients:
// it serves "QUELT.AUTOINT" over a fake target that writes every call and
// its arguments to a log, returns fixed values and quits on Exit.
//
//   auto_harness.exe <log file> [seconds]   serve until Exit or the time-out
//   auto_harness.exe /RegServer | /UnregServer
// Started by COM (-Embedding, no log named) it logs to auto_harness.log
// beside itself.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "automation/auto_int_factory.h"
#include "automation/auto_int_registry.h"

namespace {

using quelt::win::AutomationTarget;

std::string Hex(const std::string& bytes) {
  if (bytes.empty()) return "-";
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char c : bytes) {
    text += kDigits[c >> 4];
    text += kDigits[c & 15];
  }
  return text;
}

class Log {
 public:
  explicit Log(const std::wstring& path) : file_(_wfopen(path.c_str(), L"wb")) {}
  ~Log() {
    if (file_ != nullptr) fclose(file_);
  }
  Log(const Log&) = delete;
  Log& operator=(const Log&) = delete;
  bool IsOpen() const { return file_ != nullptr; }
  void Line(const std::string& text) {
    if (file_ == nullptr) return;
    fputs(text.c_str(), file_);
    fputs("\n", file_);
    fflush(file_);
  }

 private:
  FILE* file_;
};

// Records each call as "Name arg ..." (numbers in decimal, booleans 0/1,
// Shift-JIS texts in hex). Modes keep what was set so that a set followed
// by a query shows the argument came through.
class FakeTarget final : public AutomationTarget {
 public:
  explicit FakeTarget(Log& log) : log_(log) {}

  void MoveCaret(long code) override { Put("MoveCaret", code); }
  long GetColumnPos() override { return Put("GetColumnPos"), 11; }
  long GetColumnBasePos() override { return Put("GetColumnBasePos"), 12; }
  long GetLinePos() override { return Put("GetLinePos"), 13; }
  long GetChar() override { return Put("GetChar"), 8519840; }
  long GetCharType() override { return Put("GetCharType"), 2; }
  void HideCaret() override { Put("HideCaret"); }
  void ShowCaret() override { Put("ShowCaret"); }
  void SetCaretPos(long column, long line) override {
    log_.Line("SetCaretPos " + std::to_string(column) + " " + std::to_string(line));
  }
  bool SetColumnCount(long columns) override {
    Put("SetColumnCount", columns);
    return columns >= 10 && columns <= 250;
  }
  void ResetSelection() override { Put("ResetSelection"); }

  bool IsInsertMode() override { return Put("IsInsertMode"), insert_; }
  void SetInsertMode(bool on) override { Put("SetInsertMode", on), insert_ = on; }
  bool IsTabToSpaceMode() override { return Put("IsTabToSpaceMode"), tabToSpace_; }
  void SetTabToSpaceMode(bool on) override { Put("SetTabToSpaceMode", on), tabToSpace_ = on; }
  bool IsThickCaretMode() override { return Put("IsThickCaretMode"), thickCaret_; }
  void SetThickCaretMode(bool on) override { Put("SetThickCaretMode", on), thickCaret_ = on; }
  long GetTabColumnCount() override { return Put("GetTabColumnCount"), 8; }

  void Undo() override { Put("Undo"); }
  void Redo() override { Put("Redo"); }
  void InsertString(const std::string& text, long bytes) override {
    log_.Line("InsertString " + Hex(text) + " " + std::to_string(bytes));
  }
  void DeleteString() override { Put("DeleteString"); }
  void ReplaceTabWithSpace() override { Put("ReplaceTabWithSpace"); }

  bool FileNew() override { return Put("FileNew"), true; }
  bool FileOpen(const std::string& path) override { return Put("FileOpen " + Hex(path)), false; }
  bool FileSave() override { return Put("FileSave"), true; }
  bool FileSaveAs(const std::string& path) override { return Put("FileSaveAs " + Hex(path)), true; }
  bool FileClose() override { return Put("FileClose"), false; }
  void Exit() override {
    Put("Exit");
    PostQuitMessage(0);
  }

  void SendViewCommand(int commandId) override { Put("SendViewCommand", commandId); }
  void PlayOperation(const std::string& name) override { Put("PlayOperation " + Hex(name)); }

 private:
  void Put(const std::string& text) { log_.Line(text); }
  void Put(const std::string& name, long value) { log_.Line(name + " " + std::to_string(value)); }

  Log& log_;
  bool insert_ = true;
  bool tabToSpace_ = false;
  bool thickCaret_ = false;
};

bool IsSwitch(const wchar_t* arg, const wchar_t* name) {
  return (arg[0] == L'/' || arg[0] == L'-') && _wcsicmp(arg + 1, name) == 0;
}

class ComApartment {
 public:
  ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool Ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

std::wstring ExePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring logPath = ExePath();
  logPath.resize(logPath.find_last_of(L"\\/") + 1);
  logPath += L"auto_harness.log";
  unsigned seconds = 60;
  int position = 0;
  for (int i = 1; i < argc; ++i) {
    if (IsSwitch(argv[i], L"RegServer")) return quelt::win::RegisterAutomationServer(ExePath()) ? 0 : 1;
    if (IsSwitch(argv[i], L"UnregServer")) return quelt::win::UnregisterAutomationServer() ? 0 : 1;
    if (IsSwitch(argv[i], L"Embedding")) continue;  // started by COM itself
    if (position == 0) logPath = argv[i];
    if (position == 1) seconds = static_cast<unsigned>(_wtoi(argv[i]));
    ++position;
  }

  Log log(logPath);
  if (!log.IsOpen()) {
    fwprintf(stderr, L"cannot write %ls\n", logPath.c_str());
    return 2;
  }
  ComApartment com;
  if (!com.Ok()) return 3;
  if (!quelt::win::RegisterAutomationServer(ExePath())) log.Line("RegisterFailed");

  FakeTarget target(log);
  quelt::win::AutomationServer server;
  const HRESULT hr = server.Start(&target);
  if (FAILED(hr)) {
    char text[32];
    snprintf(text, sizeof text, "StartFailed %08lX", static_cast<unsigned long>(hr));
    log.Line(text);
    return 4;
  }
  log.Line("Ready");

  const UINT_PTR timer = SetTimer(nullptr, 0, seconds * 1000, nullptr);
  MSG msg;
  bool timedOut = false;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer) {
      timedOut = true;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  KillTimer(nullptr, timer);
  server.Stop();
  log.Line(timedOut ? "TimedOut" : "Stopped");
  // The harness ends here, without tearing the apartment down: under Wine
  // CoUninitialize can wait on the client's released proxies for longer
  // than the test waits, and there is nothing left to clean up.
  ExitProcess(timedOut ? 5 : 0);
}
