#include "search/escape_sequence.h"

#include <vector>

namespace quelt {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Whether the bytes written by \xHH (marked in `made`) fit the text: a lead
// byte keeps a second byte that is no CR or LF, a CR is followed by a LF and
// a LF follows a CR.
bool MadeBytesFit(const std::string& out, const std::vector<bool>& made, LeadByteTest lead) {
  const std::size_t n = out.size();
  auto at = [&out](std::size_t i) { return static_cast<std::uint8_t>(out[i]); };
  for (std::size_t i = 0; i < n;) {
    if (lead(at(i))) {
      if (i + 1 == n) return !made[i];
      if ((made[i] || made[i + 1]) && (at(i + 1) == kCr || at(i + 1) == kLf)) return false;
      i += 2;
      continue;
    }
    if (made[i] && at(i) == kCr && (i + 1 == n || at(i + 1) != kLf)) return false;
    if (made[i] && at(i) == kLf && (i == 0 || at(i - 1) != kCr)) return false;
    if (at(i) == kCr && i + 1 < n && made[i + 1] && at(i + 1) != kLf) return false;
    ++i;
  }
  return true;
}

}  // namespace

bool DecodeEscapes(std::string_view in, bool full, LeadByteTest lead, std::string& out) {
  out.clear();
  std::vector<bool> made;
  bool anyMade = false;
  auto put = [&](char c, bool byHex) {
    out += c;
    made.push_back(byHex);
    anyMade = anyMade || byHex;
  };
  for (std::size_t i = 0; i < in.size();) {
    const char c = in[i];
    if (lead(static_cast<std::uint8_t>(c)) && i + 1 < in.size()) {
      put(c, false);
      put(in[i + 1], false);
      i += 2;
      continue;
    }
    if (c != '\\' || i + 1 == in.size()) {
      put(c, false);
      ++i;
      continue;
    }
    const char next = in[i + 1];
    if (next == 't') {
      put('\t', false);
    } else if (next == 'n') {
      put('\r', false);
      put('\n', false);
    } else if (next == '\\') {
      put('\\', false);
    } else if (full && next == 'x' && i + 3 < in.size() && HexValue(in[i + 2]) >= 0 && HexValue(in[i + 3]) >= 0) {
      put(static_cast<char>(HexValue(in[i + 2]) * 16 + HexValue(in[i + 3])), true);
      i += 4;
      continue;
    } else {
      // An unknown pair keeps both characters; the second may be double-byte.
      put(c, false);
      i += 1;
      continue;
    }
    i += 2;
  }
  return !anyMade || MadeBytesFit(out, made, lead);
}

}  // namespace quelt
