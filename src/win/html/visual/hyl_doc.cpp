#include "html/visual/hyl_doc.h"

#include "app/command_ids.h"
#include "cabinet/cabinet_recorder.h"
#include "html/tag_dialogs.h"
#include "html/visual_fonts.h"
#include "html/visual_page.h"
#include "html/visual/visual_settings_sheet.h"
#include "html/visual_reader.h"
#include "html/visual_writer.h"
#include "res/resource.h"
#include "text/file_commands.h"
#include "text/save_dialog.h"
#include "app/settings.h"
#include "base/host.h"
#include "cabinet/cabinet_service.h"
#include "framework/owner_window.h"
#include "html/tag_service.h"
#include "html/visual/visual_context.h"

namespace quelt::win {
namespace {

// A read-only page, and every page in browse mode, is neither changed nor
// written back under its name.
bool MayWrite(bool readOnly, const AppSettings& settings) { return !readOnly && !settings.viewMode; }

VisualFont BaseFontOf(const HtmlModeSettings& s) {
  return VisualBaseFont(s.defaultFontNo, s.defaultFontPoint, IsEnglishInterface());
}

// The page is read and written as a text document's file is.
FileContext FileContextOf(const VisualContext& c) {
  return DocumentFileContext(c.files, c.host, c.paths, c.settings, c.cipher, c.owner);
}

}  // namespace

CHylDoc::CHylDoc(const VisualContext& context) : context_(context), editor_(model_, context_.host) {
  model_.SetBaseFont(BaseFontOf(context_.settings.htmlMode));
}

bool CHylDoc::OnNewDocument() {
  model_.Clear();
  bodyUnread_ = false;
  charsUnkept_ = false;
  editor_.History().Clear();
  SetModified(false);
  return true;
}

bool CHylDoc::OnOpenDocument(const std::string& path) {
  const CharCodeId forced = TakeForcedOpenCode();
  VisualOpenNotes notes;
  if (!LoadVisualDocument(FileContextOf(context_), path, forced, model_, &notes)) return false;
  bodyUnread_ = notes.noBody;
  charsUnkept_ = notes.lostChars != 0;
  editor_.History().Clear();
  SetModified(false);
  UpdateAllViews(nullptr, kHintVisualLoaded);
  return true;
}

bool CHylDoc::OnSaveDocument(const std::string& path) {
  if (!SaveVisualDocument(FileContextOf(context_), path, model_)) return false;
  SetModified(false);
  UpdateAllViews(nullptr, kHintNone);
  return true;
}

void CHylDoc::Changed(View* sender) {
  if (!IsModified()) {
    SetModified(true);
    UpdateAllViews(nullptr, kHintNone);
  }
  UpdateAllViews(sender, kHintVisualChanged);
}

bool CHylDoc::SaveAs() {
  if (bodyUnread_) {
    context_.host.Beep();
    return false;
  }
  SaveAsRequest request;
  request.proposedName = PathName().empty() ? Title() : PathName();
  request.code = model_.code;
  request.lineEnd = model_.lineEnd;
  SaveAsChoice choice;
  WinSaveAsDialog dialog(context_.owner.MainHwnd(), context_.cabinet.Working(), true);
  TellLostOnSaveAs(context_.host, model_.lostChars);
  if (!dialog.Run(request, choice)) return false;
  if (!MaySaveOverOriginal(context_.host, model_.lostChars, choice.path, PathName())) return false;
  const VisualDocument before = model_;
  if (choice.code != CharCodeId::kAuto) model_.code = choice.code;
  if (choice.lineEnd != LineEndId::kAuto) model_.lineEnd = choice.lineEnd;
  if (!OnSaveDocument(choice.path)) {
    // A refused save keeps the code and line end the document had.
    model_.code = before.code;
    model_.lineEnd = before.lineEnd;
    return false;
  }
  // The file saved holds what the document shows.
  model_.lostChars = 0;
  SetPathName(choice.path);
  context_.owner.OnFrameTitleChanged();
  return true;
}

void CHylDoc::PageCommand() {
  if (!MayWrite(ReadOnly(), context_.settings)) {
    context_.host.Beep();
    return;
  }
  PageTagSettings& last = context_.htmlTags.Settings().page;
  PageTagSettings sheet = PageSheetOfBody(model_.body, last);
  if (!RunPageTagSheet(context_.owner.MainHwnd(), sheet)) return;
  last = sheet;
  const BodySettings body = BodyOfPageSheet(sheet);
  if (body == model_.body) return;
  model_.body = body;
  Changed(nullptr);
}

bool CHylDoc::OnCommand(UINT id) {
  switch (id) {
    case ID_FILE_SAVE:
      if (!MayWrite(ReadOnly(), context_.settings)) {
        context_.host.Beep();
        return true;
      }
      if (PathName().empty() || SaveNeedsDialog(context_.files, PathName())) return SaveAs(), true;
      // Recorded as the text document's Save is: the command alone.
      CabinetRecorder().RecordOperation(id, {});
      OnSaveDocument(PathName());
      return true;
    case ID_FILE_SAVE_AS:
      SaveAs();
      return true;
    case ID_FILE_CLOSE:
      CabinetRecorder().RecordOperation(id, {});
      if (SaveModified()) OnCloseDocument();
      return true;
    case kCmdHylPage:
      PageCommand();
      return true;
    case kCmdHylCommonSettings:
      RunVisualSettingsSheet(context_);
      return true;
    default:
      return false;
  }
}

bool CHylDoc::OnUpdateCommand(UINT id, CommandState& state) {
  switch (id) {
    case ID_FILE_SAVE:
      state.enabled = MayWrite(ReadOnly(), context_.settings);
      return true;
    case ID_FILE_SAVE_AS:
      state.enabled = !bodyUnread_;
      return true;
    case ID_FILE_CLOSE:
      state.enabled = true;
      return true;
    case kCmdHylPage:
      state.enabled = MayWrite(ReadOnly(), context_.settings);
      return true;
    case kCmdHylCommonSettings:
      state.enabled = true;
      return true;
    default:
      return false;
  }
}

}  // namespace quelt::win
