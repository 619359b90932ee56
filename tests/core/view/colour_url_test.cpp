#include <gtest/gtest.h>

#include "colour_test_support.h"
#include "view/url_finder.h"

namespace quelt {
namespace {

using test::ColourDoc;
using test::TestOptions;

const std::string kWideSpace = "\x81\x40";   // trail byte '@'
const std::string kHyphen = "\x81\x5D";      // "‐", trail byte ']'
const std::string kHyou = "\x95\x5C";
const std::string kA = "\x83\x41";

ColourOptions Clickable() {
  ColourOptions o = TestOptions();
  o.clickableUrlEmail = true;
  return o;
}

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

TEST(ColourUrls, RunToTheFirstEndingByte) {
  ColourDoc doc("see http://a.b/c d (ftp://x) <file:y> \"news:z\"");
  EXPECT_EQ(doc.Colour(Clickable()),
            "....UUUUUUUUUUUU....UUUUUUU...UUUUUU...UUUUUU.");
  EXPECT_EQ(doc.Colour(TestOptions()), Repeat('.', doc.store.Length()));
}

TEST(ColourUrls, PrefixIgnoresCase) {
  ColourDoc doc("HTTP://X Mailto:y");
  EXPECT_EQ(doc.Colour(Clickable()), "UUUUUUUU.UUUUUUUU");
}

TEST(ColourUrls, FullWidthSpaceEndsButOtherDoubleByteCharactersDoNot) {
  ColourDoc wide("http://x" + kWideSpace + "y");
  EXPECT_EQ(wide.Colour(Clickable()), "UUUUUUUU...");
  // The trail bytes of "‐" (']') and "表" ('\') do not end it.
  ColourDoc other("http://a" + kHyphen + kHyou + "b c");
  EXPECT_EQ(other.Colour(Clickable()), "UUUUUUUUUUUUU..");
}

TEST(ColourUrls, AtMost180BytesAndNeverSplittingACharacter) {
  ColourDoc doc("http://" + Repeat('a', 200));
  EXPECT_EQ(doc.Colour(Clickable()), Repeat('U', 180) + Repeat('.', 27));
  // A double-byte character that would pass the limit stays out whole.
  ColourDoc edge("http://" + Repeat('a', 172) + kHyou);
  EXPECT_EQ(edge.Colour(Clickable()), Repeat('U', 179) + "..");
}

TEST(ColourUrls, AWrappedUrlKeepsItsColourBelowTheTopLine) {
  ColourDoc doc("http://" + Repeat('a', 33) + " x", 10);
  ASSERT_EQ(doc.store.LineCount(), 5u);
  // Lines 2-4 only: the URL began two lines above.
  EXPECT_EQ(doc.ColourLines(Clickable(), 2, 4), Repeat('U', 20) + "..");
}

TEST(ColourMail, AddressesAroundAnAt) {
  ColourDoc doc("mail: foo.bar@example.com, @x y@ a@b");
  EXPECT_EQ(doc.Colour(Clickable()), "......UUUUUUUUUUUUUUUUUUU........UUU");
}

TEST(ColourMail, TrailBytesNeverJoinAnAddress) {
  // The full-width space's trail byte is '@'; "ア"'s is 'A'.
  ColourDoc space("x" + kWideSpace + "y");
  EXPECT_EQ(space.Colour(Clickable()), "....");
  ColourDoc kana(kA + "b@c");
  EXPECT_EQ(kana.Colour(Clickable()), "..UUU");
}

TEST(ColourMail, AnAddressCutByTheTopLineKeepsItsColour) {
  ColourDoc doc("foo@exa" "mple.com", 7);
  EXPECT_EQ(doc.ColourLines(Clickable(), 1, 2), "UUUUUUUU");
}

class UrlLookup : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    ASSERT_TRUE(store.Create());
    store.Load(text, DocumentKind::kText);
  }
  TextStore store;
  TextSpan span;
};

TEST_F(UrlLookup, FindsTheWholeUrlUpToTheSpace) {
  Load("go http://a.example/x y");
  for (TextOffset p = 3; p < 21; ++p) {
    ASSERT_TRUE(FindUrlAt(store, p, span)) << p;
    EXPECT_EQ(span.offset, 3u);
    EXPECT_EQ(span.length, 18u);
  }
  EXPECT_FALSE(FindUrlAt(store, 2, span));
  EXPECT_FALSE(FindUrlAt(store, 21, span));
  EXPECT_FALSE(FindUrlAt(store, 99, span));
}

TEST_F(UrlLookup, ReachesBack180Bytes) {
  Load("x http://" + Repeat('a', 300));
  ASSERT_TRUE(FindUrlAt(store, 2 + 179, span));
  EXPECT_EQ(span.offset, 2u);
  EXPECT_EQ(span.length, 180u);
  // Past the URL's 180 bytes nothing covers the position.
  EXPECT_FALSE(FindUrlAt(store, 2 + 180, span));
  EXPECT_FALSE(FindUrlAt(store, 2 + 200, span));
}

TEST_F(UrlLookup, PrefixesAreTriedInOrder) {
  // "file:" inside an http URL: the http one wins.
  Load("http://h/file:x");
  ASSERT_TRUE(FindUrlAt(store, 12, span));
  EXPECT_EQ(span.offset, 0u);
}

TEST_F(UrlLookup, MailAddressAtAPosition) {
  Load(kA + "me@host.jp!");
  for (TextOffset p = 2; p < 12; ++p) {
    ASSERT_TRUE(FindMailAddressAt(store, p, span)) << p;
    EXPECT_EQ(span.offset, 2u);
    EXPECT_EQ(span.length, 10u);
  }
  EXPECT_FALSE(FindMailAddressAt(store, 1, span));
  EXPECT_FALSE(FindMailAddressAt(store, 12, span));
  Load("a@ b");
  EXPECT_FALSE(FindMailAddressAt(store, 0, span));
}

}  // namespace
}  // namespace quelt
