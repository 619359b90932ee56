#include "text/file_commands.h"
#include "view/edit_context.h"

#include "backup/backup_files.h"
#include "cabinet/cabinet_recorder.h"
#include "text/open_record.h"

#include "app/app_paths.h"
#include "cipher/cipher_service.h"
#include "framework/document_list.h"
#include "framework/owner_window.h"
#include "cabinet/cabinet_service.h"
#include "res/resource.h"
#include "res/text_ids.h"
#include "framework/win_text.h"
#include "marks/attribute_file.h"
#include "text/doc_commands.h"
#include "text/doc_properties.h"
#include "text/file_dialog_util.h"
#include "text/open_dialog.h"
#include "text/open_request.h"
#include "text/properties_dialog.h"
#include "text/rename_dialog.h"
#include "text/save_dialog.h"
#include "view/norb_doc.h"

namespace quelt::win {
namespace {

// Status-bar panes of the document's code and line end.
constexpr int kCodePane = 5;
constexpr int kLineEndPane = 6;

CharCodeId g_forcedCode = CharCodeId::kAuto;


// Close All's view of a text document.
class ClosableTextDocument : public ClosableDocument {
 public:
  explicit ClosableTextDocument(CNorbDoc& doc) : doc_(doc) {}
  bool HasPath() const override { return !doc_.PathName().empty(); }
  bool IsModified() const override { return doc_.IsModified(); }
  std::string Title() const override { return doc_.Title(); }
  bool Save() override { return SaveCommand(doc_); }
  void Close() override { doc_.OnCloseDocument(); }

