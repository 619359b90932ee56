// The undo history of a visual document. Every change of the text or of
// its attributes goes through Replace inside a step; a step is one user
// action and undoes as one. A step keeps, for each replacement, the bytes
// and attributes it removed and those it put in, and the font and link
// tables and the figures as they were before the step when the step
// changed them, so an undo gives back the document exactly.
//
// A figure anchored to the text moves with it: text put in or taken out
// before its anchor shifts the anchor, an anchor inside a removed range
// goes to the range's start, and an anchor at the start of a change stays.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "html/visual_document.h"

namespace quelt {

inline constexpr std::size_t kVisualUndoDepth = 512;

struct VisualDelta {
  std::size_t offset = 0;
  std::string removedText;
  std::vector<VisualAttr> removedAttrs;
  std::string insertedText;
  std::vector<VisualAttr> insertedAttrs;
};

// Where the selection stood before a step; an undo puts it back.
struct VisualUndoPlace {
  std::size_t anchor = 0;
  std::size_t caret = 0;
  bool operator==(const VisualUndoPlace&) const = default;
};

struct VisualUndoStep {
  std::vector<VisualDelta> deltas;
  std::optional<std::array<VisualFont, kVisualFontCount>> fontsBefore;
  std::optional<std::array<std::string, kVisualLinkCount>> linksBefore;
  std::optional<std::array<VisualFigure, kVisualFigureCount>> figuresBefore;
  VisualUndoPlace before;
};

class VisualHistory {
 public:
  explicit VisualHistory(std::size_t depth = kVisualUndoDepth) : depth_(depth) {}

  // Opens a step; the tables are remembered as they are now.
  void Begin(const VisualDocument& doc, VisualUndoPlace before);
  bool Open() const { return open_; }
  // Replaces text[start, end) with text and attrs (of equal length) and
  // records it in the open step.
  void Replace(VisualDocument& doc, std::size_t start, std::size_t end, std::string_view text,
               std::span<const VisualAttr> attrs);
  // Closes the step; a step that changed nothing is dropped. True when it
  // was kept.
  bool Commit(const VisualDocument& doc);
  // Takes the open step back out of the document (a refusal part way).
  void Cancel(VisualDocument& doc);

  // Joins the last two steps into one (what the later one did goes after
  // what the earlier one did); false with fewer than two.
  bool MergeLastTwo();
  bool CanUndo() const { return !steps_.empty(); }
  std::size_t Size() const { return steps_.size(); }
  // Undoes the last step; where the selection stood before it.
  std::optional<VisualUndoPlace> Undo(VisualDocument& doc);
  void Clear() { steps_.clear(); open_ = false; }

 private:
  static void Revert(VisualDocument& doc, const VisualUndoStep& step);

  std::size_t depth_;
  std::deque<VisualUndoStep> steps_;
  VisualUndoStep current_;
  std::array<VisualFont, kVisualFontCount> fonts_{};
  std::array<std::string, kVisualLinkCount> links_{};
  std::array<VisualFigure, kVisualFigureCount> figures_{};
  bool open_ = false;
};

}  // namespace quelt
