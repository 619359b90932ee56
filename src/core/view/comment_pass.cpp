// The comment pass: the user line comment of general text, and area and
// line comments of C and C++.
#include <algorithm>
#include <string_view>

#include "text/text_store.h"
#include "view/area_comments.h"
#include "view/colour_scan.h"
#include "view/colouring.h"

namespace quelt {
namespace {

constexpr TextOffset kNone = UINT32_MAX;

class CommentScan {
 public:
  CommentScan(CellArray& cells, const TextStore& store, ColourCode code)
      : cells_(cells), reader_(store), lead_(store.Lead()), code_(code) {}

  StoreReader& reader() { return reader_; }
  LeadByteTest lead() const { return lead_; }
  std::uint32_t Length() const { return reader_.Length(); }

  std::uint8_t At(TextOffset p) {
    if (p >= cells_.textBegin && p < cells_.textEnd) return cells_.bytes[p - cells_.textBegin];
    return reader_.At(p);
  }

  bool MatchAt(TextOffset p, std::string_view mark) {
    for (std::size_t j = 0; j < mark.size(); ++j) {
      if (At(p + static_cast<TextOffset>(j)) != static_cast<std::uint8_t>(mark[j])) return false;
    }
    return true;
  }

  // Colours [from, to) within the range, leaving background codes alone.
  void Colour(TextOffset from, TextOffset to) {
    from = std::max(from, cells_.begin);
    to = std::min(to, cells_.end);
    for (TextOffset p = from; p < to; ++p) {
      Cell& cell = cells_.cells[p - cells_.begin];
      if (!IsBackgroundCode(cell.code)) cell.code = code_;
    }
  }

 private:
  CellArray& cells_;
  StoreReader reader_;
  LeadByteTest lead_;
  ColourCode code_;
};

// In every logical line that reaches into the range, the first occurrence of
// mark starts a comment that runs through the line's CR LF. A logical line
// that began above the range is searched from its start. charAware: the
// mark is looked for only at character starts; otherwise at every byte, and
// a mark found on a trail byte colours from its character's first byte so
// that no character is split.
void LineComments(CommentScan& c, const CellArray& cells, std::string_view mark, bool charAware) {
  if (mark.empty()) return;
  const auto first = static_cast<std::uint8_t>(mark[0]);
  const TextOffset end = cells.end;
  const std::uint32_t length = c.Length();
  TextOffset line = c.reader().LogicalLineStart(cells.begin);
  while (line < end) {
    TextOffset found = kNone;
    TextOffset next = kNone;
    for (TextOffset at = line; at < end;) {
      const std::uint8_t ch = c.At(at);
      if (ch == kCr && c.At(at + 1) == kLf) {
        next = at + 2;
        break;
      }
      const TextOffset size = (c.lead()(ch) && at + 1 < length) ? 2 : 1;
      if (found == kNone) {
        if (ch == first && c.MatchAt(at, mark)) {
          found = at;
        } else if (!charAware && size == 2 && c.At(at + 1) == first && c.MatchAt(at + 1, mark)) {
          found = at;
        }
      }
      at += size;
    }
    if (found != kNone) c.Colour(found, next == kNone ? end : next);
    if (next == kNone) break;
    line = next;
  }
}

// Start of the logical line of positions asked in ascending order: one
// look at the display-line table per logical line.
class LineCursor {
 public:
  explicit LineCursor(const TextStore& store) : store_(store) {}
  TextOffset StartOf(TextOffset p) {
    if (valid_ && p >= start_ && p < next_) return start_;
    start_ = LineCommentMemo::LogicalLineStart(store_, p);
    next_ = LineCommentMemo::NextLogicalLineStart(store_, p);
    valid_ = next_ > p;
    return start_;
  }

 private:
  const TextStore& store_;
  TextOffset start_ = 0, next_ = 0;
  bool valid_ = false;
};

// "//" comments of C and C++: whether one runs into the range comes from
// the memo; inside the range the bytes are at hand.
void CLineComments(CommentScan& c, const CellArray& cells, const TextStore& store, LineCommentMemo& memo) {
  const TextOffset begin = cells.begin, end = cells.end;
  const std::uint32_t length = c.Length();
  const TextOffset lineStart = LineCommentMemo::LogicalLineStart(store, begin);
  bool inComment = memo.FirstBefore(store, lineStart, begin) != LineCommentMemo::kNone;
  TextOffset commentStart = begin;
  for (TextOffset at = begin; at < end;) {
    const std::uint8_t ch = c.At(at);
    if (ch == kCr && c.At(at + 1) == kLf) {
      if (inComment) c.Colour(commentStart, at + 2);
      inComment = false;
      at += 2;
      continue;
    }
    if (!inComment && ch == '/' && c.At(at + 1) == '/') {
      inComment = true;
      commentStart = at;
    }
    at += (c.lead()(ch) && at + 1 < length) ? 2 : 1;
  }
  if (inComment) c.Colour(commentStart, end);
}

// Area comments through the delimiter tables, visited from the start of the
// text. A "/*" with "//" before it on its logical line opens nothing; a "*/"
// with "//" before it on its logical line closes nothing. A comment without
// an end runs to the end of the range.
void AreaComments(CommentScan& c, const CellArray& cells, const TextStore& store, const AreaCommentTables& tables) {
  const auto opens = tables.Opens();
  const auto closes = tables.Closes();
  LineCommentMemo& memo = tables.Memo();
  LineCursor openLines(store), closeLines(store);
  const auto afterLineComment = [&](LineCursor& lines, TextOffset p) {
    return memo.FirstBefore(store, lines.StartOf(p), p) != LineCommentMemo::kNone;
  };
  TextOffset resume = 0;
  std::size_t j = 0;
  for (const TextOffset open : opens) {
    if (open >= cells.end || open >= c.Length()) break;
    if (open < resume) continue;  // inside the previous comment
    if (afterLineComment(openLines, open)) continue;
    j = static_cast<std::size_t>(std::lower_bound(closes.begin() + j, closes.end(), open + 2) - closes.begin());
    while (j < closes.size() && afterLineComment(closeLines, closes[j])) ++j;
    if (j == closes.size()) {
      c.Colour(open, cells.end);
      return;
    }
    resume = closes[j] + 2;
    c.Colour(open, resume);
  }
}

}  // namespace

void RunCommentPass(const ColourScheme& scheme, const AreaCommentTables* tables,
                    const TextStore& store, CellArray& cells) {
  if (cells.Size() == 0) return;
  const ColourOptions& o = scheme.Options();
  CommentScan c(cells, store, TextCode(o.commentColour));
  if (o.documentType == 0) {
    LineComments(c, cells, o.userLineComment, o.ulCommentFullMode);
  } else if (o.documentType == 1 || o.documentType == 2) {
    if (o.colorAreaComment && tables != nullptr) {
      AreaComments(c, cells, store, *tables);
      CLineComments(c, cells, store, tables->Memo());
    } else {
      LineComments(c, cells, "//", true);
    }
  }
}

}  // namespace quelt
