// The keyword pass: user keywords, HTML fragments, URLs and e-mail
// addresses, C and C++ keywords and marked strings.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "text/text_store.h"
#include "view/colour_scan.h"
#include "view/colouring.h"
#include "view/url_finder.h"
#include "view/word_tables.h"

namespace quelt {

// Words grouped by their first byte (folded when matching ignores case), so
// that a position is compared only with the words that can start there.
struct ColourScheme::KeywordIndex {
  struct Word {
    std::string bytes;
    // Bit j set: byte j starts a single-byte character of the word and is
    // compared without regard to case (case-insensitive matching only).
    std::uint32_t foldMask = 0;
    bool doubleByte = false;  // the word holds a double-byte character
  };
  std::vector<Word> words;
  std::array<std::vector<std::uint16_t>, 256> byFirstByte;
  bool caseSensitive = true;

  void Build(std::span<const std::string> list, bool sensitive) {
    caseSensitive = sensitive;
    for (const std::string& text : list) {
      if (text.empty() || words.size() >= UINT16_MAX) continue;
      Word w;
      w.bytes = text;
      const auto* b = reinterpret_cast<const std::uint8_t*>(text.data());
      for (std::size_t j = 0; j < text.size();) {
        if (IsSjisLeadByte(b[j]) && j + 1 < text.size()) {
          w.doubleByte = true;
          j += 2;
        } else {
          if (!sensitive && j < 32) w.foldMask |= 1u << j;
          ++j;
        }
      }
      const std::uint8_t key = sensitive ? b[0] : FoldAscii(b[0]);
      byFirstByte[key].push_back(static_cast<std::uint16_t>(words.size()));
      words.push_back(std::move(w));
    }
  }
};

ColourScheme::ColourScheme(ColourOptions options)
    : options_(std::move(options)), keywords_(std::make_unique<KeywordIndex>()) {
  keywords_->Build(options_.keywords, options_.keywordCaseSensitive);
}
ColourScheme::~ColourScheme() = default;
ColourScheme::ColourScheme(ColourScheme&&) noexcept = default;
ColourScheme& ColourScheme::operator=(ColourScheme&&) noexcept = default;

namespace {

using KeywordIndex = ColourScheme::KeywordIndex;

// The bytes of a cell array as one buffer, with colouring clipped to the
// range.
class Scan {
 public:
  Scan(CellArray& cells, LeadByteTest lead, bool textEndsHere)
      : cells_(cells),
        text_(cells.bytes.data()),
        size_(cells.charSize.data()),
        n_(cells.textEnd - cells.textBegin),
        base_(cells.begin - cells.textBegin),
        lead_(lead),
        textEndsHere_(textEndsHere) {}

  const std::uint8_t* text() const { return text_; }
  const std::uint8_t* size() const { return size_; }
  std::uint32_t n() const { return n_; }
  LeadByteTest lead() const { return lead_; }
  // Whether the bytes run to the end of the text (no tail was cut off).
  bool AtEndOfText() const { return textEndsHere_; }
  // Whether buffer index i starts a character (the end counts).
  bool Boundary(std::uint32_t i) const { return i >= n_ || size_[i] != 0; }
  // The first buffer index whose match could reach the range.
  std::uint32_t Base() const { return base_; }
  std::uint32_t RangeEnd() const { return base_ + static_cast<std::uint32_t>(cells_.Size()); }

  // Whole word: the character before and the byte after are no ASCII
  // letter or digit. A double-byte character before is a separator.
  bool WholeWord(std::uint32_t i, std::uint32_t len) const {
    if (i > 0 && size_[i - 1] != 0 && IsAsciiAlnum(text_[i - 1])) return false;
    return !IsAsciiAlnum(text_[i + len]);
  }

  // Colours buffer bytes [from, to) that lie in the range.
  void Colour(std::uint32_t from, std::uint32_t to, ColourCode code) {
    from = std::max(from, base_);
    to = std::min(to, RangeEnd());
    for (std::uint32_t i = from; i < to; ++i) cells_.cells[i - base_].code = code;
  }

