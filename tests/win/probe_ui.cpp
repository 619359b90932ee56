#include "probe_ui.h"

#include <commctrl.h>

#include <vector>

namespace probe {
namespace {

struct ClassSearch {
  const wchar_t* className;
  DWORD pid;
  bool visibleOnly;
  HWND found;
};

bool HasClass(HWND hwnd, const wchar_t* className) {
  wchar_t name[64] = L"";
  GetClassNameW(hwnd, name, 64);
  return _wcsicmp(name, className) == 0;
}

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ClassSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (s->pid && pid != s->pid) return TRUE;
  if (s->visibleOnly && !IsWindowVisible(hwnd)) return TRUE;
  if (!HasClass(hwnd, s->className)) return TRUE;
  s->found = hwnd;
  return FALSE;
}

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ClassSearch*>(lp);
  if (!HasClass(hwnd, s->className)) return TRUE;
  s->found = hwnd;
  return FALSE;
}

void Send(INPUT& in) { SendInput(1, &in, sizeof in); }

}  // namespace

HWND FindFrame(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    if (HWND frame = FindWindowW(L"QueltMainFrame", nullptr)) return frame;
    Sleep(100);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

HWND FindChildOfClass(HWND parent, const wchar_t* className) {
  ClassSearch s{className, 0, false, nullptr};
  EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND FindChildWithId(HWND parent, int id, const wchar_t* className) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id && HasClass(child, className)) return child;
  }
  return nullptr;
}

std::wstring WindowText(HWND hwnd) {
  wchar_t buffer[1024] = L"";
  DWORD_PTR got = 0;
  // A hung editor must not hang the probe.
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 3000, &got))
    return L"";
  buffer[1023] = 0;
  return buffer;
}

std::wstring StatusText(HWND frame) {
  HWND bar = FindChildOfClass(frame, L"msctls_statusbar32");
  return bar ? WindowText(bar) : L"";
}

std::wstring StatusPaneText(HWND frame, int pane) {
  HWND bar = FindChildOfClass(frame, L"msctls_statusbar32");
  if (!bar) return L"";
  // SB_GETTEXTW writes into the editor's memory: the text is read back
  // from a buffer made in its process.
  DWORD pid = 0;
  GetWindowThreadProcessId(bar, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return L"";
  constexpr SIZE_T kChars = 512;
  void* remote = VirtualAllocEx(process, nullptr, kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
  std::wstring text;
  DWORD_PTR got = 0;
  if (remote && SendMessageTimeoutW(bar, SB_GETTEXTLENGTHW, pane, 0, SMTO_ABORTIFHUNG, 3000, &got) &&
      LOWORD(got) < kChars &&
      SendMessageTimeoutW(bar, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 3000, &got)) {
    wchar_t buffer[kChars] = L"";
    SIZE_T read = 0;
    if (ReadProcessMemory(process, remote, buffer, sizeof buffer, &read)) {
      buffer[kChars - 1] = 0;
      text = buffer;
    }
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return text;
}

void SetStatusText(HWND frame, const std::wstring& text) {
  HWND bar = FindChildOfClass(frame, L"msctls_statusbar32");
  DWORD_PTR got = 0;
  if (bar)
    SendMessageTimeoutW(bar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 3000, &got);
}

bool WaitStatusChange(HWND frame, const std::wstring& mark, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    if (StatusText(frame) != mark) return true;
    Sleep(20);
  } while (GetTickCount() - start < timeoutMs);
  return false;
}

HWND VisibleMenuPopup(HWND frame) {
  DWORD pid = 0;
  GetWindowThreadProcessId(frame, &pid);
  ClassSearch s{L"#32768", pid, true, nullptr};
  EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN) in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  Send(in);
}

void Tap(WORD vk) {
  Key(vk, true);
  Key(vk, false);
}

void AltKey(WORD vk) {
  Key(VK_MENU, true);
  Tap(vk);
  Key(VK_MENU, false);
}

void MoveMouse(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = static_cast<LONG>((x * 65535 + w / 2) / (w - 1));
  in.mi.dy = static_cast<LONG>((y * 65535 + h / 2) / (h - 1));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Send(in);
}

void ClickAt(int x, int y, bool right) {
  MoveMouse(x, y);
  Sleep(50);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  Send(in);
  Sleep(30);
  in.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  Send(in);
}

void Pump(DWORD ms) { Sleep(ms); }

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

}  // namespace probe
