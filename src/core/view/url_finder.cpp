// URL and e-mail address extents and lookups.
#include "view/url_finder.h"

#include <algorithm>
#include <vector>

#include "text/text_store.h"
#include "view/colour_scan.h"
#include "view/word_tables.h"

namespace quelt {
namespace {

constexpr bool EndsUrl(std::uint8_t c) {
  return c <= 0x20 || c == '"' || c == ')' || c == '<' || c == '>' || c == ']' || c == '}';
}

// A copy of the text from `first` to `end` with its character starts.
struct Window {
  TextOffset first = 0;
  std::vector<std::uint8_t> bytes;     // plus a zero byte
  std::vector<std::uint8_t> charSize;  // as in CellArray
};

Window Read(const TextStore& store, TextOffset first, TextOffset end) {
  Window w;
  StoreReader reader(store);
  const LeadByteTest lead = store.Lead();
  TextOffset start = reader.CharStartOf(first, lead);
  if (start < first) start += 2;  // begin at the next character
  w.first = start;
  const std::uint32_t n = end > start ? end - start : 0;
  w.bytes.resize(n + 1);
  store.CopyOut(start, n, w.bytes.data());
  w.bytes[n] = 0;
  w.charSize.assign(n + 1, 0);
  for (std::uint32_t i = 0; i < n;) {
    const std::uint32_t size = (lead(w.bytes[i]) && i + 1 < n) ? 2 : 1;
    w.charSize[i] = static_cast<std::uint8_t>(size);
    i += size;
  }
  return w;
}

}  // namespace

std::size_t UrlPrefixAt(const std::uint8_t* text, std::size_t n, std::size_t start) {
  for (const std::string_view prefix : UrlPrefixes()) {
    if (start + prefix.size() > n) continue;
    bool same = true;
    for (std::size_t j = 0; j < prefix.size() && same; ++j) {
      same = FoldAscii(text[start + j]) == static_cast<std::uint8_t>(prefix[j]);
    }
    if (same) return prefix.size();
  }
  return 0;
}

std::uint32_t UrlExtent(const std::uint8_t* text, std::size_t n, std::size_t start, LeadByteTest lead) {
  std::size_t i = start;
  while (i < n && i - start < kMaxUrlBytes) {
    const std::uint8_t c = text[i];
    if (lead(c) && i + 1 < n) {
      if (c == 0x81 && text[i + 1] == 0x40) break;  // full-width space
      if (i + 2 - start > kMaxUrlBytes) break;
      i += 2;
      continue;
    }
    if (EndsUrl(c)) break;
    ++i;
  }
  return static_cast<std::uint32_t>(i - start);
}

bool MailAddressAround(const std::uint8_t* text, const std::uint8_t* charSize, std::size_t n,
                       std::size_t at, std::size_t& first, std::size_t& end, bool beforeOpen,
                       bool afterOpen) {
  if (at >= n || text[at] != '@' || charSize[at] != 1) return false;
  std::size_t a = at;
  while (a > 0 && charSize[a - 1] == 1 && IsMailAddressByte(text[a - 1])) --a;
  std::size_t b = at + 1;
  while (b < n && charSize[b] == 1 && IsMailAddressByte(text[b])) ++b;
  const bool localPart = a < at || (a == 0 && beforeOpen);
  const bool domainPart = b > at + 1 || (b == n && afterOpen);
  if (!localPart || !domainPart) return false;
  first = a;
  end = b;
  return true;
}

bool FindUrlAt(const TextStore& store, TextOffset p, TextSpan& url) {
  const std::uint32_t length = store.Length();
  if (p >= length) return false;
  const TextOffset first = p > kMaxUrlBytes ? p - kMaxUrlBytes : 0;
  const TextOffset end = static_cast<TextOffset>(std::min<std::uint64_t>(std::uint64_t{p} + kMaxUrlBytes + 1, length));
  const Window w = Read(store, first, end);
  const std::size_t n = w.bytes.size() - 1;
  if (p < w.first) return false;
  const std::size_t at = p - w.first;
  for (const std::string_view prefix : UrlPrefixes()) {
    for (std::size_t i = 0; i <= at && i + prefix.size() <= n; ++i) {
      if (w.charSize[i] == 0) continue;
      bool same = true;
      for (std::size_t j = 0; j < prefix.size() && same; ++j) {
        same = FoldAscii(w.bytes[i + j]) == static_cast<std::uint8_t>(prefix[j]);
      }
      if (!same) continue;
      const std::uint32_t size = UrlExtent(w.bytes.data(), n, i, store.Lead());
      if (at < i + size) {
        url.offset = w.first + static_cast<TextOffset>(i);
        url.length = size;
        return true;
      }
    }
  }
  return false;
}

bool FindMailAddressAt(const TextStore& store, TextOffset p, TextSpan& address) {
  const std::uint32_t length = store.Length();
  if (p >= length) return false;
  const TextOffset first = p > kMaxMailScanBytes ? p - kMaxMailScanBytes : 0;
  const TextOffset end = static_cast<TextOffset>(std::min<std::uint64_t>(std::uint64_t{p} + kMaxMailScanBytes + 1, length));
  const Window w = Read(store, first, end);
  const std::size_t n = w.bytes.size() - 1;
  if (p < w.first) return false;
  const std::size_t at = p - w.first;
  if (w.charSize[at] != 1 || !IsMailAddressByte(w.bytes[at])) return false;
  // The run of permitted bytes holding p; an address needs an '@' in it with
  // a byte either side.
  std::size_t a = at;
  while (a > 0 && w.charSize[a - 1] == 1 && IsMailAddressByte(w.bytes[a - 1])) --a;
  std::size_t b = at + 1;
  while (b < n && w.charSize[b] == 1 && IsMailAddressByte(w.bytes[b])) ++b;
  for (std::size_t k = a + 1; k + 1 < b; ++k) {
    if (w.bytes[k] == '@') {
      address.offset = w.first + static_cast<TextOffset>(a);
      address.length = static_cast<std::uint32_t>(b - a);
      return true;
    }
  }
  return false;
}

}  // namespace quelt