 private:
  CNorbDoc& doc_;
};

void CloseAllCommand(const EditContext& ctx) {
  std::vector<std::unique_ptr<ClosableTextDocument>> owned;
  std::vector<ClosableDocument*> docs;
  for (Document* d : ctx.documents.AllDocuments()) {
    if (auto* text = dynamic_cast<CNorbDoc*>(d)) {
      owned.push_back(std::make_unique<ClosableTextDocument>(*text));
      docs.push_back(owned.back().get());
    }
  }
  CloseAllDocuments(ctx.host, docs, ctx.settings.closeUntitledWithoutPrompt != 0);
}

// Saves every text document; in browse mode the command only beeps, and a
// document protected against overwriting beeps and is passed over.
void SaveAllCommand(const EditContext& ctx) {
  const bool viewMode = ctx.settings.viewMode != 0;
  if (viewMode) {
    ctx.host.Beep();
    return;
  }
  for (Document* d : ctx.documents.AllDocuments()) {
    auto* text = dynamic_cast<CNorbDoc*>(d);
    if (!text) continue;
    if (!text->Store().EditAllowed(viewMode)) {
      ctx.host.Beep();
      continue;
    }
    SaveCommand(*text);
  }
}

void TakePath(CNorbDoc& doc, const std::string& path) {
  const EditContext& ctx = doc.Context();
  doc.SetPathName(path);
  if (ctx.settings.longTitle) doc.SetTitle(path);
  ctx.owner.OnFrameTitleChanged();
}

// The marks of a text-kind document come from the attribute file beside its
// file; a file that cannot be read or does not fit leaves none (after its
// message) and the document open.
void ReadDocumentMarks(CNorbDoc& doc, const std::string& path) {
  if (doc.IsBinary()) return;
  const EditContext& ctx = doc.Context();
  AttributeMarks read;
  ReadAttributeFile(path, ctx.files, ctx.host, doc.Store(), read);
  doc.Marks().SetMarks(std::move(read.lines), std::move(read.strings));
}

// Writes the attribute file with the items the current cabinet saves.
bool WriteDocumentMarks(CNorbDoc& doc, const std::string& path) {
  if (doc.IsBinary()) return true;
  const EditContext& ctx = doc.Context();
  const CabinetSettings& cabinet = ctx.CurrentCabinet();
  return WriteAttributeFile(doc.Marks(), doc.Store(), path, ctx.files, ctx.host,
                            cabinet.block[kWordSaveLineMarks] != 0, cabinet.block[kWordSaveStringMarks] != 0);
}

void PropertiesCommand(CNorbDoc& doc) {
  const EditContext& ctx = doc.Context();
  // The binary view is the window of a binary-kind document.
  const PropertiesSource source = PropertiesSourceOf(doc.Store(), doc.PathName(), doc.Title(), !doc.IsBinary());
  RunPropertiesDialog(ctx.owner.MainHwnd(), ComputeProperties(ctx.files, source));
}

OpenDialogContext OpenDialogContextOf(const EditContext& ctx) {
  OpenDialogContext c;
  c.frame = ctx.owner.MainHwnd();
  c.cabinet = &ctx.CurrentCabinet();
  c.cabinetPath = ctx.cabinet.Path();
  const auto* active = dynamic_cast<const CNorbDoc*>(ctx.documents.ActiveDocument());
  c.activeHtml = active != nullptr && active->IsHtml();
  return c;
}

}  // namespace

FileContext DocumentFileContext(const EditContext& ctx) {
  return DocumentFileContext(ctx.files, ctx.host, ctx.paths, ctx.settings, ctx.cipher, ctx.owner);
}

FileContext DocumentFileContext(FileSystem& files, Host& host, const AppPaths& paths, const AppSettings& settings,
                                CipherService& cipher, OwnerWindow& owner) {
  FileContext c{files, host, paths.tempFile, settings.crlfEqualSjis != 0};
  c.cipher = &cipher.Config();
  c.askPassword = [&cipher, &owner] { return cipher.AskPassword(owner.MainHwnd(), false); };
  return c;
}

CharCodeId TakeForcedOpenCode() {
  OpenRequest request;
  request.forcedCode = g_forcedCode;
  g_forcedCode = CharCodeId::kAuto;
  return request.TakeForcedCode();
}

void FileOpenCommand(const EditContext& ctx) {
  OpenDialogResult chosen;
  std::string played;
  if (CabinetRecorder().TakePlaybackData(ID_FILE_OPEN, played)) {
    // The files chosen when it was recorded, without the dialog.
    const std::optional<OpenDialogChoice> c = DecodeOpenDialogChoice(played);
    if (!c) {
      ctx.host.Beep();
      return;
    }
    chosen.paths = c->paths;
    chosen.kind = c->kind;
    chosen.code = c->code;
    chosen.readOnly = c->readOnly;
  } else if (!RunOpenDialog(OpenDialogContextOf(ctx), chosen)) {
    return;
  }
  CabinetRecorder().RecordOperation(ID_FILE_OPEN,
                                    EncodeOpenDialogChoice(OpenDialogChoice{chosen.paths, chosen.kind, chosen.code, chosen.readOnly}));
  for (const std::string& path : chosen.paths) {
    const OpenKindId kind =
        chosen.kind == OpenKindId::kAuto ? DecideOpenKindOfFile(ctx.files, path, InCipherFolder(ctx.cipher.Config(), path)) : chosen.kind;
    const OpenPlan plan = PlanOpen(kind, chosen.code, chosen.paths.size());
    if (plan.action == OpenAction::kSkip) continue;
    if (plan.action == OpenAction::kCabinet) {
      ctx.cabinet.Cabinet().ChangeCabinet(path);
      ctx.cabinet.UpdateFrameTitle();
      continue;
    }
    g_forcedCode = plan.request.forcedCode;
    Document* doc = ctx.opener.OpenWithKind(path, plan.request.openKind, plan.request.html);
    g_forcedCode = CharCodeId::kAuto;
    if (doc) doc->OpenedReadOnly(chosen.readOnly);
  }
}

bool OpenTextDocument(CNorbDoc& doc, const std::string& path) {
  doc.Marks().Clear();
  const OpenOutcome r = OpenTextFile(DocumentFileContext(doc.Context()), path, TakeForcedOpenCode(), doc.Store());
  if (!r.ok) return false;
  // A deciphered document has no attribute file: none is written beside a
  // cipher file.
  if (!doc.Store().OpenedFromCipher()) ReadDocumentMarks(doc, path);
  if (r.hint != kHintNone) doc.UpdateAllViews(nullptr, r.hint);
  return true;
}

SaveOutcome SaveTextDocument(CNorbDoc& doc, const std::string& path) {
  const EditContext& ctx = doc.Context();
  SaveOutcome r = SaveTextFile(DocumentFileContext(doc.Context()), path, doc.Store());
  // An enciphered save leaves no backup, mirror copy or attribute file.
  // A failed attribute file fails the save: the document stays modified,
  // and Save As takes away the text file it has just made (DoSave).
  if (r.ok && !r.enciphered) {
    int cursor = doc.Store().BackupGeneration();
    WriteSaveCopies(ctx.files, ctx.host, BackupOptionsOf(ctx.settings), cursor, r.bytes, path);
    doc.Store().SetBackupGeneration(cursor);
    if (!WriteDocumentMarks(doc, path)) r.ok = false;
  }
  if (r.ok) {
    doc.SetModified(false);
    ShowDocumentCodeStatus(doc);
  }
  return r;
}

namespace {

// The command whose save dialog is recorded while it runs: Save As, or a
// Save that asks for a name. A Save of an untitled document reached another
// way (closing a modified document) shows its dialog as it is.
UINT g_saveDialogCommand = 0;

// The save dialog of those commands, recorded for playback with the choice
// made; during playback the recorded choice is taken instead. A Save played
// back without a choice (recorded while its document had a name) can only
// ask for one.
class RecordedSaveAsDialog : public SaveAsDialog {
 public:
  explicit RecordedSaveAsDialog(SaveAsDialog& dialog) : dialog_(dialog) {}
  bool Run(const SaveAsRequest& request, SaveAsChoice& choice) override {
    const UINT id = g_saveDialogCommand;
    if (id == 0) return dialog_.Run(request, choice);
    std::string played;
    if (CabinetRecorder().TakePlaybackData(id, played) && !played.empty()) {
      const std::optional<SaveAsRecord> r = DecodeSaveAsRecord(played);
      if (!r) return false;
      choice.path = r->path;
      choice.code = r->code;
      choice.lineEnd = r->lineEnd;
      return true;
    }
    if (!dialog_.Run(request, choice)) return false;
    CabinetRecorder().RecordOperation(id, EncodeSaveAsRecord(SaveAsRecord{choice.path, choice.code, choice.lineEnd}));
    return true;
  }

