#include "text/file_commands.h"

#include "backup/backup_files.h"
#include "cabinet/cabinet_recorder.h"
#include "text/open_record.h"

#include "app/quelt_app.h"
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
#include "html/visual/hyl_doc.h"
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

void CloseAllCommand() {
  CQueltApp* app = CQueltApp::Get();
  std::vector<std::unique_ptr<ClosableTextDocument>> owned;
  std::vector<ClosableDocument*> docs;
  for (Document* d : app->AllDocuments()) {
    if (auto* text = dynamic_cast<CNorbDoc*>(d)) {
      owned.push_back(std::make_unique<ClosableTextDocument>(*text));
      docs.push_back(owned.back().get());
    }
  }
  CloseAllDocuments(app->GetHost(), docs, app->Settings().closeUntitledWithoutPrompt != 0);
}

// Saves every text document; in browse mode the command only beeps, and a
// document protected against overwriting beeps and is passed over.
void SaveAllCommand() {
  CQueltApp* app = CQueltApp::Get();
  const bool viewMode = app->Settings().viewMode != 0;
  if (viewMode) {
    app->GetHost().Beep();
    return;
  }
  for (Document* d : app->AllDocuments()) {
    auto* text = dynamic_cast<CNorbDoc*>(d);
    if (!text) continue;
    if (!text->Store().EditAllowed(viewMode)) {
      app->GetHost().Beep();
      continue;
    }
    SaveCommand(*text);
  }
}

void TakePath(CNorbDoc& doc, const std::string& path) {
  doc.SetPathName(path);
  if (CQueltApp::Get()->Settings().longTitle) doc.SetTitle(path);
  CQueltApp::Get()->OnFrameTitleChanged();
}

// The marks of a text-kind document come from the attribute file beside its
// file; a file that cannot be read or does not fit leaves none (after its
// message) and the document open.
void ReadDocumentMarks(CNorbDoc& doc, const std::string& path) {
  if (doc.IsBinary()) return;
  CQueltApp* app = CQueltApp::Get();
  AttributeMarks read;
  ReadAttributeFile(path, app->Files(), app->GetHost(), doc.Store(), read);
  doc.Marks().SetMarks(std::move(read.lines), std::move(read.strings));
}

// Writes the attribute file with the items the current cabinet saves.
bool WriteDocumentMarks(CNorbDoc& doc, const std::string& path) {
  if (doc.IsBinary()) return true;
  CQueltApp* app = CQueltApp::Get();
  const CabinetSettings& cabinet = app->CurrentCabinet();
  return WriteAttributeFile(doc.Marks(), doc.Store(), path, app->Files(), app->GetHost(),
                            cabinet.block[kWordSaveLineMarks] != 0, cabinet.block[kWordSaveStringMarks] != 0);
}

void PropertiesCommand(CNorbDoc& doc) {
  CQueltApp* app = CQueltApp::Get();
  // The binary view is the window of a binary-kind document.
  const PropertiesSource source = PropertiesSourceOf(doc.Store(), doc.PathName(), doc.Title(), !doc.IsBinary());
  RunPropertiesDialog(app->MainHwnd(), ComputeProperties(app->Files(), source));
}

}  // namespace

FileContext DocumentFileContext() {
  CQueltApp* app = CQueltApp::Get();
  FileContext ctx{app->Files(), app->GetHost(), app->Paths().tempFile, app->Settings().crlfEqualSjis != 0};
  ctx.cipher = &app->Cipher().Config();
  ctx.askPassword = [] {
    CQueltApp* a = CQueltApp::Get();
    return a->Cipher().AskPassword(a->MainHwnd(), false);
  };
  return ctx;
}

CharCodeId TakeForcedOpenCode() {
  OpenRequest request;
  request.forcedCode = g_forcedCode;
  g_forcedCode = CharCodeId::kAuto;
  return request.TakeForcedCode();
}

void FileOpenCommand() {
  CQueltApp* app = CQueltApp::Get();
  OpenDialogResult chosen;
  std::string played;
  if (CabinetRecorder().TakePlaybackData(ID_FILE_OPEN, played)) {
    // The files chosen when it was recorded, without the dialog.
    const std::optional<OpenDialogChoice> c = DecodeOpenDialogChoice(played);
    if (!c) {
      app->GetHost().Beep();
      return;
    }
    chosen.paths = c->paths;
    chosen.kind = c->kind;
    chosen.code = c->code;
    chosen.readOnly = c->readOnly;
  } else if (!RunOpenDialog(app->MainHwnd(), chosen)) {
    return;
  }
  CabinetRecorder().RecordOperation(ID_FILE_OPEN,
                                    EncodeOpenDialogChoice(OpenDialogChoice{chosen.paths, chosen.kind, chosen.code, chosen.readOnly}));
  for (const std::string& path : chosen.paths) {
    const OpenKindId kind =
        chosen.kind == OpenKindId::kAuto ? DecideOpenKindOfFile(app->Files(), path, InCipherFolder(app->Cipher().Config(), path)) : chosen.kind;
    const OpenPlan plan = PlanOpen(kind, chosen.code, chosen.paths.size());
    if (plan.action == OpenAction::kSkip) continue;
    if (plan.action == OpenAction::kCabinet) {
      CabinetService::Get().Cabinet().ChangeCabinet(path);
      CabinetService::Get().UpdateFrameTitle();
      continue;
    }
    g_forcedCode = plan.request.forcedCode;
    Document* doc = app->OpenWithKind(path, plan.request.openKind, plan.request.html);
    g_forcedCode = CharCodeId::kAuto;
    // The check box adds protection; a cipher file that did not surely open
    // is protected already.
    if (auto* text = dynamic_cast<CNorbDoc*>(doc); text && chosen.readOnly) text->Store().SetWriteProtect(true);
    if (auto* visual = dynamic_cast<CHylDoc*>(doc)) visual->SetReadOnly(chosen.readOnly);
  }
}

