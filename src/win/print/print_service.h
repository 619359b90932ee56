// `PrintService`: printing in the program. The commands 57606 (printer
// setup), 57607 (print), 57609 (print preview) and 32791 (page layout); the
// printer chosen last, kept for the run; the print dialog and the job with
// its progress window. Print and preview are open to the active text
// window only; the page layout lives in the state file's record.
#pragma once

#include <windows.h>

#include "framework/command.h"
#include "print/print_page.h"

namespace quelt::win {

class CQueltApp;
class CNorbEV;
class PrintSession;

class PrintService {
 public:
  explicit PrintService(CQueltApp& app) : app_(app) {}
  ~PrintService();
  PrintService(const PrintService&) = delete;
  PrintService& operator=(const PrintService&) = delete;

  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);

 private:
  void PrinterSetup();
  void Print();
  void Preview();
  void PageLayoutCommand();
  // The print dialog: the request and the printer's device context; false
  // when cancelled.
  bool AskPrint(bool selection, PrintRequest& request, HDC& dc);
  // The kept printer (the system's default at first); null without one,
  // after the message.
  HDC PrinterDc();
  void RunJob(HDC dc, const PrintSession& session, int first, int last);

  CQueltApp& app_;
  HGLOBAL devMode_ = nullptr;
  HGLOBAL devNames_ = nullptr;
  bool busy_ = false;
};

}  // namespace quelt::win
