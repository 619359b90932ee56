// The built-in word tables of colouring: C and C++ keywords, the HTML tag
// fragments and the URL prefixes. Each entry's bytes are coloured whole
// when it matches.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace quelt {

constexpr std::size_t kCKeywordCount = 81;
constexpr std::size_t kCppKeywordCount = 15;
// The HTML table: kHtmlUpperCount upper-case fragments followed by the same
// fragments in lower case. Some fragments end in a space, which is part of
// the fragment.
constexpr std::size_t kHtmlUpperCount = 182;
constexpr std::size_t kHtmlFragmentCount = 2 * kHtmlUpperCount;
constexpr std::size_t kUrlPrefixCount = 7;
// The longest C or C++ keyword ("__multiple_inheritance").
constexpr std::size_t kMaxCKeywordBytes = 22;

// In table order.
std::span<const std::string_view> CKeywords();
std::span<const std::string_view> CppKeywords();
std::span<const std::string_view> HtmlFragments();
// "http:", "ftp:", "gopher:", "mailto:", "news:", "telnet:", "file:", in the
// order they are tried.
std::span<const std::string_view> UrlPrefixes();

// Whether a whole word is one of the tables' keywords (case-sensitive).
bool IsCKeyword(std::string_view word);
bool IsCppKeyword(std::string_view word);

}  // namespace quelt
