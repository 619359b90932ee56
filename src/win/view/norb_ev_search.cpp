// Searching in the edit window: the find and replace dialogs' requests, find
// next, replace, replace all, the tool bar's find box, the jump to a line and
// bracket matching. The rules live in the engine (find/find_run,
// view/bracket_match, view/jump_target); this file selects, scrolls and asks.

#include <algorithm>

#include "app/command_ids.h"
#include "view/edit_context.h"
#include "app/settings.h"
#include "base/messages.h"
#include "record/operation_recorder.h"
#include "cabinet/cabinet_settings.h"
#include "framework/win_text.h"
#include "search/find_service.h"
#include "search/jump_dialog.h"
#include "text/text_store.h"
#include "view/bracket_match.h"
#include "view/edit_ops.h"
#include "view/jump_target.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"

namespace quelt::win {

SearchText CNorbEV::CurrentSearchText() {
  TextStore& store = doc_.Store();
  SearchText t;
  t.length = store.Length();
  t.bytes = store.Buffer().PointerToRange(0, t.length);
  t.lead = store.Lead();
  return t;
}

std::optional<TextRange> CNorbEV::LastHitSelected() const {
  TextOffset from = 0, to = 0;
  if (!lastHit_ || !SelectionRange(from, to) || TextRange{from, to} != *lastHit_) return std::nullopt;
  return lastHit_;
}

TextRange CNorbEV::FindScopeRange() {
  const SearchText t = CurrentSearchText();
  std::optional<TextRange>* scope = find_.ScopeOf(this);
  if (!scope) return TextRange{0, t.length};
  // Edits since the dialog opened may have moved the ends off a character.
  TextRange r{std::min((*scope)->start, t.length), std::min((*scope)->end, t.length)};
  if (r.start < t.length && !IsCharStart(t.bytes, 0, r.start, t.lead)) --r.start;
  if (r.end < t.length && !IsCharStart(t.bytes, 0, r.end, t.lead)) ++r.end;
  if (r.start >= r.end) return TextRange{0, t.length};
  return r;
}

bool CNorbEV::PrepareFind(Searcher& searcher, const std::string& text, bool matchCase) {
  const SearchState& state = find_.State();
  const FindFlags flags{matchCase, state.regex, state.distinguishWidth};
  if (PrepareSearcher(searcher, text, flags, find_.CurrentSettings(), doc_.Store().Lead())) return true;
  host_.Beep();
  return false;
}

void CNorbEV::ShowHit(const SearchHit& hit) {
  const TextRange range{hit.start, hit.start + hit.length};
  CancelSelection();
  // The rows that stay visible: those above the dialog while it covers the window.
  int rows = metrics_.visibleRows;
  if (HWND dlg = find_.Dialog(); dlg && IsWindowVisible(dlg)) {
    RECT d{};
    GetWindowRect(dlg, &d);
    POINT origin{0, 0};
    ClientToScreen(hwnd_, &origin);
    const LONG top = origin.y + metrics_.topMargin, bottom = origin.y + metrics_.clientHeight;
    if (d.top > top && d.top < bottom && d.left < origin.x + metrics_.clientWidth && d.right > origin.x) {
      rows = std::max(1, static_cast<int>(d.top - top) / std::max(1, metrics_.lineHeight));
    }
  }
  const std::uint32_t line = layout_->LineOfOffset(range.start);
  ScrollTo(TopLineForHit(topLine_, static_cast<std::uint32_t>(std::max(rows, 1)), line, MaxTopLine()), firstColumn_);
  SetSelection(range.start, range.end);
  lastHit_ = range;
}

bool CNorbEV::AskToStop(const std::wstring& title, HWND frame) {
  if (!find_.TakePendingClickInDialog() && !find_.TakePendingEscape()) return false;
  // The text is read while the question is up: nothing may change it.
  const std::wstring question = Utf8ToWide(MessageText(kMsgCancelReplace));
  HWND dlg = find_.Dialog();
  if (dlg) EnableWindow(dlg, FALSE);
  const bool stop = MessageBoxW(frame, question.c_str(), title.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
  if (dlg) EnableWindow(dlg, TRUE);
  return stop;
}

bool CNorbEV::FindNext(const std::string& text, bool down, bool matchCase) {
  Searcher searcher;
  if (!PrepareFind(searcher, text, matchCase)) return false;
  if (HasBoxSelection()) CancelSelection();
  FindPass pass;
  pass.scope = FindScopeRange();
  pass.caret = CaretOffset();
  pass.caretInVirtualSpace = caret_.pos.virtualColumns > 0;
  pass.lastHit = LastHitSelected();
  pass.down = down;
  pass.wrap = find_.CurrentSettings().wrap;
  // A long search stops on a click in the find or replace dialog (or Escape),
  // when the question is answered with Yes.
  const std::wstring title = Utf8ToWide(MessageText(find_.IsReplaceOpen() ? kMsgReplaceTitle : kMsgFindTitle));
  HWND frame = GetAncestor(hwnd_, GA_ROOT);
  const CancelPoll poll = [this, &title, frame] { return AskToStop(title, frame); };
  HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  find_.SetBusy(true);
  const SearchHit hit = FindInScope(searcher, CurrentSearchText(), pass, &poll);
  find_.SetBusy(false);
  SetCursor(old);
  if (!hit.found) {
    host_.Beep();
    return false;
  }
  ShowHit(hit);
  return true;
}

bool CNorbEV::ReplaceAndFindNext(const std::string& text, const std::string& replacement, bool down, bool matchCase) {
  Searcher searcher;
  if (!PrepareFind(searcher, text, matchCase)) return false;
  TextOffset from = 0, to = 0;
  if (SelectionRange(from, to) && RangeIsHit(searcher, CurrentSearchText(), TextRange{from, to})) {
    EditSession session(doc_.History(), MakeEditOptions());
    if (!session.Allowed()) return false;
    std::string inserted;
    if (!PrepareReplacement(replacement, find_.CurrentSettings(), doc_.Store().Lead(), inserted)) {
      host_.Beep();
      return false;
    }
    const EditOutcome outcome = doc_.History().Replace(from, to - from, inserted);
    if (!outcome.Done() && outcome.status != EditStatus::kNoChange) return false;
    // The scope keeps its text around the replaced hit.
    if (std::optional<TextRange>* scope = find_.ScopeOf(this); scope && (*scope)->end >= to) {
      (*scope)->end = (*scope)->end - (to - from) + static_cast<TextOffset>(inserted.size());
    }
    FinishEdit(outcome, nullptr, false);
    SetCaretOffset(from + static_cast<TextOffset>(inserted.size()));
    lastHit_.reset();
  }
  return FindNext(text, down, matchCase);
}

void CNorbEV::ReplaceAll(const std::string& text, const std::string& replacement, bool matchCase) {
  Searcher searcher;
  if (!PrepareFind(searcher, text, matchCase)) return;
  EditSession session(doc_.History(), MakeEditOptions());
  if (!session.Allowed()) return;
  std::string inserted;
  if (!PrepareReplacement(replacement, find_.CurrentSettings(), doc_.Store().Lead(), inserted)) {
    host_.Beep();
    return;
  }
  CancelSelection();
  const std::wstring title = Utf8ToWide(MessageText(kMsgReplaceTitle));
  HWND frame = GetAncestor(hwnd_, GA_ROOT);
  const CancelPoll poll = [this, &title, frame] { return AskToStop(title, frame); };
  HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  const TextRange scope = FindScopeRange();
  find_.SetBusy(true);
  const ReplaceAllPlan plan = PlanReplaceAll(searcher, CurrentSearchText(), scope, inserted, &poll);
  find_.SetBusy(false);
  SetCursor(old);
  if (plan.count == 0) {
    host_.Beep();
    return;
  }
  const EditOutcome outcome = doc_.History().Rewrite(plan.from, plan.removed, plan.inserted);
  if (!outcome.Done()) return;
  FinishEdit(outcome, nullptr, false);
  SetCaretOffset(plan.from + static_cast<TextOffset>(plan.inserted.size()));
  const std::wstring count = Utf8ToWide(
      FormatMessageText(MessageText(kMsgReplacedCount), std::to_string(static_cast<unsigned long>(plan.count))));
  MessageBoxW(find_.Dialog() ? find_.Dialog() : hwnd_, count.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
  find_.Close();
}

void CNorbEV::OnFindReplaceMessage(const FindRequest& request) {
  recorder_.Record(kOpSearch, 0, EncodeFindRecord(request));
  if (request.closing) return;  // the dialog forgets its scope itself
  if (!request.findNext && !request.replace && !request.replaceAll) return;
  if (request.text.empty()) {
    host_.Beep();
    return;
  }
  SearchState& state = find_.State();
  state.regex = request.regex;
  state.distinguishWidth = request.distinguishWidth;
  if (request.replaceAll) {
    ReplaceAll(request.text, request.replacement, request.matchCase);
  } else if (request.replace) {
    ReplaceAndFindNext(request.text, request.replacement, request.down, request.matchCase);
  } else {
    FindNext(request.text, request.down, request.matchCase);
  }
  // The newest history entries are the last search string and replacement.
  state.texts.Add(CutSearchText(request.text));
  if (request.replace || request.replaceAll) state.replacements.Add(CutSearchText(request.replacement));
  state.matchCase = request.matchCase;
  state.down = request.down;
  find_.RefreshHistories();
}

void CNorbEV::OpenFindDialog(bool findOnly) {
  if (HasBoxSelection()) CancelSelection();
  TextOffset from = 0, to = 0;
  std::optional<TextRange> selection;
  if (SelectionRange(from, to)) selection = TextRange{from, to};
  const std::optional<TextRange> scope = DialogScope(CurrentSearchText(), selection);
  if (find_.Open(GetAncestor(hwnd_, GA_ROOT), !findOnly, host_)) find_.SetScope(this, scope);
}

void CNorbEV::FindBoxNext(bool down) { FindBoxSearch(find_.FindBoxText(), down); }

void CNorbEV::FindBoxSearch(const std::string& text, bool down) {
  if (text.empty() || text.size() > kMaxSearchText) {
    host_.Beep();
    return;
  }
  if (HasBoxSelection()) CancelSelection();
  SearchState& state = find_.State();
  state.texts.Add(text);
  find_.RefreshHistories();
  recorder_.Record(kOpFindBox, down ? 1 : 0, EncodeFindBoxText(text));
  FindNext(text, down, state.matchCase);
}

void CNorbEV::JumpToLine() {
  std::string& text = find_.JumpText();
  if (recorder_.IsPlaying()) {
    // The number typed when it was recorded, up to its zero byte.
    const std::string_view data = recorder_.CurrentData();
    text.assign(data.substr(0, data.find('\0')));
  } else if (!AskJumpLine(hwnd_, text)) {
    return;
  }
  std::string record = text;
  record.push_back('\0');
  recorder_.Record(kOpViewCommand, kCmdJump, record);
  const bool logical = context_.CurrentCabinet().block[kWordLineCounting] == 1;
  const std::optional<std::uint32_t> number = ParseJumpNumber(text, false);
  const std::optional<std::uint32_t> line = number ? JumpTargetLine(doc_.Store(), *number, logical) : std::nullopt;
  if (!line || !JumpTo(*line, 0)) host_.Beep();
}

void CNorbEV::MatchBracketCommand() {
  const SearchText t = CurrentSearchText();
  const TextOffset caret = CaretOffset();
  const std::optional<TextOffset> match = MatchBracket(t.bytes, t.length, caret, t.lead);
  if (!match) {
    host_.Beep();
    return;
  }
  CancelSelection();
  if (settings_.invertBracketArea) {
    // Both brackets and the text between them.
    if (*match > caret) {
      SetSelection(caret, *match + 1);
    } else {
      SetSelection(caret + 1, *match);
    }
  } else {
    SetCaretOffset(*match);
  }
}

bool CNorbEV::OnSearchCommand(UINT id) {
  switch (id) {
    case kCmdEditFind: OpenFindDialog(true); return true;
    case kCmdEditReplace: OpenFindDialog(false); return true;
    case kCmdFindNext:
    case kCmdFindBoxEnter: FindBoxNext(true); return true;
    case kCmdFindPrev: FindBoxNext(false); return true;
    case kCmdJump: JumpToLine(); return true;
    case kCmdMatchBracket: MatchBracketCommand(); return true;
    default: break;
  }
  return false;
}

}  // namespace quelt::win
