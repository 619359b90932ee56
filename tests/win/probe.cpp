// probe.exe: looks at a running quelt.exe from outside, for the tests under
// Wine. It finds the frame, reads the prompt pane of its status bar and the
// tool bar's tooltip, presses keys and moves the pointer, and compares what
// the editor shows with the command data the editor is built from.
//
//   probe status                      prints pane 0 of the status bar
//   probe pane N                      prints pane N of the status bar
//   probe walkmenu MENU [options]     walks every popup of the menu bar
//                                     (2, 3, 4) or the window-bar menu (170)
//       --popup N        only the N-th popup (0-based)
//       --mdi N          the window menu lists N open windows (default 0)
//       --recent N       the recent-file list has N entries (default 1)
//   probe expect MENU [options]       prints what walkmenu expects, no input
//   probe toolbar [--browse]          every button of the default layout
//   probe button ID                   finds the button of a command and clicks it
//   probe titles                      the titles of the document windows, one a
//                                     line, the active one after "A ", others "- "
//   probe tabcount                    the number of tabs on the window bar
//   probe states                      the document windows, "M " maximised,
//                                     "I " minimised, "N " otherwise
//   probe caret                       the caret's screen position and height
//   probe rightclick KEYS             right-clicks at the caret, waits for the popup
//                                     menu, then presses KEYS (letters, ! for Escape)
//   probe buttonstate ID              "enabled" or "grayed" for a tool-bar button
//   probe command ID                  sends the command to the frame, as its menu does
//   probe bars                        the docked bars: place, shown, orientation
//   probe popuptext                   each popup's title and then the texts of its
//                                     static controls (a message box's text), one a line
//
// Exit code: 0 all as expected, 1 a mismatch, 2 the editor or the menu was
// not found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "probe_bars.h"
#include "probe_edit.h"
#include "probe_menu.h"
#include "probe_toolbar.h"
#include "probe_width.h"
#include "probe_ui.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: probe status | walkmenu MENU [--popup N] [--mdi N] [--recent N] | expect MENU | "
                       "toolbar [--browse] | button ID\n");
  return 2;
}

struct Options {
  probe::MenuExpectation how;
  int popup = -1;
  bool browse = false;
};

bool ParseOptions(int argc, wchar_t** argv, int from, Options& o) {
  for (int i = from; i < argc; ++i) {
    const std::wstring a = argv[i];
    if (a == L"--browse") {
      o.browse = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const int n = _wtoi(argv[++i]);
    if (a == L"--popup") {
      o.popup = n;
    } else if (a == L"--mdi") {
      o.how.mdiWindows = n;
    } else if (a == L"--recent") {
      o.how.recentFiles = n;
    } else {
      return false;
    }
  }
  return true;
}

int PrintExpected(int menuId, const Options& o) {
  const auto popups = probe::ExpectedPopups(menuId, o.how);
  if (popups.empty()) return 2;
  for (std::size_t i = 0; i < popups.size(); ++i) {
    const auto& p = popups[i];
    std::printf("popup %zu %s letter %c items %zu separators %d layout %s\n", i, probe::Utf8(p.title).c_str(),
                p.letter ? p.letter : '-', p.items.size(), p.separators, p.layout.c_str());
    for (const auto& item : p.items) {
      std::printf("  %u %s %s\n", item.id, probe::Utf8(item.text).c_str(),
                  item.kind == probe::ExpectedItem::Kind::kPopup ? "(popup)" : probe::Utf8(item.prompt).c_str());
    }
  }
  return 0;
}

}  // namespace

struct PopupScan {
  DWORD pid;
  HWND frame;
};

BOOL CALLBACK PrintPopup(HWND w, LPARAM lp) {
  const auto* s = reinterpret_cast<const PopupScan*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == s->pid && w != s->frame && IsWindowVisible(w)) {
    wchar_t title[256] = L"";
    GetWindowTextW(w, title, 256);
    if (title[0]) std::printf("%s\n", probe::Utf8(title).c_str());
  }
  return TRUE;
}

BOOL CALLBACK PrintStaticText(HWND w, LPARAM) {
  wchar_t cls[32] = L"";
  GetClassNameW(w, cls, 32);
  if (_wcsicmp(cls, L"Static") != 0) return TRUE;
  const std::wstring text = probe::WindowText(w);
  if (!text.empty()) std::printf("%s\n", probe::Utf8(text).c_str());
  return TRUE;
}

