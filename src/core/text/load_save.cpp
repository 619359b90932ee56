#include "text/load_save.h"

#include "base/path.h"
#include "text/save_name.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

// The internal form of a file that needs converting, through the temporary
// file. False when the file is too large or any step fails: the caller then
// reads the file itself.
bool ConvertThroughTempFile(const FileContext& ctx, const std::string& path, const Detection& d,
                            std::string& text) {
  FileInfo info;
  if (!ctx.fs.GetInfo(path, info) || info.isDirectory || info.size > kMaxConvertBytes) return false;
  std::string raw;
  if (!ctx.fs.ReadFile(path, raw, kMaxConvertBytes + 1) || raw.size() > kMaxConvertBytes) return false;
  ConvertResult converted = ToInternal(Bytes(raw), raw.size(), d.code, d.selector);
  if (converted.status == ConvertStatus::kOutOfMemory) ctx.host.ShowMessage(kMsgOutOfMemory);
  if (converted.status != ConvertStatus::kOk) return false;
  raw.clear();
  raw.shrink_to_fit();
  if (!ctx.fs.WriteFile(ctx.tempFile, converted.bytes)) return false;
  converted.bytes.clear();
  converted.bytes.shrink_to_fit();
  return ctx.fs.ReadFile(ctx.tempFile, text, static_cast<std::uint64_t>(kMaxLoadSize) + 1);
}

// The internal form of a UTF-8 or UTF-16 file, converted in memory. The
// file is read up to twice what the store can hold, which covers every
// character the store would keep. False when a step fails.
bool ConvertUnicodeFile(const FileContext& ctx, const std::string& path, const Detection& d, std::string& text,
                        UnicodeTally& tally) {
  std::string raw;
  if (!ctx.fs.ReadFile(path, raw, 2 * (static_cast<std::uint64_t>(kMaxLoadSize) + 1))) return false;
  UnicodeDecoded decoded = DecodeUnicode(Bytes(raw), raw.size(), d.code, d.selector);
  if (decoded.status == ConvertStatus::kOutOfMemory) ctx.host.ShowMessage(kMsgOutOfMemory);
  if (decoded.status != ConvertStatus::kOk) return false;
  text = std::move(decoded.bytes);
  tally = decoded.tally;
  return true;
}

}  // namespace

Detection DetectFile(FileSystem& fs, const std::string& path, bool crlfEqualSjis, CharCodeId forcedCode) {
  std::string sample;
  if (!fs.ReadFile(path, sample, kDetectSampleBytes)) return Detection{};
  return DetectForced(Bytes(sample), sample.size(), forcedCode, crlfEqualSjis);
}

OpenOutcome OpenTextFile(const FileContext& ctx, const std::string& path, CharCodeId forcedCode, TextStore& store) {
  OpenOutcome outcome;
  store.SetCharCode(static_cast<int>(CharCodeId::kShiftJis));
  store.SetLineEnd(static_cast<int>(LineEndId::kCrLf));
  const DocumentKind kind = store.Kind();

  std::string text;
  UnicodeTally tally;
  bool deciphered = false;
  CipherOpen cipherOpen = CipherOpen::kNotCipher;
  if (ctx.cipher && !ctx.tempFile.empty()) {
    cipherOpen = DecipherForOpening(ctx.fs, ctx.host, *ctx.cipher, path, ctx.tempFile, ctx.askPassword,
                                    kind == DocumentKind::kText);
  }
  if (cipherOpen == CipherOpen::kDeciphered || cipherOpen == CipherOpen::kDoubtful) {
    // The work file holds the plain text only as long as it is read.
    deciphered = ctx.fs.ReadFile(ctx.tempFile, text, static_cast<std::uint64_t>(kMaxLoadSize) + 1);
    ctx.fs.RemoveFile(ctx.tempFile);
  }
  if (deciphered) {
    outcome.converted = true;
  } else if (kind == DocumentKind::kText && !ctx.tempFile.empty()) {
    const Detection d = DetectFile(ctx.fs, path, ctx.crlfEqualSjis, forcedCode);
    const bool plain = d.code == CharCodeId::kShiftJis && d.selector == kSelectorCrLf;
    if (!plain && (IsUnicodeCode(d.code) ? ConvertUnicodeFile(ctx, path, d, text, tally)
                                         : ConvertThroughTempFile(ctx, path, d, text))) {
      outcome.converted = true;
      store.SetCharCode(static_cast<int>(d.code));
      store.SetLineEnd(static_cast<int>(d.lineEnd()));
    }
  }
  // One byte over the limit is read so that the store sees it is cut.
  if (!outcome.converted && !ctx.fs.ReadFile(path, text, static_cast<std::uint64_t>(kMaxLoadSize) + 1)) {
    store.Clear();
    ctx.host.ShowMessage(kMsgOpenFailed, path);
    return outcome;
  }
  const LoadResult r = store.Load(text, kind);
  if (r.capacity == Capacity::kOutOfMemory || r.capacity == Capacity::kOverLimit) {
    store.Clear();
    ReportCapacityFailure(ctx.host, r.capacity, false);
    return outcome;
  }
  if (r.truncated) ctx.host.ShowMessage(kMsgTooManyChars);
  store.SetForms(tally.Forms());
  outcome.lostChars = tally.Lost();
  store.SetLostChars(outcome.lostChars);
  outcome.bothForms = tally.Forms().both != 0;
  // A text that a save would change, or bytes that are not surely the
  // file's text (a cipher file the key or password did not surely open),
  // open write-protected after the message that says why, so that no save
  // writes them over the file by mistake.
  const auto protect = [&](MessageId why, const std::string& arg) {
    store.SetWriteProtect(true);
    outcome.writeProtected = true;
    ctx.host.ShowMessage(why, arg);
  };
  if (outcome.lostChars != 0) protect(kMsgUnicodeCharsLost, std::to_string(outcome.lostChars));
  store.SetOpenedFromCipher(deciphered);
  if (const MessageId why = CipherOpenProtectionMessage(cipherOpen); why != kMsgNone) protect(why, {});
  outcome.ok = true;
  outcome.hint = r.hint;
  return outcome;
}

