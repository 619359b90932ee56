// The frame's tool bar seen from outside: the pointer is moved across it and
// the prompt pane tells which button is under it; the bar's tooltip window
// tells the tip.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/command_ids.h"

namespace probe {

// A stretch of the bar over which the prompt pane shows one prompt.
struct BarSegment {
  std::wstring prompt;
  int left = 0, right = 0, y = 0;  // screen coordinates
  int Centre() const { return (left + right) / 2; }
};

// Sweeps the bar from left to right; stopAt non-empty ends the sweep at the
// first segment showing that prompt.
std::vector<BarSegment> SweepToolBar(HWND frame, const std::wstring& stopAt = L"");

// The tip the bar's tooltip shows with the pointer resting at x, y; empty
// when no tooltip comes up.
std::wstring TipAt(HWND frame, int x, int y);

// Checks every button of the default layout (the overwrite-permission button
// only when browse is set): prompt order and tips. Returns the mismatches.
int CheckToolBar(HWND frame, bool browse);

// Finds the button of command by its prompt, checks its tip and clicks it.
// Returns 0 when found with the right tip, else non-zero.
int ClickButton(HWND frame, quelt::CommandId command);

}  // namespace probe
