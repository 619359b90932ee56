#include "binary/binary_edit.h"

#include <algorithm>
#include <string>

#include "base/sjis.h"
#include "binary/binary_rows.h"
#include "text/text_store.h"

namespace quelt {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void Report(EditOutcome* out, const EditOutcome& o) {
  if (out) *out = o;
}

// Deletes the selection; true when there was one.
bool DeleteSelection(UndoHistory& history, BinaryCaret& caret, EditOutcome* out) {
  if (!caret.HasSelection()) {
    caret.selecting = false;
    return false;
  }
  const TextOffset from = caret.SelectionStart();
  const EditOutcome o = history.Delete(from, caret.SelectionEnd() - from);
  Report(out, o);
  if (o.Done()) caret.offset = from;
  caret.selecting = false;
  caret.secondDigit = false;
  return true;
}

// Writes bytes at the caret: inserted, or over the bytes there in
// overwrite mode (past the end they are added).
EditOutcome Write(UndoHistory& history, TextOffset at, const std::string& bytes, bool overwrite) {
  const TextOffset length = history.Store().Length();
  const auto covered = static_cast<std::uint32_t>(overwrite ? std::min<TextOffset>(bytes.size(), length - at) : 0);
  return covered > 0 ? history.Overwrite(at, covered, bytes) : history.Insert(at, bytes);
}

}  // namespace

bool TypeBinaryHexDigit(UndoHistory& history, BinaryCaret& caret, char digit, bool overwrite, EditOutcome* out) {
  const int v = HexDigit(digit);
  if (v < 0) return false;
  if (DeleteSelection(history, caret, out)) caret.secondDigit = false;
  TextStore& store = history.Store();
  if (!caret.secondDigit || caret.offset >= store.Length()) {
    const EditOutcome o = Write(history, caret.offset, std::string(1, static_cast<char>(v)), overwrite);
    Report(out, o);
    if (o.Done()) caret.secondDigit = true;
    return true;
  }
  const std::uint8_t old = store.ByteAt(caret.offset);
  const EditOutcome o = history.Overwrite(caret.offset, 1, std::string(1, static_cast<char>((old << 4 | v) & 0xFF)));
  Report(out, o);
  if (o.Done()) {
    caret.secondDigit = false;
    ++caret.offset;
  }
  return true;
}

void TypeBinaryTextByte(UndoHistory& history, BinaryCaret& caret, std::uint8_t byte, bool overwrite, EditOutcome* out) {
  std::string bytes;
  if (caret.pendingLead >= 0) {
    bytes += static_cast<char>(caret.pendingLead);
    caret.pendingLead = -1;
  } else if (IsSjisLeadByte(byte)) {
    caret.pendingLead = byte;
    return;
  }
  bytes += static_cast<char>(byte);
  DeleteSelection(history, caret, out);
  const EditOutcome o = Write(history, caret.offset, bytes, overwrite);
  Report(out, o);
  if (o.Done()) caret.offset += static_cast<TextOffset>(bytes.size());
  caret.secondDigit = false;
}

void DeleteBinary(UndoHistory& history, BinaryCaret& caret, EditOutcome* out) {
  caret.secondDigit = false;
  if (DeleteSelection(history, caret, out)) return;
  if (caret.offset >= history.Store().Length()) {
    history.GetHost().Beep();
    return;
  }
  Report(out, history.Delete(caret.offset, 1));
}

void BackspaceBinary(UndoHistory& history, BinaryCaret& caret, EditOutcome* out) {
  if (!caret.HasSelection()) {
    caret.selecting = false;
    if (caret.offset == 0) {
      history.GetHost().Beep();
      return;
    }
    --caret.offset;
  }
  DeleteBinary(history, caret, out);
}

void PasteBinary(UndoHistory& history, BinaryCaret& caret, std::string_view bytes, EditOutcome* out) {
  if (bytes.empty()) return;
  DeleteSelection(history, caret, out);
  const EditOutcome o = history.Insert(caret.offset, bytes);
  if (o.Done()) {
    Report(out, o);
    caret.offset += static_cast<TextOffset>(bytes.size());
  }
  caret.secondDigit = false;
}

bool FindBinary(std::string_view data, std::string_view pattern, BinaryCaret& caret, bool down) {
  if (pattern.empty()) return false;
  std::size_t at = std::string_view::npos;
  if (down) {
    at = data.find(pattern, caret.HasSelection() ? caret.SelectionStart() + 1 : caret.offset);
  } else {
    const TextOffset before = caret.HasSelection() ? caret.SelectionStart() : caret.offset;
    if (before > 0) at = data.rfind(pattern, before - 1);
  }
  if (at == std::string_view::npos) return false;
  caret.selecting = true;
  caret.anchor = static_cast<TextOffset>(at);
  caret.offset = static_cast<TextOffset>(at + pattern.size());
  caret.secondDigit = false;
  return true;
}

void MoveBinaryCaret(BinaryCaret& caret, BinaryKey key, bool shift, bool ctrl, TextOffset length, int pageRows) {
  if (shift && !caret.selecting) {
    caret.selecting = true;
    caret.anchor = caret.offset;
  } else if (!shift) {
    caret.selecting = false;
  }
  const std::int64_t row = kBinaryBytesPerRow;
  std::int64_t p = caret.offset;
  switch (key) {
    case BinaryKey::kLeft: p -= 1; break;
    case BinaryKey::kRight: p += 1; break;
    case BinaryKey::kUp: p -= row; break;
    case BinaryKey::kDown: p += row; break;
    case BinaryKey::kHome: p = ctrl ? 0 : p - p % row; break;
    case BinaryKey::kEnd: p = ctrl ? length : p - p % row + row - 1; break;
    case BinaryKey::kPageUp: p -= row * std::max(pageRows, 1); break;
    case BinaryKey::kPageDown: p += row * std::max(pageRows, 1); break;
  }
  caret.offset = static_cast<TextOffset>(std::clamp<std::int64_t>(p, 0, length));
  caret.secondDigit = false;
  caret.pendingLead = -1;
}

}  // namespace quelt
