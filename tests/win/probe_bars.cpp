#include "probe_bars.h"

#include <commctrl.h>

#include <cstdio>

#include "probe_ui.h"

namespace probe {
namespace {

// The tool bar and the two tag tool bars.
constexpr int kBarIds[] = {59392, 59400, 59401};

RECT InFrame(HWND frame, HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

}  // namespace

int PrintBars(HWND frame) {
  RECT client{};
  GetClientRect(frame, &client);
  POINT origin{0, 0};
  ClientToScreen(frame, &origin);
  std::printf("frame %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
  int missing = 0;
  for (int id : kBarIds) {
    HWND bar = FindChildWithId(frame, id, TOOLBARCLASSNAMEW);
    if (!bar) {
      std::printf("bar %d missing\n", id);
      ++missing;
      continue;
    }
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    const RECT rc = InFrame(frame, bar);
    std::printf("bar %d %s %s %ld %ld %ld %ld\n", id, (style & WS_VISIBLE) ? "shown" : "hidden",
                (style & CCS_VERT) ? "v" : "h", rc.left, rc.top, rc.right, rc.bottom);
  }
  if (HWND mdi = FindChildOfClass(frame, L"MDIClient")) {
    const RECT rc = InFrame(frame, mdi);
    std::printf("client %ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom);
  }
  return missing ? 2 : 0;
}

}  // namespace probe
