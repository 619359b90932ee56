#include "probe_toolbar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "app/command_table.h"
#include "app/toolbar_data.h"
#include "probe_ui.h"

namespace probe {
namespace {

constexpr int kToolBarId = 59392;
constexpr int kStep = 3;          // pixels per pointer move
constexpr DWORD kSettleMs = 60;   // for the prompt to follow the pointer
constexpr DWORD kTipWaitMs = 2500;
constexpr int kOneRowHeight = 40; // a bar no higher holds one row
constexpr int kRowStep = 12;      // between sweeps over a wrapped bar
constexpr int kGripWidth = 8;     // the gripper before the first button

HWND ToolBar(HWND frame) { return FindChildWithId(frame, kToolBarId, L"ToolbarWindow32"); }

std::wstring PromptOf(quelt::CommandId id) {
  const quelt::CommandInfo* info = quelt::FindCommand(id);
  return info ? Wide(std::string(info->prompt)) : L"";
}

std::wstring TipOf(quelt::CommandId id) {
  const quelt::CommandInfo* info = quelt::FindCommand(id);
  return info ? Wide(std::string(info->tip)) : L"";
}

// Moves the pointer off the bar so the next hover starts afresh.
void Leave(HWND frame) {
  RECT rc{};
  GetWindowRect(frame, &rc);
  MoveMouse((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  Sleep(300);
}

}  // namespace

std::vector<BarSegment> SweepToolBar(HWND frame, const std::wstring& stopAt) {
  std::vector<BarSegment> segments;
  HWND bar = ToolBar(frame);
  if (!bar) return segments;
  RECT rc{};
  GetWindowRect(bar, &rc);
  // One row of buttons, or a bar wrapped to several: a sweep every half
  // button height, each prompt taken where it first shows.
  std::vector<int> rows;
  if (rc.bottom - rc.top <= kOneRowHeight) {
    rows.push_back((rc.top + rc.bottom) / 2);
  } else {
    for (int y = rc.top + kRowStep / 2; y < rc.bottom; y += kRowStep) rows.push_back(y);
  }
  Leave(frame);
  auto known = [&](const std::wstring& p) {
    for (const BarSegment& s : segments) {
      if (s.prompt == p) return true;
    }
    return false;
  };
  for (int y : rows) {
    SetStatusText(frame, L"");
    std::wstring last;
    bool growing = false;
    // The gripper holds no button and shows no prompt of its own.
    for (int x = rc.left + kGripWidth + 1; x < rc.right; x += kStep) {
      MoveMouse(x, y);
      Sleep(kSettleMs);
      const std::wstring now = StatusText(frame);
      if (now == last) {
        if (growing) segments.back().right = x;
        continue;
      }
      last = now;
      growing = !now.empty() && !known(now);
      if (growing) segments.push_back({now, x, x, y});
      // Stop once past the wanted button.
      if (!stopAt.empty() && !now.empty() && segments.size() >= 2 && segments[segments.size() - 2].prompt == stopAt) {
        segments.pop_back();
        break;
      }
    }
    if (!stopAt.empty() && known(stopAt)) break;
  }
  // The pane keeps a prompt while the pointer crosses a separator or the
  // search box: a stretch longer than a button is cut to the usual width.
  std::vector<int> widths;
  for (const BarSegment& s : segments) widths.push_back(s.right - s.left);
  if (!widths.empty()) {
    std::sort(widths.begin(), widths.end());
    const int usual = widths[widths.size() / 2];
    for (BarSegment& s : segments) s.right = std::min(s.right, s.left + usual);
  }
  return segments;
}

std::wstring TipAt(HWND frame, int x, int y) {
  HWND bar = ToolBar(frame);
  HWND tips = bar ? reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0)) : nullptr;
  if (!tips) return L"";
  Leave(frame);
  MoveMouse(x, y);
  Sleep(30);
  MoveMouse(x + 1, y);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kTipWaitMs) {
    if (IsWindowVisible(tips)) {
      Sleep(100);
      return WindowText(tips);
    }
    Sleep(50);
  }
  return L"";
}

int CheckToolBar(HWND frame, bool browse) {
  std::vector<quelt::CommandId> expected;
  for (quelt::CommandId id : quelt::DefaultToolBarLayout()) {
    if (id == quelt::kToolBarSeparator || id == quelt::kFindBoxId) continue;
    if (id == quelt::kCmdAllowOverwrite && !browse) continue;
    expected.push_back(id);
  }
  const std::vector<BarSegment> seen = SweepToolBar(frame);
  int bad = 0;
  std::size_t next = 0;
  for (quelt::CommandId id : expected) {
    const std::wstring prompt = PromptOf(id), tip = TipOf(id);
    // The button's segment is the next one showing its prompt.
    std::size_t at = next;
    while (at < seen.size() && seen[at].prompt != prompt) ++at;
    if (at == seen.size()) {
      ++bad;
      std::printf("  MISMATCH %u: no place on the bar shows '%s'\n", id, Utf8(prompt).c_str());
      continue;
    }
    for (std::size_t k = next; k < at; ++k) {
      ++bad;
      std::printf("  MISMATCH before %u: unexpected prompt '%s'\n", id, Utf8(seen[k].prompt).c_str());
    }
    next = at + 1;
    const std::wstring shownTip = TipAt(frame, seen[at].Centre(), seen[at].y);
    const bool tipOk = shownTip == tip;
    if (!tipOk) ++bad;
    std::printf("  %s %u x %d-%d prompt '%s' tip '%s'%s\n", tipOk ? "ok" : "MISMATCH", id, seen[at].left,
                seen[at].right, Utf8(prompt).c_str(), Utf8(shownTip).c_str(),
                tipOk ? "" : (" expected tip '" + Utf8(tip) + "'").c_str());
    std::fflush(stdout);
  }
  for (std::size_t k = next; k < seen.size(); ++k) {
    ++bad;
    std::printf("  MISMATCH after the last button: unexpected prompt '%s'\n", Utf8(seen[k].prompt).c_str());
  }
  Leave(frame);
  std::printf("tool bar: %zu buttons expected, %zu seen, %d mismatches\n", expected.size(), seen.size(), bad);
  return bad;
}

int ClickButton(HWND frame, quelt::CommandId command) {
  const std::wstring prompt = PromptOf(command), tip = TipOf(command);
  if (prompt.empty()) {
    std::printf("command %u has no prompt to find its button by\n", command);
    return 2;
  }
  const std::vector<BarSegment> seen = SweepToolBar(frame, prompt);
  const BarSegment* button = nullptr;
  for (const BarSegment& s : seen) {
    if (s.prompt == prompt) button = &s;
  }
  if (!button) {
    std::printf("button %u: no place on the bar shows '%s'\n", command, Utf8(prompt).c_str());
    return 1;
  }
  const std::wstring shownTip = TipAt(frame, button->Centre(), button->y);
  std::printf("button %u x %d-%d prompt '%s' tip '%s'\n", command, button->left, button->right,
              Utf8(prompt).c_str(), Utf8(shownTip).c_str());
  const bool tipOk = shownTip == tip;
  if (!tipOk) std::printf("MISMATCH tip: expected '%s'\n", Utf8(tip).c_str());
  std::fflush(stdout);
  ClickAt(button->Centre(), button->y);
  return tipOk ? 0 : 1;
}

}  // namespace probe
