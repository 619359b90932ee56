#include "probe_menu.h"

#include <cstdio>

#include "app/command_table.h"
#include "tools/tool_menu.h"
#include "probe_ui.h"

namespace probe {
namespace {

// A text no prompt has: while it stays in the pane, the frame wrote nothing.
const std::wstring kMark = L"\x2042probe\x2042";

// How long an item that should leave the pane alone is watched, and how long
// a prompt may take to appear.
constexpr DWORD kQuietMs = 350;
constexpr DWORD kPromptMs = 3000;

void AddItems(const std::vector<quelt::MenuNode>& nodes, const MenuExpectation& how, ExpectedPopup& out) {
  bool windowMenu = false;
  for (const quelt::MenuNode& node : nodes) {
    if (node.kind == quelt::MenuEntryKind::kSeparator) {
      ++out.separators;
      out.layout += '-';
      continue;
    }
    ExpectedItem item;
    item.text = Wide(node.text);
    if (node.kind == quelt::MenuEntryKind::kPopup) {
      item.kind = ExpectedItem::Kind::kPopup;
      out.items.push_back(item);
      out.layout += 'P';
      continue;
    }
    item.id = node.id;
    if (const quelt::CommandInfo* info = quelt::FindCommand(node.id)) item.prompt = Wide(std::string(info->prompt));
    if (node.id == quelt::kCmdWindowCascade) windowMenu = true;
    const int copies = node.id == quelt::kCmdRecentFileFirst ? how.recentFiles : 1;
    for (int i = 0; i < copies; ++i) {
      out.items.push_back(item);
      out.layout += 'I';
    }
  }
  // The tools menu shows the user tools after a separator; with none (as in
  // the tests) the one disabled placeholder.
  if (!nodes.empty() && nodes.front().id == quelt::kCmdExplorer) {
    ++out.separators;
    out.layout += '-';
    for (const quelt::ToolMenuEntry& e : quelt::ToolMenuEntries({})) {
      out.items.push_back({ExpectedItem::Kind::kCommand, e.id, L"", L"(user tool)"});
      out.layout += 'I';
    }
  }
  // The MDI client lists the open windows after a separator; their entries
  // are no commands of the data and have no prompt.
  if (windowMenu && how.mdiWindows > 0) {
    ++out.separators;
    out.layout += '-';
    for (int i = 0; i < how.mdiWindows; ++i) {
      out.items.push_back({ExpectedItem::Kind::kCommand, 0, L"", L"(window)"});
      out.layout += 'I';
    }
  }
}

bool IsBar(int menuId) {
  return menuId == quelt::kMenuNoDocument || menuId == quelt::kMenuTextDocument ||
         menuId == quelt::kMenuHtmlDocument;
}

void CloseMenus() {
  for (int i = 0; i < 3; ++i) {
    Tap(VK_ESCAPE);
    Sleep(80);
  }
}

// What the pane shows after the selection moved: the prompt, or kMark when
// the frame left it alone.
std::wstring Observe(HWND frame, bool expectChange) {
  if (expectChange) {
    WaitStatusChange(frame, kMark, kPromptMs);
  } else {
    Sleep(kQuietMs);
  }
  return StatusText(frame);
}

bool Matches(const ExpectedItem& item, const std::wstring& seen) {
  return item.kind == ExpectedItem::Kind::kPopup ? seen == kMark : seen == item.prompt;
}

std::string Shown(const std::wstring& seen) { return seen == kMark ? "(unchanged)" : "'" + Utf8(seen) + "'"; }

bool OpenContextMenu(HWND frame) {
  HWND tabs = FindChildWithId(frame, 32952, L"SysTabControl32");
  if (!tabs) return false;
  RECT rc{};
  GetWindowRect(tabs, &rc);
  ClickAt(rc.left + 30, rc.top + 10, true);
  return true;
}

int WalkPopup(HWND frame, int menuId, std::size_t index, const ExpectedPopup& popup) {
  CloseMenus();
  SetStatusText(frame, kMark);
  const bool bar = IsBar(menuId);
  if (bar) {
    AltKey(static_cast<WORD>(popup.letter));
  } else if (!OpenContextMenu(frame)) {
    std::printf("popup %zu: the window bar is missing\n", index);
    return -1;
  }
  // The menu window appears; a popup opened from the bar by its letter has
  // its first item selected, one opened by the mouse has none.
  HWND window = nullptr;
  for (int i = 0; i < 60 && !(window = VisibleMenuPopup(frame)); ++i) Sleep(50);
  if (!window) {
    std::printf("popup %zu %s: did not open\n", index, Utf8(popup.title).c_str());
    return -1;
  }
  RECT rc{};
  GetWindowRect(window, &rc);
  std::printf("popup %zu %s items %zu separators %d rect %ld %ld %ld %ld\n", index, Utf8(popup.title).c_str(),
              popup.items.size(), popup.separators, rc.left, rc.top, rc.right, rc.bottom);
  int bad = 0;
  for (std::size_t i = 0; i < popup.items.size(); ++i) {
    const ExpectedItem& item = popup.items[i];
    if (i > 0 || !bar) {
      SetStatusText(frame, kMark);
      Tap(VK_DOWN);
    }
    const std::wstring seen = Observe(frame, item.kind == ExpectedItem::Kind::kCommand);
    const bool ok = Matches(item, seen);
    if (!ok) ++bad;
    std::printf("  %s %u %s -> %s\n", ok ? "ok" : "MISMATCH", item.id, Utf8(item.text).c_str(), Shown(seen).c_str());
    std::fflush(stdout);
  }
  // One more step comes back to the first item: nothing follows the last.
  // (With a single item the selection has nowhere to go.)
  if (popup.items.size() > 1) {
    SetStatusText(frame, kMark);
    Tap(VK_DOWN);
    const ExpectedItem& first = popup.items.front();
    const std::wstring seen = Observe(frame, first.kind == ExpectedItem::Kind::kCommand);
    const bool ok = Matches(first, seen);
    if (!ok) ++bad;
    std::printf("  %s wrap to the first item -> %s\n", ok ? "ok" : "MISMATCH", Shown(seen).c_str());
  }
  CloseMenus();
  return bad;
}

}  // namespace

std::vector<ExpectedPopup> ExpectedPopups(int menuId, const MenuExpectation& how) {
  std::vector<ExpectedPopup> popups;
  const quelt::MenuTree tree = quelt::BuildMenuTree(menuId);
  if (!tree.ok) return popups;
  for (const quelt::MenuNode& node : tree.items) {
    if (node.kind != quelt::MenuEntryKind::kPopup) continue;
    ExpectedPopup popup;
    const quelt::DecodedMenuText decoded = quelt::DecodeMenuText(node.text);
    popup.title = Wide(decoded.label);
    popup.letter = decoded.letter;
    AddItems(node.children, how, popup);
    popups.push_back(std::move(popup));
  }
  return popups;
}

int WalkMenu(HWND frame, int menuId, const MenuExpectation& how, int onlyPopup) {
  const std::vector<ExpectedPopup> popups = ExpectedPopups(menuId, how);
  if (popups.empty()) {
    std::printf("menu %d: no data\n", menuId);
    return -1;
  }
  SetForegroundWindow(frame);
  int bad = 0, items = 0;
  for (std::size_t i = 0; i < popups.size(); ++i) {
    if (onlyPopup >= 0 && static_cast<std::size_t>(onlyPopup) != i) continue;
    const int got = WalkPopup(frame, menuId, i, popups[i]);
    if (got < 0) return -1;
    bad += got;
    items += static_cast<int>(popups[i].items.size());
  }
  SetStatusText(frame, L"");
  std::printf("menu %d: %d items, %d mismatches\n", menuId, items, bad);
  return bad;
}

}  // namespace probe
