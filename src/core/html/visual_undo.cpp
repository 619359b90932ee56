#include "html/visual_undo.h"

#include <algorithm>

namespace quelt {
namespace {

void MoveAnchors(VisualDocument& doc, std::size_t start, std::size_t end, std::size_t inserted) {
  for (VisualFigure& f : doc.figures) {
    if (f.kind == FigureKind::kFree || f.anchor < 0) continue;
    const auto anchor = static_cast<std::size_t>(f.anchor);
    if (anchor <= start) continue;
    const std::size_t moved = anchor >= end ? anchor - (end - start) + inserted : start;
    f.anchor = static_cast<int>(moved);
  }
}

}  // namespace

void VisualHistory::Begin(const VisualDocument& doc, VisualUndoPlace before) {
  current_ = VisualUndoStep{};
  current_.before = before;
  fonts_ = doc.fonts;
  links_ = doc.links;
  figures_ = doc.figures;
  open_ = true;
}

void VisualHistory::Replace(VisualDocument& doc, std::size_t start, std::size_t end, std::string_view text,
                            std::span<const VisualAttr> attrs) {
  start = std::min(start, doc.text.size());
  end = std::clamp(end, start, doc.text.size());
  VisualDelta d;
  d.offset = start;
  d.removedText = doc.text.substr(start, end - start);
  d.removedAttrs.assign(doc.attrs.begin() + static_cast<std::ptrdiff_t>(start),
                        doc.attrs.begin() + static_cast<std::ptrdiff_t>(end));
  d.insertedText = std::string(text);
  d.insertedAttrs.assign(attrs.begin(), attrs.end());
  d.insertedAttrs.resize(d.insertedText.size());
  MoveAnchors(doc, start, end, d.insertedText.size());
  doc.text.replace(start, end - start, d.insertedText);
  doc.attrs.erase(doc.attrs.begin() + static_cast<std::ptrdiff_t>(start),
                  doc.attrs.begin() + static_cast<std::ptrdiff_t>(end));
  doc.attrs.insert(doc.attrs.begin() + static_cast<std::ptrdiff_t>(start), d.insertedAttrs.begin(),
                   d.insertedAttrs.end());
  if (open_) current_.deltas.push_back(std::move(d));
}

bool VisualHistory::Commit(const VisualDocument& doc) {
  if (!open_) return false;
  open_ = false;
  if (doc.fonts != fonts_) current_.fontsBefore = fonts_;
  if (doc.links != links_) current_.linksBefore = links_;
  if (doc.figures != figures_) current_.figuresBefore = figures_;
  const bool changed = std::any_of(current_.deltas.begin(), current_.deltas.end(), [](const VisualDelta& d) {
    return d.removedText != d.insertedText || d.removedAttrs != d.insertedAttrs;
  });
  if (!changed && !current_.fontsBefore && !current_.linksBefore && !current_.figuresBefore) return false;
  steps_.push_back(std::move(current_));
  while (steps_.size() > depth_) steps_.pop_front();
  return true;
}

void VisualHistory::Cancel(VisualDocument& doc) {
  if (!open_) return;
  open_ = false;
  current_.fontsBefore = fonts_;
  current_.linksBefore = links_;
  current_.figuresBefore = figures_;
  Revert(doc, current_);
}

void VisualHistory::Revert(VisualDocument& doc, const VisualUndoStep& step) {
  for (auto it = step.deltas.rbegin(); it != step.deltas.rend(); ++it) {
    const VisualDelta& d = *it;
    const std::size_t end = d.offset + d.insertedText.size();
    doc.text.replace(d.offset, d.insertedText.size(), d.removedText);
    doc.attrs.erase(doc.attrs.begin() + static_cast<std::ptrdiff_t>(d.offset),
                    doc.attrs.begin() + static_cast<std::ptrdiff_t>(end));
    doc.attrs.insert(doc.attrs.begin() + static_cast<std::ptrdiff_t>(d.offset), d.removedAttrs.begin(),
                     d.removedAttrs.end());
  }
  if (step.fontsBefore) doc.fonts = *step.fontsBefore;
  if (step.linksBefore) doc.links = *step.linksBefore;
  if (step.figuresBefore) doc.figures = *step.figuresBefore;
}

bool VisualHistory::MergeLastTwo() {
  if (open_ || steps_.size() < 2) return false;
  VisualUndoStep later = std::move(steps_.back());
  steps_.pop_back();
  VisualUndoStep& earlier = steps_.back();
  for (VisualDelta& d : later.deltas) earlier.deltas.push_back(std::move(d));
  // The tables as they were before both.
  if (!earlier.fontsBefore) earlier.fontsBefore = std::move(later.fontsBefore);
  if (!earlier.linksBefore) earlier.linksBefore = std::move(later.linksBefore);
  if (!earlier.figuresBefore) earlier.figuresBefore = std::move(later.figuresBefore);
  return true;
}

std::optional<VisualUndoPlace> VisualHistory::Undo(VisualDocument& doc) {
  if (steps_.empty()) return std::nullopt;
  const VisualUndoStep step = std::move(steps_.back());
  steps_.pop_back();
  Revert(doc, step);
  return step.before;
}

}  // namespace quelt
