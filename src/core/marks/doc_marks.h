// The marks of a text document: line marks (whole logical lines) and string
// marks (a run of bytes with a copy of them). Toggling and jumping follow the
// rules below; every insertion and deletion of the store keeps the marks on
// their text, undo and redo included, since they edit through the store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/types.h"
#include "text/text_store.h"

namespace quelt {

constexpr std::size_t kMaxLineMarks = 100, kMaxStringMarks = 100;
constexpr std::uint32_t kMaxMarkText = 80;
constexpr std::int32_t kFirstLineMark = -2;  // the mark of the text's first line

struct StringMark {
  TextOffset offset = 0;
  std::uint32_t length = 0;
  std::string text;  // copy of the marked bytes, 1..80
  bool operator==(const StringMark&) const = default;
};

enum class MarkOutcome { kNothing, kBeep, kAdded, kRemoved };

// The line-mark value of a line starting at lineStart, and back.
constexpr std::int32_t LineMarkValueOf(TextOffset lineStart) {
  return lineStart == 0 ? kFirstLineMark : static_cast<std::int32_t>(lineStart) - 2;
}
constexpr TextOffset LineStartOfMark(std::int32_t value) { return static_cast<TextOffset>(value + 2); }

class DocMarks : public TextChangeObserver {
 public:
  // Line marks: ascending; each value is the offset of the CR that ends the
  // logical line before the marked line, or -2 for the first line, so
  // value + 2 is the marked line's start.
  const std::vector<std::int32_t>& LineMarks() const { return lines_; }
  // lineStart: start of a display line.
  bool IsLineMarked(TextOffset lineStart) const;
  // lineStart: start offset of the caret's display line; beginsLogicalLine:
  // whether that display line begins a logical line. Nothing on an empty
  // text; a beep with a selection, on a continuation line, or when the line
  // is not marked and 100 marks exist. An existing mark is removed,
  // otherwise one is inserted in order.
  MarkOutcome ToggleLineMark(TextOffset lineStart, bool beginsLogicalLine, bool textEmpty, bool hasSelection);
  // The start of the first marked line after (forward) / before the caret's
  // line start, wrapping to the first (last) mark; nullopt without marks.
  std::optional<TextOffset> LineMarkTarget(TextOffset caretLineStart, bool forward) const;
  // Removes every line mark; returns the starts of the formerly marked lines.
  std::vector<TextOffset> ClearLineMarks();

  // String marks: ascending by offset.
  const std::vector<StringMark>& StringMarks() const { return strings_; }
  // range [from, to): the stream selection, or (no selection) the character
  // at the caret. A box selection beeps, and so does no selection with the
  // caret on a CR or at the text end. Marks overlapping the range are
  // removed. Otherwise a new mark needs a stream selection of 1..80 bytes
  // without CR or tab and fewer than 100 marks (else a beep); it takes a
  // copy of the bytes.
  MarkOutcome ToggleStringMark(const TextStore& store, TextOffset from, TextOffset to, bool streamSelection,
                               bool boxSelection);
  // The offset of the first mark after caretOffset (forward, wrapping to the
  // first) or the last before it (backward, wrapping to the last).
  std::optional<TextOffset> StringMarkTarget(TextOffset caretOffset, bool forward) const;
  std::vector<StringMark> ClearStringMarks();  // returns the removed marks
  // Whether the text at the mark's offset still equals its copy (only such
  // marks are drawn).
  static bool StringMarkShown(const StringMark& mark, const TextStore& store);

  // Replaces all marks (an attribute file was read) / clears both (a load).
  void SetMarks(std::vector<std::int32_t> lines, std::vector<StringMark> strings);
  void Clear();
  bool Empty() const { return lines_.empty() && strings_.empty(); }

  void AfterInsert(const TextStore&, TextOffset p, std::uint32_t count) override;
  void BeforeDelete(const TextStore& store, TextOffset p, std::uint32_t count) override;

 private:
  std::vector<std::int32_t> lines_;
  std::vector<StringMark> strings_;
};

}  // namespace quelt