bool OpenTextDocument(CNorbDoc& doc, const std::string& path) {
  doc.Marks().Clear();
  const OpenOutcome r = OpenTextFile(DocumentFileContext(), path, TakeForcedOpenCode(), doc.Store());
  if (!r.ok) return false;
  // A deciphered document has no attribute file: none is written beside a
  // cipher file.
  if (!doc.Store().OpenedFromCipher()) ReadDocumentMarks(doc, path);
  if (r.hint != kHintNone) doc.UpdateAllViews(nullptr, r.hint);
  return true;
}

SaveOutcome SaveTextDocument(CNorbDoc& doc, const std::string& path) {
  CQueltApp* app = CQueltApp::Get();
  SaveOutcome r = SaveTextFile(DocumentFileContext(), path, doc.Store());
  // An enciphered save leaves no backup, mirror copy or attribute file.
  // A failed attribute file fails the save: the document stays modified,
  // and Save As takes away the text file it has just made (DoSave).
  if (r.ok && !r.enciphered) {
    int cursor = doc.Store().BackupGeneration();
    WriteSaveCopies(app->Files(), app->GetHost(), BackupOptionsOf(app->Settings()), cursor, r.bytes, path);
    doc.Store().SetBackupGeneration(cursor);
    if (!WriteDocumentMarks(doc, path)) r.ok = false;
  }
  if (r.ok) {
    doc.SetModified(false);
    ShowDocumentCodeStatus(&doc);
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
  CQueltApp* app = CQueltApp::Get();
  WinSaveAsDialog windowDialog(app->MainHwnd(), doc.IsHtml());
  RecordedSaveAsDialog dialog(windowDialog);
  const DocumentNames names{doc.PathName(), doc.Title(), app->CurrentCabinet().DocumentType()};
  const DoSaveOutcome r = DoSave(app->Files(), app->GetHost(), doc.Store(), path, names, dialog,
                                 [&doc](const std::string& p) { return SaveTextDocument(doc, p); });
  if (!r.ok) return false;
  if (replace) TakePath(doc, r.path);
  return true;
}

bool SaveCommand(CNorbDoc& doc) {
  CQueltApp* app = CQueltApp::Get();
  // The rule that enables Save: a write-protected document (or one of browse
  // mode without overwrite permission) is never written over its file, by
  // whatever way the command came; Save As stays open.
  if (!doc.Store().EditAllowed(app->Settings().viewMode != 0)) {
    app->GetHost().Beep();
    return false;
  }
  if (SaveNeedsDialog(app->Files(), doc.PathName())) return DoSaveTextDocument(doc, nullptr, true);
  return SaveTextDocument(doc, doc.PathName()).ok;
}

bool SaveModifiedTextDocument(CNorbDoc& doc) {
  return SaveModifiedPrompt(CQueltApp::Get()->GetHost(), doc.IsModified(), doc.Title(),
                            [&doc] { return SaveCommand(doc); });
}

bool OnTextFileCommand(CNorbDoc& doc, UINT id) {
  CQueltApp* app = CQueltApp::Get();
  // The commands without a dialog of their own are recorded as they are; a
  // Save that asks for a name is recorded with the name by its dialog.
  const bool saveAsks = id == ID_FILE_SAVE && SaveNeedsDialog(app->Files(), doc.PathName());
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
      CloseAllCommand();
      return true;
    case ID_FILE_SAVE_ALL:
      SaveAllCommand();
      return true;
    case ID_FILE_DELETE:
      if (DeleteDocumentFile(app->GetHost(), app->Files(), doc.PathName()) == DeleteOutcome::kDeleted)
        doc.OnCloseDocument();
      return true;
    case ID_FILE_RENAME: {
      if (doc.PathName().empty()) return true;
      std::string newPath;
      if (RunRenameDialog(app->MainHwnd(), doc.PathName(), newPath)) TakePath(doc, newPath);
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
      state.enabled = doc.Store().EditAllowed(CQueltApp::Get()->Settings().viewMode != 0);
      return true;
    case ID_FILE_DELETE:
    case ID_FILE_RENAME:
      state.enabled = !doc.PathName().empty();
      return true;
    default:
      return false;
  }
}

void ShowDocumentCodeStatus(CNorbDoc* doc) {
  CQueltApp* app = CQueltApp::Get();
  const bool show = doc && !doc->IsBinary() && app->Settings().displayCodeEnter && !IsEnglishInterface();
  SetStatusPane(kCodePane,
                show ? Utf8ToWide(CharCodeStatusName(static_cast<CharCodeId>(doc->Store().CharCode()))) : L"");
  SetStatusPane(kLineEndPane,
                show ? Utf8ToWide(LineEndStatusName(static_cast<LineEndId>(doc->Store().LineEnd()))) : L"");
}

}  // namespace quelt::win