 private:
  SaveAsDialog& dialog_;
};

// Runs a save command with its dialog recorded.
void RunSaveCommand(UINT id, CNorbDoc& doc) {
  g_saveDialogCommand = id;
  if (id == ID_FILE_SAVE) {
    SaveCommand(doc);
  } else {
    DoSaveTextDocument(doc, nullptr, true);
  }
  g_saveDialogCommand = 0;
}

}  // namespace

bool DoSaveTextDocument(CNorbDoc& doc, const std::string* path, bool replace) {
  const EditContext& ctx = doc.Context();
  WinSaveAsDialog windowDialog(ctx.owner.MainHwnd(), ctx.CurrentCabinet(), doc.IsHtml());
  RecordedSaveAsDialog dialog(windowDialog);
  const DocumentNames names{doc.PathName(), doc.Title(), ctx.CurrentCabinet().DocumentType()};
  const DoSaveOutcome r = DoSave(ctx.files, ctx.host, doc.Store(), path, names, dialog,
                                 [&doc](const std::string& p) { return SaveTextDocument(doc, p); });
  if (!r.ok) return false;
  if (replace) TakePath(doc, r.path);
  return true;
}

bool SaveCommand(CNorbDoc& doc) {
  const EditContext& ctx = doc.Context();
  // The rule that enables Save: a write-protected document (or one of browse
  // mode without overwrite permission) is never written over its file, by
  // whatever way the command came; Save As stays open.
  if (!doc.Store().EditAllowed(ctx.settings.viewMode != 0)) {
    ctx.host.Beep();
    return false;
  }
  if (SaveNeedsDialog(ctx.files, doc.PathName())) return DoSaveTextDocument(doc, nullptr, true);
  return SaveTextDocument(doc, doc.PathName()).ok;
}

bool SaveModifiedTextDocument(CNorbDoc& doc) {
  return SaveModifiedPrompt(doc.Context().host, doc.IsModified(), doc.Title(),
                            [&doc] { return SaveCommand(doc); });
}

bool OnTextFileCommand(CNorbDoc& doc, UINT id) {
  const EditContext& ctx = doc.Context();
  // The commands without a dialog of their own are recorded as they are; a
  // Save that asks for a name is recorded with the name by its dialog.
  const bool saveAsks = id == ID_FILE_SAVE && SaveNeedsDialog(ctx.files, doc.PathName());
  if ((id == ID_FILE_SAVE && !saveAsks) || id == ID_FILE_CLOSE || id == ID_FILE_CLOSE_ALL ||
      id == ID_FILE_SAVE_ALL) {
    CabinetRecorder().RecordOperation(id, {});
  }
  switch (id) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
      RunSaveCommand(id, doc);
      return true;
    case ID_FILE_CLOSE:
      if (SaveModifiedTextDocument(doc)) doc.OnCloseDocument();
      return true;
    case ID_FILE_CLOSE_ALL:
      CloseAllCommand(ctx);
      return true;
    case ID_FILE_SAVE_ALL:
      SaveAllCommand(ctx);
      return true;
    case ID_FILE_DELETE:
      if (DeleteDocumentFile(ctx.host, ctx.files, doc.PathName()) == DeleteOutcome::kDeleted)
        doc.OnCloseDocument();
      return true;
    case ID_FILE_RENAME: {
      if (doc.PathName().empty()) return true;
      std::string newPath;
      if (RunRenameDialog(ctx.owner.MainHwnd(), ctx.host, ctx.files, doc.PathName(), newPath)) TakePath(doc, newPath);
      return true;
    }
    case ID_FILE_PROPERTIES:
      PropertiesCommand(doc);
      return true;
    default:
      return false;
  }
}

