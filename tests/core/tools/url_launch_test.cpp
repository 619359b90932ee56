#include <gtest/gtest.h>

#include "text/text_store.h"
#include "tools/url_launch.h"
#include "view/url_finder.h"

namespace quelt {
namespace {

TEST(UrlLaunch, TheBrowsersRoute) {
  EXPECT_EQ(ChooseBrowserRoute("", "Netscape.exe", false), BrowserRoute::kNone);
  // iexplore.exe with PassSpecialProcess off goes to the shell, not DDE.
  EXPECT_EQ(ChooseBrowserRoute("C:\\Program Files\\IE\\iexplore.exe", "Netscape.exe", false), BrowserRoute::kShell);
  EXPECT_EQ(ChooseBrowserRoute("C:\\NS\\NETSCAPE.EXE", "Netscape.exe", false), BrowserRoute::kDde);
  EXPECT_EQ(ChooseBrowserRoute("C:\\NS\\netscape.exe", "Netscape.exe", true), BrowserRoute::kShell);
  // Only the file name counts, not a folder of that name.
  EXPECT_EQ(ChooseBrowserRoute("C:\\Netscape.exe\\b.exe", "Netscape.exe", false), BrowserRoute::kShell);
  EXPECT_EQ(BrowserDdeItem("http://a.jp/"), "http://a.jp/,,0xFFFFFFFF,0x3");
}

TEST(UrlLaunch, MailerArgumentsReplaceTheFirstLowerTOrElseTheFirstUpperT) {
  EXPECT_EQ(MailerArguments("/m $t", "a@b.jp"), "/m a@b.jp");
  EXPECT_EQ(MailerArguments("$T /x $t", "a@b.jp"), "$T /x a@b.jp");
  EXPECT_EQ(MailerArguments("-to $T $T", "a@b.jp"), "-to a@b.jp $T");
  EXPECT_EQ(MailerArguments("-compose", "a@b.jp"), "-compose");
  EXPECT_EQ(MailtoUrl("a@b.jp"), "mailto:a@b.jp");
}

TEST(UrlLaunch, TheUrlAtTheCaret) {
  TextStore store;
  store.Create();
  const std::string text = "see http://example.com/x here";
  store.Load(text, DocumentKind::kText);
  TextSpan url;
  ASSERT_TRUE(FindUrlAt(store, 10, url));
  EXPECT_EQ(url.offset, 4u);
  EXPECT_EQ(url.length, std::string("http://example.com/x").size());  // up to the blank
  EXPECT_FALSE(FindUrlAt(store, 2, url));
  // 200 bytes into a long URL: found while its start lies within 180 bytes
  // of the caret, not beyond.
  const std::string longUrl = "http://e.jp/" + std::string(300, 'a');
  store.Load("x " + longUrl, DocumentKind::kText);
  EXPECT_TRUE(FindUrlAt(store, 2 + 170, url));
  EXPECT_EQ(url.offset, 2u);
  EXPECT_FALSE(FindUrlAt(store, 2 + 200, url));
}

}  // namespace
}  // namespace quelt