BOOL CALLBACK PrintPopupText(HWND w, LPARAM lp) {
  const auto* s = reinterpret_cast<const PopupScan*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == s->pid && w != s->frame && IsWindowVisible(w)) {
    std::printf("%s\n", probe::Utf8(probe::WindowText(w)).c_str());
    EnumChildWindows(w, &PrintStaticText, 0);
  }
  return TRUE;
}

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring command = argv[1];
  Options o;
  if (command == L"widthfold") return probe::CheckWidthFold();
  if (command == L"expect" || command == L"walkmenu") {
    if (argc < 3 || !ParseOptions(argc, argv, 3, o)) return Usage();
    const int menuId = _wtoi(argv[2]);
    if (command == L"expect") return PrintExpected(menuId, o);
    HWND frame = probe::FindFrame();
    if (!frame) return 2;
    const int bad = probe::WalkMenu(frame, menuId, o.how, o.popup);
    return bad < 0 ? 2 : bad > 0 ? 1 : 0;
  }
  HWND frame = probe::FindFrame();
  if (!frame) {
    std::fprintf(stderr, "probe: no QueltMainFrame window\n");
    return 2;
  }
  if (command == L"status") {
    std::printf("%s\n", probe::Utf8(probe::StatusText(frame)).c_str());
    return 0;
  }
  if (command == L"pane" && argc == 3) {
    std::printf("%s\n", probe::Utf8(probe::StatusPaneText(frame, _wtoi(argv[2]))).c_str());
    return 0;
  }
  if (command == L"titles") {
    HWND client = probe::FindChildOfClass(frame, L"MDIClient");
    if (!client) return 2;
    HWND active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetWindow(child, GW_OWNER)) continue;  // the icon titles of minimised windows
      std::printf("%s %s\n", child == active ? "A" : "-", probe::Utf8(probe::WindowText(child)).c_str());
    }
    return 0;
  }
  if (command == L"tabcount") {
    HWND tabs = probe::FindChildOfClass(frame, WC_TABCONTROLW);
    std::printf("%d\n", tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : -1);
    return tabs ? 0 : 1;
  }
  if (command == L"states") return probe::PrintWindowStates(frame);
  if (command == L"bvrows") {
    // The rows a binary view shows, one a line.
    HWND view = probe::FindChildOfClass(frame, L"QueltNorbBV");
    if (!view) return 2;
    std::printf("%s", probe::Utf8(probe::WindowText(view)).c_str());
    return 0;
  }
  if (command == L"findbox" && argc == 3) {
    // The tool bar's search-text box, the first combo box of the frame.
    HWND box = probe::FindChildOfClass(frame, L"ComboBox");
    if (!box) return 2;
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
    return 0;
  }
  if (command == L"popups") {
    // The visible top-level windows of the program other than the frame
    // (dialogs, message boxes), one title a line.
    PopupScan scan{0, frame};
    GetWindowThreadProcessId(frame, &scan.pid);
    EnumWindows(&PrintPopup, reinterpret_cast<LPARAM>(&scan));
    return 0;
  }
  if (command == L"popuptext") {
    PopupScan scan{0, frame};
    GetWindowThreadProcessId(frame, &scan.pid);
    EnumWindows(&PrintPopupText, reinterpret_cast<LPARAM>(&scan));
    return 0;
  }
  if (command == L"caret") return probe::PrintCaret(frame);
  if (command == L"rect" && argc == 3) {
    // A child window's screen rectangle and whether it is shown.
    HWND child = probe::FindChildOfClass(frame, argv[2]);
    if (!child) return 2;
    RECT r;
    GetWindowRect(child, &r);
    std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right, r.bottom, IsWindowVisible(child) ? 1 : 0);
    return 0;
  }
  if (command == L"menurect") {
    // The open popup menu's screen rectangle.
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return 2;
    RECT r;
    GetWindowRect(menu, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (command == L"rectid" && argc == 3) {
    // The screen rectangle of the frame's child with a control id.
    HWND child = GetDlgItem(frame, _wtoi(argv[2]));
    if (!child) return 2;
    RECT r;
    GetWindowRect(child, &r);
    std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right, r.bottom, IsWindowVisible(child) ? 1 : 0);
    return 0;
  }
  if (command == L"rightclick" && argc == 3) {
    SetForegroundWindow(frame);
    return probe::RightClickMenu(frame, argv[2]);
  }
  if (command == L"bars") return probe::PrintBars(frame);
  if (command == L"buttonstate" && argc == 3)
    return probe::PrintButtonState(frame, static_cast<UINT>(_wtoi(argv[2])));
  if (command == L"command" && argc == 3) {
    SendMessageW(frame, WM_COMMAND, MAKEWPARAM(_wtoi(argv[2]), 0), 0);
    return 0;
  }
  if (command == L"toolbar") {
    if (!ParseOptions(argc, argv, 2, o)) return Usage();
    SetForegroundWindow(frame);
    return probe::CheckToolBar(frame, o.browse) ? 1 : 0;
  }
  if (command == L"button" && argc == 3) {
    SetForegroundWindow(frame);
    return probe::ClickButton(frame, static_cast<quelt::CommandId>(_wtoi(argv[2])));
  }
  return Usage();
}