 private:
  CellArray& cells_;
  const std::uint8_t* text_;
  const std::uint8_t* size_;
  std::uint32_t n_;
  std::uint32_t base_;
  LeadByteTest lead_;
  bool textEndsHere_;
};

bool Matches(const std::uint8_t* at, const KeywordIndex::Word& w, bool foldAll) {
  const auto* k = reinterpret_cast<const std::uint8_t*>(w.bytes.data());
  for (std::size_t j = 0; j < w.bytes.size(); ++j) {
    std::uint8_t a = at[j];
    std::uint8_t b = k[j];
    if (foldAll || (j < 32 && (w.foldMask >> j & 1))) {
      a = FoldAscii(a);
      b = FoldAscii(b);
    }
    if (a != b) return false;
  }
  return true;
}

// Every occurrence of every word: each word's search resumes after its own
// previous occurrence. wholeWord applies to words without double-byte
// characters. Occurrences start and end on character boundaries.
void MatchWords(Scan& s, const KeywordIndex& index, bool wholeWord, ColourCode code,
                std::uint32_t limit) {
  if (index.words.empty()) return;
  std::vector<std::uint32_t> resume(index.words.size(), 0);
  const std::uint8_t* text = s.text();
  const std::uint32_t n = s.n();
  // With the lead-byte test off every byte is a character of its own.
  const bool foldAll = !index.caseSensitive && !s.lead().enabled();
  for (std::uint32_t i = 0; i < n && i < limit; ++i) {
    if (s.size()[i] == 0) continue;
    const std::uint8_t key = index.caseSensitive ? text[i] : FoldAscii(text[i]);
    for (const std::uint16_t id : index.byFirstByte[key]) {
      const KeywordIndex::Word& w = index.words[id];
      const auto len = static_cast<std::uint32_t>(w.bytes.size());
      if (i < resume[id] || i + len > n || !s.Boundary(i + len)) continue;
      if (!Matches(text + i, w, foldAll)) continue;
      resume[id] = i + len;
      const bool doubleByte = w.doubleByte && s.lead().enabled();
      if (!wholeWord || doubleByte || s.WholeWord(i, len)) s.Colour(i, i + len, code);
    }
  }
}

const KeywordIndex& HtmlIndex(bool withLowerCase) {
  static const KeywordIndex* const indices = [] {
    static KeywordIndex both[2];
    const auto all = HtmlFragments();
    std::vector<std::string> upper(all.begin(), all.begin() + kHtmlUpperCount);
    std::vector<std::string> full(all.begin(), all.end());
    both[0].Build(upper, true);
    both[1].Build(full, true);
    return both;
  }();
  return indices[withLowerCase ? 1 : 0];
}

void MatchUrls(Scan& s, ColourCode code) {
  const std::uint8_t* text = s.text();
  const std::uint32_t n = s.n();
  for (std::uint32_t i = 0; i < s.RangeEnd() && i < n; ++i) {
    if (s.size()[i] != 1) continue;
    const std::size_t prefix = UrlPrefixAt(text, n, i);
    if (prefix == 0) continue;
    const std::uint32_t length = UrlExtent(text, n, i, s.lead());
    s.Colour(i, i + length, code);
    i += static_cast<std::uint32_t>(prefix) - 1;
  }
}

void MatchMailAddresses(Scan& s, const CellArray& cells, ColourCode code) {
  const std::uint32_t n = s.n();
  // Past either end of the bytes the text may go on.
  const bool beforeOpen = cells.textBegin > 0;
  const bool afterOpen = !s.AtEndOfText();
  for (std::uint32_t i = 0; i < n; ++i) {
    if (s.text()[i] != '@') continue;
    std::size_t first = 0, end = 0;
    if (MailAddressAround(s.text(), s.size(), n, i, first, end, beforeOpen, afterOpen)) {
      s.Colour(static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(end), code);
    }
  }
}

// C and C++ keywords are whole C words: the character before and the byte
// after may be neither a letter, a digit nor an underscore, so "int" is not
// coloured in "print", "int2" or "_int_". A '#' directly before a word
// forms the directive keywords ("#define").
void MatchCKeywords(Scan& s, int documentType, ColourCode cCode, ColourCode cppCode) {
  const std::uint8_t* text = s.text();
  const std::uint8_t* size = s.size();
  const std::uint32_t n = s.n();
  const std::uint32_t limit = s.RangeEnd();
  // A word that starts right at the range's end still matters when a '#'
  // inside the range belongs to it.
  for (std::uint32_t i = 0; i < n && i <= limit; ++i) {
    if (size[i] != 1 || !IsIdentByte(text[i])) continue;
    if (i > 0 && size[i - 1] == 1 && IsIdentByte(text[i - 1])) continue;
    if (i == limit && !(i > 0 && text[i - 1] == '#')) break;
    std::uint32_t j = i + 1;
    while (j < n && size[j] == 1 && IsIdentByte(text[j])) ++j;
    // A word cut by the end of the bytes may go on: leave it.
    if (j == n && !s.AtEndOfText()) break;
    const std::string_view word(reinterpret_cast<const char*>(text + i), j - i);
    if (IsCKeyword(word)) {
      s.Colour(i, j, cCode);
    } else if (documentType == 2 && IsCppKeyword(word)) {
      s.Colour(i, j, cppCode);
    }
    const bool hash = i > 0 && text[i - 1] == '#' && size[i - 1] == 1 &&
                      !(i > 1 && size[i - 2] == 1 && IsIdentByte(text[i - 2]));
    if (hash && j - i < kMaxCKeywordBytes) {
      const std::string_view directive(reinterpret_cast<const char*>(text + i - 1), j - i + 1);
      if (IsCKeyword(directive)) s.Colour(i - 1, j, cCode);
    }
    i = j - 1;
  }
}

void MatchMarkedStrings(Scan& s, const TextStore& store, const CellArray& cells,
                        std::span<const MarkedString> marks, ColourCode code) {
  std::string current;
  for (const MarkedString& mark : marks) {
    if (mark.text.empty()) continue;
    const std::uint64_t markEnd = std::uint64_t{mark.offset} + mark.text.size();
    if (markEnd <= cells.begin || mark.offset >= cells.end || markEnd > store.Length()) continue;
    // Shown only while the text still equals the copy.
    current.resize(mark.text.size());
    if (mark.offset >= cells.textBegin && markEnd <= cells.textEnd) {
      current.assign(reinterpret_cast<const char*>(s.text() + (mark.offset - cells.textBegin)), mark.text.size());
    } else {
      store.CopyOut(mark.offset, static_cast<std::uint32_t>(mark.text.size()),
                    reinterpret_cast<std::uint8_t*>(current.data()));
    }
    if (current != mark.text) continue;
    // Whole characters only, even if a mark's edge ended up inside one.
    std::int64_t from = static_cast<std::int64_t>(mark.offset) - cells.textBegin;
    std::int64_t to = static_cast<std::int64_t>(markEnd) - cells.textBegin;
    if (from >= 0 && from < s.n() && !s.Boundary(static_cast<std::uint32_t>(from))) --from;
    if (to >= 0 && to < s.n() && !s.Boundary(static_cast<std::uint32_t>(to))) ++to;
    s.Colour(static_cast<std::uint32_t>(std::max<std::int64_t>(from, 0)),
             static_cast<std::uint32_t>(std::clamp<std::int64_t>(to, 0, s.n())), code);
  }
}

}  // namespace

void RunKeywordPass(const ColourScheme& scheme, std::span<const MarkedString> marks,
                    const TextStore& store, CellArray& cells) {
  if (cells.Size() == 0) return;
  const ColourOptions& o = scheme.Options();
  Scan s(cells, store.Lead(), cells.textEnd >= store.Length());
  const std::uint32_t limit = s.RangeEnd();
  MatchWords(s, scheme.Keywords(), o.keywordWholeWord, TextCode(o.keywordColour), limit);
  if (o.htmlDocument) MatchWords(s, HtmlIndex(o.colorLowerHtmlTag), false, TextCode(o.htmlTagColour), limit);
  if (o.clickableUrlEmail) {
    MatchUrls(s, TextCode(o.urlColour));
    MatchMailAddresses(s, cells, TextCode(o.urlColour));
  }
  if (o.documentType == 1 || o.documentType == 2) {
    MatchCKeywords(s, o.documentType, TextCode(o.cKeywordColour), TextCode(o.cppKeywordColour));
  }
  MatchMarkedStrings(s, store, cells, marks, BackgroundCode(o.markStringBack));
}

}  // namespace quelt
