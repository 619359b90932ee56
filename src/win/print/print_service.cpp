#include "print/print_service.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/command_ids.h"
#include "base/host.h"
#include "cabinet/cabinet_service.h"
#include "framework/owner_window.h"
#include "framework/text_window.h"
#include "state/app_state.h"
#include "base/messages.h"
#include "cabinet/cabinet_recorder.h"
#include "framework/stop_window.h"
#include "framework/win_text.h"
#include "print/page_layout_dialog.h"
#include "print/print_preview.h"
#include "print/print_session.h"
#include "record/recording.h"
#include "framework/local_time.h"
#include "res/print_ids.h"

namespace quelt::win {
namespace {

bool HasStreamSelection(TextWindow& edit) {
  TextOffset from = 0, to = 0;
  return !edit.HasBoxSelection() && edit.SelectionRange(from, to) && from < to;
}

// A device context on the printer the names and the mode describe.
HDC CreatePrinterDc(HGLOBAL devNames, HGLOBAL devMode) {
  if (!devNames) return nullptr;
  auto* names = static_cast<DEVNAMES*>(GlobalLock(devNames));
  if (!names) return nullptr;
  const auto* base = reinterpret_cast<const wchar_t*>(names);
  auto* mode = devMode ? static_cast<DEVMODEW*>(GlobalLock(devMode)) : nullptr;
  HDC dc = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, base + names->wOutputOffset, mode);
  if (mode) GlobalUnlock(devMode);
  GlobalUnlock(devNames);
  return dc;
}

class PrinterDcHandle {
 public:
  explicit PrinterDcHandle(HDC dc) : dc_(dc) {}
  ~PrinterDcHandle() {
    if (dc_) DeleteDC(dc_);
  }
  PrinterDcHandle(const PrinterDcHandle&) = delete;
  PrinterDcHandle& operator=(const PrinterDcHandle&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

PrintService::~PrintService() {
  if (devMode_) GlobalFree(devMode_);
  if (devNames_) GlobalFree(devNames_);
}

bool PrintService::OnCommand(UINT id) {
  if (id != kCmdFilePrintSetup && id != kCmdFilePrint && id != kCmdFilePrintPreview && id != kCmdPageLayout) {
    return false;
  }
  if (busy_) {
    host_.Beep();
    return true;
  }
  busy_ = true;
  switch (id) {
    case kCmdFilePrintSetup:
      PrinterSetup();
      break;
    case kCmdFilePrint:
      Print();
      break;
    case kCmdFilePrintPreview:
      Preview();
      break;
    default:
      PageLayoutCommand();
      break;
  }
  busy_ = false;
  return true;
}

bool PrintService::OnUpdateCommand(UINT id, CommandState& state) {
  switch (id) {
    case kCmdFilePrint:
    case kCmdFilePrintPreview:
      state.enabled = !busy_ && windows_.ActiveTextWindow() != nullptr;
      return true;
    case kCmdFilePrintSetup:
    case kCmdPageLayout:
      state.enabled = !busy_;
      return true;
    default:
      return false;
  }
}

void PrintService::PrinterSetup() {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner_.MainHwnd();
  pd.hDevMode = devMode_;
  pd.hDevNames = devNames_;
  pd.Flags = PD_PRINTSETUP;
  const BOOL chosen = PrintDlgW(&pd);
  // The dialog may have replaced the blocks it was given.
  devMode_ = pd.hDevMode;
  devNames_ = pd.hDevNames;
  if (!chosen && CommDlgExtendedError() == PDERR_NODEFAULTPRN) host_.ShowMessage(kMsgNoPrinter);
}

HDC PrintService::PrinterDc() {
  if (!devNames_) {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    if (PrintDlgW(&pd)) {
      devMode_ = pd.hDevMode;
      devNames_ = pd.hDevNames;
    }
  }
  HDC dc = CreatePrinterDc(devNames_, devMode_);
  if (!dc) host_.ShowMessage(kMsgNoPrinter);
  return dc;
}

bool PrintService::AskPrint(bool selection, PrintRequest& request, HDC& dc) {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner_.MainHwnd();
  pd.hDevMode = devMode_;
  pd.hDevNames = devNames_;
  pd.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | (selection ? PD_SELECTION : PD_NOSELECTION);
  pd.nMinPage = 1;
  pd.nMaxPage = 0xFFFF;
  pd.nFromPage = 1;
  pd.nToPage = 0xFFFF;
  const BOOL chosen = PrintDlgW(&pd);
  devMode_ = pd.hDevMode;
  devNames_ = pd.hDevNames;
  if (!chosen) {
    if (CommDlgExtendedError() == PDERR_NODEFAULTPRN) host_.ShowMessage(kMsgNoPrinter);
    return false;
  }
  if (!pd.hDC) {
    host_.ShowMessage(kMsgNoPrinter);
    return false;
  }
  dc = pd.hDC;
  request = PrintRequest{};
  if (pd.Flags & PD_SELECTION) {
    request.scope = PrintScope::kSelection;
  } else if (pd.Flags & PD_PAGENUMS) {
    request.scope = PrintScope::kPages;
    request.fromPage = std::max<int>(1, pd.nFromPage);
    request.toPage = std::max<int>(request.fromPage, pd.nToPage);
  }
  return true;
}

void PrintService::Print() {
  Host& host = host_;
  TextWindow* edit = windows_.ActiveTextWindow();
  if (!edit) {
    host.Beep();
    return;
  }
  PrintRequest request;
  HDC dc = nullptr;
  std::string data;
  if (CabinetRecorder().TakePlaybackData(kCmdFilePrint, data)) {
    // Played back: the recorded pages on the kept printer, no dialog.
    if (!DecodePrintRequest(data, request)) {
      host.Beep();
      return;
    }
    dc = PrinterDc();
    if (!dc) return;
  } else if (!AskPrint(HasStreamSelection(*edit), request, dc)) {
    return;
  }
  PrinterDcHandle printer(dc);
  CabinetRecorder().RecordOperation(kCmdFilePrint, EncodePrintRequest(request));
  const bool selection = request.scope == PrintScope::kSelection;
  if (selection && !HasStreamSelection(*edit)) {
    host.Beep();  // a recorded selection with nothing selected now
    return;
  }
  PrintSession session(state_.Data().pageLayout, SourceOf(*edit, cabinet_.Working(), selection), LocalNow());
  if (!session.Prepare(dc, host)) return;
  const auto [first, last] = PagesToPrint(request, session.PageCount());
  if (first > last) {
    host.Beep();
    return;
  }
  RunJob(dc, session, first, last);
}

void PrintService::RunJob(HDC dc, const PrintPages& session, int first, int last) {
  const std::wstring name = SjisToWide(session.Title());
  DOCINFOW info{};
  info.cbSize = sizeof info;
  info.lpszDocName = name.c_str();
  StopWindow stop(owner_.MainHwnd(), IDD_PRINTING);
  if (stop.Dialog()) SetDlgItemTextW(stop.Dialog(), IDC_PRINTING_DOCUMENT, name.c_str());
  stop.Show();
  if (StartDocW(dc, &info) <= 0) {
    host_.ShowMessage(kMsgPrintFailed);
    return;
  }
  for (int page = first; page <= last; ++page) {
    if (stop.Dialog()) {
      const std::wstring text = L"ﾍﾟｰｼﾞ " + std::to_wstring(page) + L" / " + std::to_wstring(last);
      SetDlgItemTextW(stop.Dialog(), IDC_PRINTING_PAGE, text.c_str());
    }
    if (!stop.Pump()) {
      AbortDoc(dc);
      return;
    }
    if (StartPage(dc) <= 0) break;
    session.DrawPage(dc, page);
    if (EndPage(dc) <= 0) {
      AbortDoc(dc);
      host_.ShowMessage(kMsgPrintFailed);
      return;
    }
  }
  EndDoc(dc);
}

void PrintService::Preview() {
  Host& host = host_;
  TextWindow* edit = windows_.ActiveTextWindow();
  if (!edit) {
    host.Beep();
    return;
  }
  std::string data;
  CabinetRecorder().TakePlaybackData(kCmdFilePrintPreview, data);
  CabinetRecorder().RecordOperation(kCmdFilePrintPreview, {});
  PrinterDcHandle printer(PrinterDc());
  if (!printer.Get()) return;
  auto session = std::make_unique<PrintSession>(state_.Data().pageLayout, SourceOf(*edit, cabinet_.Working(), false), LocalNow());
  if (!session->Prepare(printer.Get(), host)) return;
  const PreviewResult result = ShowPrintPreview(owner_.MainHwnd(), *session);
  if (result == PreviewResult::kPrint) {
    busy_ = false;
    OnCommand(kCmdFilePrint);
  }
}

void PrintService::PageLayoutCommand() {
  PageLayout& stored = state_.Data().pageLayout;
  PageLayout layout = stored;
  std::string data;
  if (CabinetRecorder().TakePlaybackData(kCmdPageLayout, data)) {
    // Played back: the recorded record, whole and nothing after it.
    if (data.size() != kPageLayoutBytes || !DecodePageLayout(data, layout)) {
      host_.Beep();
      return;
    }
  } else if (!EditPageLayout(owner_.MainHwnd(), layout)) {
    return;
  }
  std::string record;
  EncodePageLayout(layout, record);
  CabinetRecorder().RecordOperation(kCmdPageLayout, record);
  stored = layout;
}

}  // namespace quelt::win
