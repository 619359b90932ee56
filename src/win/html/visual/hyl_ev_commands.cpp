// The commands of the visual edit window: the clipboard, undo, the
// character and link dialogs and the raw tags.
#include <algorithm>

#include "framework/clipboard_state.h"
#include "app/command_ids.h"
#include "framework/win_text.h"
#include "html/tag_dialogs.h"
#include "html/visual/hyl_doc.h"
#include "html/visual/visual_context.h"
#include "html/visual/hyl_ev.h"
#include "html/visual_clip.h"
#include "html/visual_format.h"
#include "res/resource.h"
#include "view/norb_ev.h"

namespace quelt::win {
namespace {

UINT VisualClipFormat() {
  static const UINT format = RegisterClipboardFormatW(Utf8ToWide(kVisualClipFormatName).c_str());
  return format;
}

// The clip of the visual mode on the clipboard, when there is one that
// still holds the clipboard's text.
bool ReadVisualClip(HWND owner, VisualClip& clip) {
  if (!IsClipboardFormatAvailable(VisualClipFormat()) || !OpenClipboard(owner)) return false;
  bool ok = false;
  if (HANDLE h = GetClipboardData(VisualClipFormat())) {
    if (const void* p = GlobalLock(h)) {
      ok = DecodeVisualClip(std::string_view(static_cast<const char*>(p), GlobalSize(h)), clip);
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return ok;
}

}  // namespace

bool CHylEV::OnCommand(UINT id) {
  switch (id) {
    case ID_EDIT_COPY: Copy(); return true;
    case ID_EDIT_CUT: Cut(); return true;
    case ID_EDIT_PASTE: Paste(); return true;
    case ID_EDIT_UNDO: Undo(); return true;
    case kCmdTagCharacter: CharacterDialog(); return true;
    case kCmdTagLink: LinkDialog(); return true;
    case kCmdTagCentre:
    case kCmdTagPre:
    case kCmdTagBulletList:
    case kCmdTagNumberList:
      RawTag(id);
      return true;
    case kCmdFilePrint: Print(false); return true;
    case kCmdFilePrintPreview: Print(true); return true;
    default: return false;
  }
}

bool CHylEV::OnUpdateCommand(UINT id, CommandState& state) {
  const bool editable = !doc_.ReadOnly() && !context_.settings.viewMode;
  switch (id) {
    case ID_EDIT_COPY: state.enabled = !Selection().Empty(); return true;
    case ID_EDIT_CUT: state.enabled = editable && !Selection().Empty(); return true;
    case ID_EDIT_PASTE:
      state.enabled = editable && ClipboardHasText();
      return true;
    case ID_EDIT_UNDO: state.enabled = editable && doc_.Editor().CanUndo(); return true;
    case kCmdTagCharacter:
    case kCmdTagLink:
    case kCmdTagCentre:
    case kCmdTagPre:
    case kCmdTagBulletList:
    case kCmdTagNumberList:
      state.enabled = editable;
      return true;
    case kCmdFilePrint:
    case kCmdFilePrintPreview:
      state.enabled = true;
      return true;
    default: return false;
  }
}

void CHylEV::Copy() {
  const VisualSelection sel = Selection();
  if (sel.Empty()) return;
  const VisualDocument& doc = doc_.Model();
  if (SetClipboardSjis(hwnd_, doc.text.substr(sel.Start(), sel.End() - sel.Start())) != ClipboardWrite::kDone) {
    context_.host.Beep();
    return;
  }
  // Beside the text, the formatted clip for pasting into a visual window.
  const std::string clip = EncodeVisualClip(MakeVisualClip(doc, sel.Start(), sel.End()));
  if (HGLOBAL block = CopyToGlobal(clip.data(), clip.size())) {
    if (OpenClipboard(hwnd_)) {
      if (!SetClipboardData(VisualClipFormat(), block)) GlobalFree(block);
      CloseClipboard();
    } else {
      GlobalFree(block);
    }
  }
}

void CHylEV::Cut() {
  if (Selection().Empty() || !EditAllowed()) return;
  Copy();
  const VisualEditResult r = doc_.Editor().DeleteSelection(Selection());
  AfterEdit(r.done, r.caret);
}

void CHylEV::Paste() {
  if (!EditAllowed()) return;
  std::string text;
  if (!GetClipboardSjis(hwnd_, text)) return;
  VisualClip clip;
  // The formatted clip only while it still holds what the text says: a
  // later copy of another program replaces both.
  if (ReadVisualClip(hwnd_, clip) && CleanVisualText(text) == clip.text) {
    const VisualEditResult r = PasteVisualClip(doc_.Editor(), Selection(), clip, caret_.virtualBlanks);
    AfterEdit(r.done, r.caret);
    return;
  }
  const VisualEditResult r = doc_.Editor().InsertText(Selection(), text, caret_.virtualBlanks);
  AfterEdit(r.done, r.caret);
}

void CHylEV::Undo() {
  typing_ = false;
  if (!EditAllowed()) return;
  const auto place = doc_.Editor().Undo();
  if (place) TakeChange(place->caret, place->anchor, true);
}

void CHylEV::RawTag(UINT id) {
  if (!EditAllowed()) return;
  const VisualEditResult r = doc_.Editor().InsertRawTag(static_cast<CommandId>(id), Selection(), caret_.virtualBlanks);
  AfterEdit(r.done, r.caret);
}

void CHylEV::LinkDialog() {
  if (!EditAllowed()) return;
  const LinkRange range = LinkRangeOf(doc_.Model(), Selection());
  const std::optional<std::string> destination = LinkForDialog(doc_.Editor(), range);
  if (!destination) return;
  HtmlTagSettings settings = context_.htmlTags.Settings().html;
  settings.linkUrl = *destination;
  const std::string shown = doc_.Model().text.substr(range.start, range.end - range.start);
  if (!RunLinkTagDialog(context_.owner.MainHwnd(), settings, shown)) return;
  if (range.Empty()) {
    context_.host.DefaultBeep();
    return;
  }
  if (SetLink(doc_.Editor(), range, settings.linkUrl)) Reformatted();
}

void CHylEV::Reformatted() { TakeChange(caret_.offset, anchor_, false); }

}  // namespace quelt::win
