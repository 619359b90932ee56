// Print preview: a window of its own over the main frame that shows the
// pages of a print session, drawn by the same page routine as the printer
// gets, scaled to the screen. Next and previous page, zoom in and out,
// print and close; the frame waits while it is open.
#pragma once

#include <windows.h>

namespace quelt::win {

class PrintSession;

enum class PreviewResult { kClosed, kPrint };

// Shows the preview until it is closed; kPrint when its print button closed it.
PreviewResult ShowPrintPreview(HWND frame, const PrintSession& session);

}  // namespace quelt::win
