// The text store's load: any bytes are loaded as text (lead-byte test on and
// off) and as binary. Checked after each load: the length within the input
// and the load limit; walking the text character by character from the start
// ends exactly at its length, every CR starts a CR LF pair, no trail byte is
// a CR and no character starts with NUL; the last-character offset is the
// start of the last character; stepping back from every character boundary
// lands on the one before (so no offset falls between CR and LF or inside a
// pair); loading the loaded text again changes nothing; switching the
// lead-byte test on keeps every line end whole.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "text/text_store.h"

namespace quelt {
namespace {

// Walks the text as the store counts characters and returns the start of
// every character. danglingLead: a lead byte may be the text's last byte.
std::vector<TextOffset> CharacterStarts(const std::string& text, LeadByteTest lead, bool danglingLead) {
  std::vector<TextOffset> starts;
  const std::uint8_t* s = fuzz::AsBytes(text);
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    starts.push_back(static_cast<TextOffset>(i));
    const std::uint8_t c = s[i];
    FUZZ_CHECK(c != 0);
    if (lead(c)) {
      if (i + 1 >= n) {
        FUZZ_CHECK(danglingLead);
        break;
      }
      FUZZ_CHECK(s[i + 1] != kCr);
      i += 2;
    } else if (c == kCr) {
      FUZZ_CHECK(i + 1 < n && s[i + 1] == kLf);
      i += 2;
    } else {
      ++i;
    }
  }
  return starts;
}

void CheckText(TextStore& store, bool danglingLead) {
  const std::string text = store.Text();
  FUZZ_CHECK(text.size() == store.Length());
  const std::vector<TextOffset> starts = CharacterStarts(text, store.Lead(), danglingLead);
  FUZZ_CHECK(store.LastChar() == (starts.empty() ? kNoLastChar : static_cast<std::int32_t>(starts.back())));
  // Stepping back walks from a byte that must end a character; on long runs
  // of lead bytes that is quadratic, so only the first boundaries are tried.
  const std::size_t tried = std::min<std::size_t>(starts.size(), 2048);
  for (std::size_t k = 1; k < tried; ++k) FUZZ_CHECK(store.CharStartBefore(starts[k]) == starts[k - 1]);
  if (!starts.empty() && starts.size() <= tried) {
    FUZZ_CHECK(store.CharStartBefore(store.Length()) == starts.back());
  }
}

void CheckTextLoad(std::string_view bytes, LeadByteTest lead) {
  TextStore store(lead);
  FUZZ_CHECK(store.Create(DocumentKind::kText));
  const LoadResult r = store.Load(bytes, DocumentKind::kText);
  FUZZ_CHECK(r.capacity == Capacity::kFits || r.capacity == Capacity::kGrown);
  FUZZ_CHECK(r.truncated == (bytes.size() > kMaxLoadSize));
  FUZZ_CHECK(store.Length() <= bytes.size() && store.Length() <= kMaxLoadSize);
  FUZZ_CHECK(r.hint == (store.Length() == 0 ? kHintNone : kHintTextLoaded));
  CheckText(store, false);

  const std::string loaded = store.Text();
  TextStore again(lead);
  FUZZ_CHECK(again.Create(DocumentKind::kText));
  again.Load(loaded, DocumentKind::kText);
  FUZZ_CHECK(again.Text() == loaded);

  if (!lead.enabled()) {
    const std::uint32_t replaced = store.SetLead(LeadByteTest(true));
    FUZZ_CHECK(store.Length() == loaded.size());
    std::uint32_t changed = 0;
    const std::string now = store.Text();
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (now[i] != loaded[i]) {
        FUZZ_CHECK(now[i] == ' ');
        ++changed;
      }
    }
    FUZZ_CHECK(changed == replaced);
    CheckText(store, true);
    FUZZ_CHECK(store.SetLead(LeadByteTest(true)) == 0);
  }
}

void CheckBinaryLoad(std::string_view bytes) {
  TextStore store;
  FUZZ_CHECK(store.Create(DocumentKind::kBinary));
  const LoadResult r = store.Load(bytes, DocumentKind::kBinary);
  FUZZ_CHECK(r.hint == kHintBinaryLoaded);
  FUZZ_CHECK(store.Text() == bytes);
  FUZZ_CHECK(store.LastChar() == static_cast<std::int32_t>(bytes.size()) - 1);
  if (!bytes.empty()) FUZZ_CHECK(store.CharStartBefore(store.Length()) == store.Length() - 1);
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = quelt::fuzz::AsText(data, size);
  quelt::CheckTextLoad(bytes, quelt::LeadByteTest(true));
  quelt::CheckTextLoad(bytes, quelt::LeadByteTest(false));
  quelt::CheckBinaryLoad(bytes);
  return 0;
}
