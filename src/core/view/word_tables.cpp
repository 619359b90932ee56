// The built-in word tables.
#include "view/word_tables.h"

#include <array>
#include <unordered_set>

namespace quelt {
namespace {

constexpr std::array<std::string_view, kCKeywordCount> kCKeywords = {
    "__asm", "__fastcall", "__self", "auto", "float", "__segment", "__based", "for", "__segname",
    "break", "__fortran", "short", "case", "goto", "signed", "__cdecl", "__huge", "sizeof",
    "char", "if", "static", "const", "__inline", "struct", "continue", "int", "switch",
    "default", "__interrupt", "typedef", "do", "__loadds", "union", "double", "long", "unsigned",
    "else", "__near", "void", "enum", "__pascal", "volatile", "__export", "register", "while",
    "extern", "return", "__far", "__saveregs", "#define", "#error", "#include", "#elif", "#if",
    "#line", "#else", "#ifdef", "#pragma", "#endif", "#ifndef", "#undef", "_based", "_segname",
    "fortran", "_fortran", "_cdecl", "cdecl", "huge", "_huge", "_inline", "interrupt",
    "_interrupt", "_loadds", "near", "_near", "pascal", "_pascal", "_export", "far", "_far",
    "_saveregs",
};

constexpr std::array<std::string_view, kCppKeywordCount> kCppKeywords = {
    "class", "operator", "try", "delete", "private", "virtual", "friend", "protected",
    "__multiple_inheritance", "inline", "public", "__single_inheritance", "new", "this",
    "__virtual_inheritance",
};

constexpr std::array<std::string_view, kHtmlFragmentCount> kHtmlFragments = {
    // Upper case.
    "<HTML>", "</HTML>", "<HEAD>", "</HEAD>", "<TITLE>", "</TITLE>", "<BODY>", "<BODY ",
    "</BODY>", "BACKGROUND=", "<B>", "<I>", "<A ", "<P>", "</I>", "</B>", "</P>", "SRC=", "ALT=",
    "<TH>", "<TH ", "<TD>", "<TD ", "<TR>", "<TR ", "<UL>", "<UL ", "<OL>", "<OL ", "<DL>",
    "<DL ", "<LI>", "<DT>", "<DD>", "<BR>", "<HR>", "<HR ", "</A>", "<PRE>", "TEXT=", "LINK=",
    "<SUP>", "<SUB>", "<FONT>", "<FONT ", "</FONT>", "SIZE=", "HREF=", "NAME=", "<IMG ", "</TH>",
    "</TD>", "</TR>", "</UL>", "</OL>", "</DL>", "TYPE=", "<INPUT", "VALUE=", "<FORM>", "<FORM ",
    "</PRE>", "<NOBR>", "WIDTH=", "VLINK=", "ALINK=", "</SUP>", "</SUB>", "COLOR=", "ALIGN=",
    "NOWRAP", "CHECKED", "</FORM>", "METHOD=", "ACTION=", "<INPUT>", "<BLINK>", "BORDER=",
    "BORDER", "HSPACE=", "VSPACE=", "HEIGHT=", "<TABLE>", "<TABLE ", "VALIGN=", "</NOBR>",
    "<CENTER>", "</BLINK>", "ROWSPAN=", "COLSPAN=", "</TABLE>", "</CENTER>", "<CAPTION>",
    "<BR CLEAR ", "MAXLENGTH=", "</CAPTION>", "<BR CLEAR>", "CELLPADDING=", "CELLSPACING=", "<!",
    "<U>", "<S>", "</S>", "</U>", "<H1>", "<H2>", "<H3>", "<H4>", "<H5>", "<H6>", "</H1>",
    "</H2>", "</H3>", "</H4>", "</H5>", "</H6>", "<EM>", "COLS=", "ROWS=", "</EM>", "<BASE>",
    "<META>", "COMPACT", "LOWSRC=", "<FRAME>", "<SELECT>", "<SELECT ", "SELECTED", "<OPTION>",
    "<STRONG>", "NOSHARED", "CONTENT=", "NORESIZE", "BGCOLOR=", "MULTIPLEY", "<ADDRESS>",
    "</SELECT>", "</STRONG>", "<NOFRAME>", "SCROLLING", "</NOFRAME>", "<TEXTAREA>", "<TEXTAREA ",
    "</ADDRESS>", "<BASEFONT ", "<FRAMESET>", "</TEXTAREA>", "HTTP-EQUIV=", "</FRAMESET>",
    "BACKGROUND=", "MARGINWIDTH=", "MARGINHEIGHT=", "<BLOCKQUOTE>", "</BLOCKQUOTE>", "<CAPTION ",
    "<FRAMESET ", "<FRAME ", "TARGET=", "ISMAP", "<MAP>", "<MAP ", "</MAP>", "<AREA ", "SHAPE=",
    "COORDS=", "NOHREF", "USEMAP=", "<DIV>", "<DIV ", "</DIV>", "WRAP=", "<APPLET>", "<APPLET ",
    "</APPLET>", "PARAM ", "CODE=", "CODEBASE=", "<SCRIPT>", "<SCRIPT ", "</SCRIPT>",
    "LANGUAGE=", "<BASE ",
    // Lower case.
    "<html>", "</html>", "<head>", "</head>", "<title>", "</title>", "<body>", "<body ",
    "</body>", "background=", "<b>", "<i>", "<a ", "<p>", "</i>", "</b>", "</p>", "src=", "alt=",
    "<th>", "<th ", "<td>", "<td ", "<tr>", "<tr ", "<ul>", "<ul ", "<ol>", "<ol ", "<dl>",
    "<dl ", "<li>", "<dt>", "<dd>", "<br>", "<hr>", "<hr ", "</a>", "<pre>", "text=", "link=",
    "<sup>", "<sub>", "<font>", "<font ", "</font>", "size=", "href=", "name=", "<img ", "</th>",
    "</td>", "</tr>", "</ul>", "</ol>", "</dl>", "type=", "<input", "value=", "<form>", "<form ",
    "</pre>", "<nobr>", "width=", "vlink=", "alink=", "</sup>", "</sub>", "color=", "align=",
    "nowrap", "checked", "</form>", "method=", "action=", "<input>", "<blink>", "border=",
    "border", "hspace=", "vspace=", "height=", "<table>", "<table ", "valign=", "</nobr>",
    "<center>", "</blink>", "rowspan=", "colspan=", "</table>", "</center>", "<caption>",
    "<br clear ", "maxlength=", "</caption>", "<br clear>", "cellpadding=", "cellspacing=", "<!",
    "<u>", "<s>", "</s>", "</u>", "<h1>", "<h2>", "<h3>", "<h4>", "<h5>", "<h6>", "</h1>",
    "</h2>", "</h3>", "</h4>", "</h5>", "</h6>", "<em>", "cols=", "rows=", "</em>", "<base>",
    "<meta>", "compact", "lowsrc=", "<frame>", "<select>", "<select ", "selected", "<option>",
    "<strong>", "noshared", "content=", "noresize", "bgcolor=", "multipley", "<address>",
    "</select>", "</strong>", "<noframe>", "scrolling", "</noframe>", "<textarea>", "<textarea ",
    "</address>", "<basefont ", "<frameset>", "</textarea>", "http-equiv=", "</frameset>",
    "background=", "marginwidth=", "marginheight=", "<blockquote>", "</blockquote>", "<caption ",
    "<frameset ", "<frame ", "target=", "ismap", "<map>", "<map ", "</map>", "<area ", "shape=",
    "coords=", "nohref", "usemap=", "<div>", "<div ", "</div>", "wrap=", "<applet>", "<applet ",
    "</applet>", "param ", "code=", "codebase=", "<script>", "<script ", "</script>",
    "language=", "<base ",
};

constexpr std::array<std::string_view, kUrlPrefixCount> kUrlPrefixes = {
    "http:", "ftp:", "gopher:", "mailto:", "news:", "telnet:", "file:",
};

template <std::size_t N>
const std::unordered_set<std::string_view>& SetOf(const std::array<std::string_view, N>& words) {
  static const std::unordered_set<std::string_view> set(words.begin(), words.end());
  return set;
}

}  // namespace

std::span<const std::string_view> CKeywords() { return kCKeywords; }
std::span<const std::string_view> CppKeywords() { return kCppKeywords; }
std::span<const std::string_view> HtmlFragments() { return kHtmlFragments; }
std::span<const std::string_view> UrlPrefixes() { return kUrlPrefixes; }

bool IsCKeyword(std::string_view word) {
  return word.size() >= 2 && word.size() <= kMaxCKeywordBytes && SetOf(kCKeywords).count(word) != 0;
}

bool IsCppKeyword(std::string_view word) {
  return word.size() >= 2 && word.size() <= kMaxCKeywordBytes && SetOf(kCppKeywords).count(word) != 0;
}

}  // namespace quelt
