#include "html/visual_html_refs.h"

#include <gtest/gtest.h>

#include <string>

namespace quelt {
namespace {

// "表" and "ポ" in Shift-JIS: second bytes 0x5C and 0x7C.
const std::string kHyo = "\x95\x5C";
const std::string kPo = "\x83\x7C";

TEST(HtmlReferencesTest, NamedAndAsciiNumericReferencesAreRead) {
  EXPECT_EQ(DecodeHtmlReferences("&quot;&amp;&lt;&gt;&apos;"), "\"&<>'");
  EXPECT_EQ(DecodeHtmlReferences("&QUOT;&Amp;"), "\"&");
  EXPECT_EQ(DecodeHtmlReferences("a&#62;b&#x3C;c&#X22;&#0065;&#13;&#10;"), "a>b<c\"A\r\n");
  EXPECT_EQ(HtmlReferenceAt("x&gt;y", 1).length, 4u);
  EXPECT_EQ(HtmlReferenceAt("x&gt;y", 0).length, 0u);
  // Left as written: unknown names, no semicolon, no digits, outside ASCII.
  for (const char* kept : {"&copy;", "&nbsp;", "&amp", "&lt ;", "&#;", "&#x;", "&#0;", "&#128;", "&#12354;",
                           "&#x80;", "&#99999999999999999999;", "&", "&&", "a&b=c"})
    EXPECT_EQ(DecodeHtmlReferences(kept), kept) << kept;
  // An "&" that is the second byte of a character starts no reference.
  EXPECT_EQ(DecodeHtmlReferences("\x81&amp;"), "\x81&amp;");
  EXPECT_EQ(DecodeHtmlReferences(kHyo + "&amp;" + kPo), kHyo + "&" + kPo);
}

TEST(HtmlReferencesTest, ValuesAreWrittenSoThatReadingGivesThemBack) {
  EXPECT_EQ(EncodeHtmlValue("a\"b<c>d"), "a&quot;b&lt;c&gt;d");
  EXPECT_EQ(EncodeHtmlValue("x\r\ny\tz\x01"), "x&#13;&#10;y\tz&#1;");
  // "&" only where it would read as a reference.
  EXPECT_EQ(EncodeHtmlValue("a&b &copy; &amp; &#65; &#128;"), "a&b &copy; &amp;amp; &amp;#65; &#128;");
  EXPECT_EQ(EncodeHtmlValue(kHyo + "\\" + kPo + "|"), kHyo + "\\" + kPo + "|");
  // A lead byte without its second byte would take the closing quote.
  EXPECT_EQ(EncodeHtmlValue("ab\x88"), "ab ");
  for (const std::string value :
       {std::string("</TITLE>"), std::string("a&amp;b&lt;"), std::string("&&#&#x;&quot"), std::string(" a b "),
        std::string("\r\n\n\r"), std::string("&#6&#5;"), kHyo + "&" + kPo + "\"" + kHyo + ">",
        std::string("q&quot\";&lt&lt;")}) {
    const std::string written = EncodeHtmlValue(value);
    EXPECT_EQ(DecodeHtmlReferences(written), value) << written;
    EXPECT_EQ(written.find_first_of("\"<>\r\n"), std::string::npos) << written;
  }
}

}  // namespace
}  // namespace quelt