bool OnUpdateTextFileCommand(CNorbDoc& doc, UINT id, CommandState& state) {
  switch (id) {
    case ID_FILE_CLOSE:
    case ID_FILE_CLOSE_ALL:
    case ID_FILE_SAVE_ALL:
    case ID_FILE_SAVE_AS:
    case ID_FILE_PROPERTIES:
      return true;
    case ID_FILE_SAVE:
      state.enabled = doc.Store().EditAllowed(doc.Context().settings.viewMode != 0);
      return true;
    case ID_FILE_DELETE:
    case ID_FILE_RENAME:
      state.enabled = !doc.PathName().empty();
      return true;
    default:
      return false;
  }
}

void ShowDocumentCodeStatus(CNorbDoc& doc) {
  const EditContext& ctx = doc.Context();
  const bool show = !doc.IsBinary() && ctx.settings.displayCodeEnter && !IsEnglishInterface();
  HWND frame = ctx.owner.MainHwnd();
  SetStatusPane(frame, kCodePane,
                show ? Utf8ToWide(CharCodeStatusName(static_cast<CharCodeId>(doc.Store().CharCode()))) : L"");
  SetStatusPane(frame, kLineEndPane,
                show ? Utf8ToWide(LineEndStatusName(static_cast<LineEndId>(doc.Store().LineEnd()))) : L"");
}


bool TextFileCommands::Open(CNorbDoc& doc, const std::string& path) { return OpenTextDocument(doc, path); }

bool TextFileCommands::Save(CNorbDoc& doc, const std::string& path) { return SaveTextDocument(doc, path).ok; }

bool TextFileCommands::SaveModified(CNorbDoc& doc) { return SaveModifiedTextDocument(doc); }

bool TextFileCommands::OnCommand(CNorbDoc& doc, UINT id) { return OnTextFileCommand(doc, id); }

bool TextFileCommands::OnUpdateCommand(CNorbDoc& doc, UINT id, CommandState& state) {
  return OnUpdateTextFileCommand(doc, id, state);
}

}  // namespace quelt::win
