// Search texts and the dialog's records come from the user and from
// operation files. Any pattern with any options is prepared and run over any
// text in both directions: a hit must lie inside the range, start and end on
// character boundaries and never be empty. The same bytes are read as a
// dialog record and a find-box record, which must encode back to themselves.
#include <string>
#include <vector>

#include "find/find_record.h"
#include "fuzz_check.h"
#include "search/escape_sequence.h"
#include "search/search_engine.h"
#include "view/bracket_match.h"

namespace quelt {
namespace {

bool Boundary(const std::vector<std::uint8_t>& t, TextOffset p, LeadByteTest lead) {
  return p >= t.size() || IsCharStart(t.data(), 0, p, lead);
}

// The character start at or before p.
TextOffset Snap(const std::vector<std::uint8_t>& t, TextOffset p, LeadByteTest lead) {
  if (p > t.size()) p = static_cast<TextOffset>(t.size());
  return Boundary(t, p, lead) ? p : p - 1;
}

void CheckRecords(std::string_view bytes) {
  if (const auto r = DecodeFindRecord(bytes)) {
    FUZZ_CHECK(r->text.size() <= 80 && r->replacement.size() <= 80);
    const auto again = DecodeFindRecord(EncodeFindRecord(*r));
    FUZZ_CHECK(again && *again == *r);
  }
  if (const auto text = DecodeFindBoxText(bytes)) {
    FUZZ_CHECK(!text->empty() && text->size() <= 80);
    FUZZ_CHECK(DecodeFindBoxText(EncodeFindBoxText(*text)) == text);
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  CheckRecords(fuzz::AsText(data, size));
  if (size < 6) return 0;
  const std::uint8_t flags = data[0];
  const std::size_t patternLength = std::min<std::size_t>(data[1] % 100, size - 6);
  SearchOptions o;
  o.matchCase = flags & 1;
  o.wholeWord = flags & 2;
  o.regex = flags & 4;
  o.distinguishWidth = !(flags & 8);
  o.multiText = flags & 16;
  o.escapes = flags & 32;
  o.lead = LeadByteTest(!(flags & 64));
  const bool down = flags & 128;
  std::string pattern(reinterpret_cast<const char*>(data) + 6, patternLength);
  if ((flags & 32) && !o.regex) {
    std::string decoded;
    if (!DecodeEscapes(pattern, data[2] & 1, o.lead, decoded)) return 0;
    pattern = decoded;
  }
  // The text in a block of its own size, so a read past it is caught.
  const std::vector<std::uint8_t> text(data + 6 + patternLength, data + size);
  const auto length = static_cast<std::uint32_t>(text.size());
  Searcher searcher;
  if (!searcher.Prepare(pattern, o)) return 0;
  TextOffset from = Snap(text, length ? data[3] % (length + 1) : 0, o.lead);
  TextOffset to = Snap(text, length ? length - data[4] % (length + 1) : 0, o.lead);
  if (from > to) std::swap(from, to);
  int polls = 0;
  const CancelPoll poll = [&] { return ++polls > (data[5] & 7); };
  for (bool dir : {down, !down}) {
    const SearchHit hit = searcher.Find(text.data(), length, from, to, dir, (data[5] & 8) ? &poll : nullptr);
    if (!hit.found) continue;
    FUZZ_CHECK(hit.length > 0);
    FUZZ_CHECK(hit.start >= from && hit.start + hit.length <= to);
    FUZZ_CHECK(Boundary(text, hit.start, o.lead));
    FUZZ_CHECK(Boundary(text, hit.start + hit.length, o.lead));
  }
  // Starts before a point, matches running past it (an upward search): when
  // the last match of the whole range starts before the point, it is that one.
  const TextOffset point = Snap(text, from + (to - from) / 2, o.lead);
  if (point > from) {
    const SearchHit up = searcher.FindStarting(text.data(), length, from, point, to, false);
    if (up.found) {
      FUZZ_CHECK(up.start >= from && up.start < point && up.start + up.length <= to);
      FUZZ_CHECK(Boundary(text, up.start, o.lead));
    }
    const SearchHit whole = searcher.Find(text.data(), length, from, to, false);
    if (whole.found && whole.start < point) FUZZ_CHECK(up.found && up.start == whole.start);
  }
  return 0;
}
