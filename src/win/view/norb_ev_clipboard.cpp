// The clipboard of the edit window. Copying puts CF_UNICODETEXT (converted
// with code page 932) beside CF_TEXT, so text reaches other programs intact
// on any system locale; pasting prefers CF_UNICODETEXT for the same reason
// and falls back to CF_TEXT. Box selections are copied as lines.
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "view/edit_context.h"
#include "view/edit_command_rules.h"
#include "framework/win_text.h"
#include "view/clipboard_text.h"
#include "view/edit_ops.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {
namespace {

// Opens the clipboard for the call's duration.
class ClipboardLock {
 public:
  explicit ClipboardLock(HWND owner) : open_(OpenClipboard(owner) != 0) {}
  ~ClipboardLock() {
    if (open_) CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace

HGLOBAL CopyToGlobal(const void* data, std::size_t bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return nullptr;
  if (void* p = GlobalLock(block)) {
    memcpy(p, data, bytes);
    GlobalUnlock(block);
    return block;
  }
  GlobalFree(block);
  return nullptr;
}

ClipboardWrite SetClipboardSjis(HWND owner, const std::string& sjis) {
  // The blocks first: a failed allocation leaves the clipboard as it was.
  const std::wstring wide = SjisToWide(sjis);
  HGLOBAL w = CopyToGlobal(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  HGLOBAL a = CopyToGlobal(sjis.c_str(), sjis.size() + 1);
  if (!w || !a) {
    if (w) GlobalFree(w);
    if (a) GlobalFree(a);
    return ClipboardWrite::kOutOfMemory;
  }
  ClipboardLock lock(owner);
  if (!lock.IsOpen()) {
    GlobalFree(w);
    GlobalFree(a);
    return ClipboardWrite::kNotOpened;
  }
  EmptyClipboard();
  bool ok = true;
  if (!SetClipboardData(CF_UNICODETEXT, w)) {
    GlobalFree(w);
    ok = false;
  }
  if (!SetClipboardData(CF_TEXT, a)) {
    GlobalFree(a);
    ok = false;
  }
  return ok ? ClipboardWrite::kDone : ClipboardWrite::kNotOpened;
}

bool SjisFromGlobal(HGLOBAL block, bool wide, std::string& sjis) {
  const void* p = GlobalLock(block);
  if (!p) return false;
  const SIZE_T size = GlobalSize(block);
  if (wide) {
    const auto* w = static_cast<const wchar_t*>(p);
    sjis = WideToSjis(std::wstring_view(w, wcsnlen(w, size / sizeof(wchar_t))));
  } else {
    const auto* a = static_cast<const char*>(p);
    sjis.assign(a, strnlen(a, size));
  }
  GlobalUnlock(block);
  return true;
}

bool GetClipboardSjis(HWND owner, std::string& sjis) {
  ClipboardLock lock(owner);
  if (!lock.IsOpen()) return false;
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT); h && SjisFromGlobal(h, true, sjis)) return true;
  HANDLE h = GetClipboardData(CF_TEXT);
  return h && SjisFromGlobal(h, false, sjis);
}

std::string CNorbEV::SelectedText() {
  if (selection_.box) {
    const std::vector<TextRange> lines = BoxLines();
    return BoxText(doc_.Store(), lines);
  }
  TextOffset from = 0, to = 0;
  if (!SelectionRange(from, to)) return {};
  return quelt::SelectionText(doc_.Store(), TextRange{from, to});
}

bool CNorbEV::OnClipboardCommand(UINT id) {
  Host& host = host_;
  switch (id) {
    case kCmdEditCopy:
    case kCmdEditCut:
    case kCmdAppendCopy:
    case kCmdAppendCut: {
      if (!selection_.active) {
        host.Beep();
        return true;
      }
      std::string text = SelectedText();
      if (id == kCmdAppendCopy || id == kCmdAppendCut) {
        std::string before;
        GetClipboardSjis(hwnd_, before);
        text = AppendedClipText(before, text);
      }
      switch (SetClipboardSjis(hwnd_, text)) {
        case ClipboardWrite::kDone: break;
        case ClipboardWrite::kOutOfMemory: host.ShowMessage(kMsgOutOfMemory); return true;
        case ClipboardWrite::kNotOpened: host.Beep(); return true;
      }
      // The clipboard history keeps what was copied.
      context_.clips.Configure(settings_.clipHistory != 0, settings_.maxClipLength);
      context_.clips.Add(text);
      if (id == kCmdEditCut || id == kCmdAppendCut) {
        EditSession session(doc_.History(), MakeEditOptions());
        if (session.Allowed()) DeleteSelection(session);
      }
      return true;
    }
    case kCmdEditPaste:
    case kCmdPasteSelected: {
      std::string clip;
      if (!GetClipboardSjis(hwnd_, clip)) {
        host.Beep();
        return true;
      }
      PasteText(clip, id == kCmdPasteSelected);
      return true;
    }
    default:
      return false;
  }
}

void CNorbEV::PasteText(const std::string& clip, bool asSelection) {
  EditSession session(doc_.History(), MakeEditOptions());
  if (!session.Allowed()) return;
  ApplyInputPlan(session, PlanInput(InputSource::kPasted, selection_.active,
                                    settings_.deleteSelectionAtInput != 0, false));
  Finish(Paste(session, Place(), clip, asSelection));
}

}  // namespace quelt::win