SaveOutcome SaveTextFile(const FileContext& ctx, const std::string& path, TextStore& store) {
  SaveOutcome outcome;
  if (ctx.cipher) {
    switch (CipherSave(ctx.fs, ctx.host, *ctx.cipher, store, path, false)) {
      case CipherSaveResult::kRefused:
        return outcome;
      case CipherSaveResult::kWritten:
        store.SetOpenedFromCipher(true);
        outcome.ok = true;
        outcome.written = true;
        outcome.enciphered = true;
        return outcome;
      case CipherSaveResult::kNotCipher:
        break;
    }
  }
  const auto code = static_cast<CharCodeId>(store.CharCode());
  const auto lineEnd = static_cast<LineEndId>(store.LineEnd());
  std::string text = store.Text();
  const bool plain = store.Kind() == DocumentKind::kBinary ||
                     (code == CharCodeId::kShiftJis && lineEnd == LineEndId::kCrLf);
  if (!plain && IsUnicodeCode(code)) {
    // Any size; an empty document still gets its signature.
    ConvertResult converted = EncodeUnicode(Bytes(text), text.size(), code, lineEnd, store.Forms());
    if (converted.status != ConvertStatus::kOk) {
      ctx.host.ShowMessage(kMsgOutOfMemory);
      return outcome;
    }
    text = std::move(converted.bytes);
  } else if (!plain && !text.empty()) {
    // Checked before the file is touched, so a refusal keeps the old file.
    if (text.size() > kMaxConvertBytes) {
      ctx.host.ShowMessage(kMsgDocumentTooLargeToConvert);
      return outcome;
    }
    ConvertResult converted = FromInternal(Bytes(text), text.size(), code, lineEnd);
    if (converted.status != ConvertStatus::kOk) {
      ctx.host.ShowMessage(kMsgOutOfMemory);
      return outcome;
    }
    text = std::move(converted.bytes);
  }
  if (!ctx.fs.WriteFile(path, text)) {
    ctx.host.ShowMessage(kMsgSaveFailed, path);
    return outcome;
  }
  store.SetOpenedFromCipher(false);
  outcome.ok = true;
  outcome.written = true;
  outcome.bytes = std::move(text);
  return outcome;
}

bool SaveNeedsDialog(FileSystem& fs, const std::string& path) {
  if (path.empty()) return true;
  FileInfo info;
  return !fs.GetInfo(path, info) || info.isDirectory || info.readOnly;
}

void TellLostOnSaveAs(Host& host, std::uint64_t lost) {
  if (lost != 0) host.ShowMessage(kMsgUnicodeSaveAsLoses, std::to_string(lost));
}

bool MaySaveOverOriginal(Host& host, std::uint64_t lost, const std::string& target, const std::string& original) {
  if (lost == 0 || original.empty() || !EqualsNoCase(target, original)) return true;
  host.ShowMessage(kMsgUnicodeNotOverOriginal);
  return false;
}

DoSaveOutcome DoSave(FileSystem& fs, Host& host, TextStore& store, const std::string* path, const DocumentNames& names,
                     SaveAsDialog& dialog, const std::function<SaveOutcome(const std::string&)>& saveDocument) {
  DoSaveOutcome outcome;
  const int oldCode = store.CharCode();
  const int oldLineEnd = store.LineEnd();
  std::string target;
  // A document with characters its file's code could not give back is told
  // of them again, whatever name it is saved under.
  const std::uint64_t lost = store.LostChars();
  TellLostOnSaveAs(host, lost);
  if (path) {
    target = *path;
  } else {
    SaveAsRequest request;
    request.proposedName = ProposeSaveName(names.path, names.title, names.cabinetFileType);
    request.code = static_cast<CharCodeId>(oldCode);
    request.lineEnd = static_cast<LineEndId>(oldLineEnd);
    request.binary = store.Kind() == DocumentKind::kBinary;
    SaveAsChoice choice;
    if (!dialog.Run(request, choice) || choice.path.empty()) return outcome;
    target = choice.path;
    if (!request.binary) {
      if (choice.code != CharCodeId::kAuto) store.SetCharCode(static_cast<int>(choice.code));
      if (choice.lineEnd != LineEndId::kAuto) store.SetLineEnd(static_cast<int>(choice.lineEnd));
    }
  }
  if (!MaySaveOverOriginal(host, lost, target, names.path)) {
    store.SetCharCode(oldCode);
    store.SetLineEnd(oldLineEnd);
    return outcome;
  }
  const bool existedBefore = fs.Exists(target);
  const SaveOutcome saved = saveDocument(target);
  if (!saved.ok) {
    store.SetCharCode(oldCode);
    store.SetLineEnd(oldLineEnd);
    if (saved.written && !existedBefore) fs.RemoveFile(target);
    return outcome;
  }
  // The file saved holds what the document shows.
  store.SetLostChars(0);
  outcome.ok = true;
  outcome.path = target;
  return outcome;
}

}  // namespace quelt
