#include "global_search/search_file_lists.h"

#include <gtest/gtest.h>

#include "base/le_words.h"
#include "base/memory_file_system.h"
#include "fake_host.h"
#include "global_search/global_search_record.h"
#include "global_search/search_file_list_editor.h"
#include "global_search/search_history.h"

namespace quelt {
namespace {

std::string Lists(std::uint32_t count, std::initializer_list<std::pair<std::uint32_t, std::string>> lists) {
  std::string out;
  AppendLe32(out, count);
  for (const auto& [n, strings] : lists) {
    AppendLe32(out, n);
    out += strings;
  }
  return out;
}

TEST(SearchFileLists, Validation) {
  EXPECT_EQ(DecodeSearchFileLists(std::string("\0\0\0", 3)), std::nullopt);  // under 4 bytes
  EXPECT_EQ(DecodeSearchFileLists(Lists(0, {}))->size(), 0u);
  EXPECT_EQ(DecodeSearchFileLists(Lists(31, {})), std::nullopt);
  const auto two = DecodeSearchFileLists(Lists(2, {{1, std::string("a\0C:\\*.c\0", 9)}, {0, std::string("b\0", 2)}}));
  ASSERT_TRUE(two);
  EXPECT_EQ(*two, (SearchFileLists{{"a", {"C:\\*.c"}}, {"b", {}}}));
  EXPECT_EQ(DecodeSearchFileLists(Lists(1, {{501, std::string("a\0", 2)}})), std::nullopt);
  EXPECT_EQ(DecodeSearchFileLists(Lists(1, {{2, std::string("a\0m\0", 4)}})), std::nullopt);  // a mask short
  EXPECT_EQ(DecodeSearchFileLists(Lists(1, {{1, std::string("a\0m", 3)}})), std::nullopt);    // no zero
  EXPECT_EQ(DecodeSearchFileLists(Lists(2, {{0, std::string("a\0", 2)}})), std::nullopt);     // a list short
  EXPECT_EQ(DecodeSearchFileLists(Lists(1, {{0, std::string("a\0", 2)}}) + "xx")->size(), 1u);
  EXPECT_EQ(DecodeSearchFileLists(std::string(600001, '\0')), std::nullopt);
}

TEST(SearchFileLists, WritingChecksTheSizeFirst) {
  SearchFileLists lists{{"big", {}}};
  for (int i = 0; i < 500; ++i) lists[0].masks.push_back(std::string(1200, 'm'));
  MemoryFileSystem fs;
  test::FakeHost host;
  EXPECT_FALSE(SaveSearchFileLists(fs, "C:\\q.LST", lists, host));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileWriteError});
  EXPECT_FALSE(fs.Exists("C:\\q.LST"));
  lists[0].masks.resize(10);
  ASSERT_TRUE(SaveSearchFileLists(fs, "C:\\q.LST", lists, host));
  SearchFileLists back;
  EXPECT_EQ(LoadSearchFileLists(fs, "C:\\q.LST", host, back), ListsReadStatus::kOk);
  EXPECT_EQ(back, lists);
  fs.FailWritesAfter(0);
  EXPECT_FALSE(SaveSearchFileLists(fs, "C:\\q.LST", lists, host));
  EXPECT_EQ(host.messages.size(), 2u);
  SearchFileLists tooMany(31);
  EXPECT_EQ(EncodeSearchFileLists(tooMany), std::nullopt);
}

TEST(SearchFileLists, ReadingMessages) {
  MemoryFileSystem fs;
  test::FakeHost host;
  SearchFileLists lists{{"x", {}}};
  EXPECT_EQ(LoadSearchFileLists(fs, "C:\\q.LST", host, lists), ListsReadStatus::kMissing);
  EXPECT_TRUE(lists.empty());
  EXPECT_TRUE(host.messages.empty());
  fs.WriteFile("C:\\q.LST", Lists(40, {}));
  EXPECT_EQ(LoadSearchFileLists(fs, "C:\\q.LST", host, lists), ListsReadStatus::kBadContent);
  fs.FailReads("C:\\q.LST");
  EXPECT_EQ(LoadSearchFileLists(fs, "C:\\q.LST", host, lists), ListsReadStatus::kReadError);
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgDataFileInvalid, kMsgDataFileReadError}));
  EXPECT_EQ(SearchFileListsPath("C:\\Prog\\QUELT.EXE"), "C:\\Prog\\QUELT.LST");
}

TEST(SearchFileListEditor, StoringTheField) {
  bool leftOver = false;
  EXPECT_EQ(MasksOfField("b.c\r\n\r\nA.c\r\nb.c\r\na.c", true, leftOver), (std::vector<std::string>{"A.c", "a.c", "b.c"}));
  EXPECT_FALSE(leftOver);
  EXPECT_EQ(MasksOfField("b\r\na\r\nb", false, leftOver), (std::vector<std::string>{"b", "a", "b"}));
  std::string many;
  for (int i = 0; i < 501; ++i) many += "m" + std::to_string(i) + "\r\n";
  EXPECT_EQ(MasksOfField(many, false, leftOver).size(), 500u);
  EXPECT_TRUE(leftOver);
  EXPECT_EQ(MasksOfField(std::string(261, 'x') + "\r\nok", false, leftOver), std::vector<std::string>{"ok"});
  EXPECT_TRUE(leftOver);
}

TEST(SearchFileListEditor, SelectionAddingAndDeleting) {
  SearchFileListEditor e({{"one", {"C:\\1"}}, {"two", {"C:\\2a", "C:\\2b"}}, {"three", {"C:\\3"}}}, "two",
                         "C:\\My Docs\\a.txt");
  ASSERT_EQ(e.Selected(), 1u);
  EXPECT_EQ(e.FieldText(), "C:\\2a\r\nC:\\2b");
  // An emptied list cannot be left.
  e.FieldChanged("\r\n");
  EXPECT_EQ(e.Select(0), ListEdit::kListEmpty);
  EXPECT_EQ(e.Selected(), 1u);
  std::string name;
  EXPECT_EQ(e.Confirm(name), ListEdit::kListEmpty);
  e.FieldChanged("C:\\z\r\nC:\\y");
  EXPECT_EQ(e.Select(0), ListEdit::kOk);
  EXPECT_EQ(e.Lists()[1].masks, (std::vector<std::string>{"C:\\y", "C:\\z"}));
  EXPECT_EQ(e.AddFile(), ListEdit::kOk);
  EXPECT_EQ(e.Lists()[0].masks.back(), "\"C:\\My Docs\\a.txt\"");
  // Deleting selects the list below, else the new last one.
  EXPECT_EQ(e.Select(1), ListEdit::kOk);
  EXPECT_EQ(e.DeleteSelected(), ListEdit::kOk);
  EXPECT_EQ(e.Selected(), 1u);
  EXPECT_EQ(e.Lists()[1].name, "three");
  EXPECT_EQ(e.DeleteSelected(), ListEdit::kOk);
  EXPECT_EQ(e.Selected(), 0u);
  EXPECT_EQ(e.AddList("one"), ListEdit::kRefused);
  EXPECT_EQ(e.AddList("new"), ListEdit::kOk);
  EXPECT_EQ(e.Selected(), 1u);
  EXPECT_EQ(e.Confirm(name), ListEdit::kListEmpty);  // the new list has no masks yet
  e.FieldChanged("*.c");
  EXPECT_EQ(e.Confirm(name), ListEdit::kOk);
  EXPECT_EQ(name, "new");
  EXPECT_EQ(e.DeleteSelected(), ListEdit::kOk);
  EXPECT_EQ(e.DeleteSelected(), ListEdit::kOk);
  EXPECT_EQ(e.DeleteSelected(), ListEdit::kRefused);
}

TEST(SearchFileListEditor, LimitsOf30ListsAnd500Masks) {
  SearchFileLists lists;
  for (int i = 0; i < 30; ++i) lists.push_back({"L" + std::to_string(i), {"m"}});
  lists[0].masks.assign(500, "m");
  SearchFileListEditor e(lists, "none", "C:\\a.txt");
  EXPECT_EQ(e.Selected(), 0u);
  EXPECT_EQ(e.AddList("more"), ListEdit::kRefused);
  EXPECT_EQ(e.AddFile(), ListEdit::kRefused);
  SearchFileListEditor noDocument(lists, "L1", "");
  EXPECT_FALSE(noDocument.CanAddFile());
  EXPECT_EQ(noDocument.AddFile(), ListEdit::kRefused);
}

TEST(GlobalSearchHistory, NewestFirstWithoutDuplicatesCutAtCharacters) {
  GlobalSearchHistory h(kSearchHistoryLength);
  for (int i = 0; i < 25; ++i) h.Add("e" + std::to_string(i));
  EXPECT_EQ(h.Entries().size(), 20u);
  EXPECT_EQ(h.Entries().front(), "e24");
  EXPECT_EQ(h.Entries().back(), "e5");
  h.Add("e10");
  EXPECT_EQ(h.Entries().front(), "e10");
  EXPECT_EQ(h.Entries().size(), 20u);
  h.Add(std::string(78, 'a') + "\x93\xfa");  // 80 bytes: the character would be split at 79
  EXPECT_EQ(h.Entries().front(), std::string(78, 'a'));
  h.Add("");
  EXPECT_EQ(h.Entries().front(), std::string(78, 'a'));
}

TEST(GlobalSearchRecord, RoundTripAndRefusals) {
  GlobalSearchRequest r;
  r.text = "key";
  r.maskText = "*.c *.h";
  r.currentFolder = "C:\\src";
  r.matchCase = true;
  r.regex = true;
  r.distinguishWidth = false;
  r.nonText = true;
  r.codeDecision = 3;
  GlobalSearchRequest settings;
  settings.multiText = true;
  settings.subDirBufKB = 100;
  const std::string rec = EncodeGlobalSearchRecord(r);
  const auto back = DecodeGlobalSearchRecord(rec, settings);
  ASSERT_TRUE(back);
  EXPECT_EQ(EncodeGlobalSearchRecord(*back), rec);
  EXPECT_TRUE(back->multiText);
  EXPECT_EQ(back->subDirBufKB, 100);
  EXPECT_EQ(back->currentFolder, "C:\\src");

  for (std::size_t n = 0; n < rec.size(); ++n) EXPECT_FALSE(DecodeGlobalSearchRecord(rec.substr(0, n))) << n;
  EXPECT_FALSE(DecodeGlobalSearchRecord(rec + "x"));
  std::string badFlag = rec;
  badFlag[4] = 2;
  EXPECT_FALSE(DecodeGlobalSearchRecord(badFlag));
  std::string badCode = rec;
  badCode[28] = 8;  // past the last code
  EXPECT_FALSE(DecodeGlobalSearchRecord(badCode));
  GlobalSearchRequest empty = r;
  empty.text.clear();
  EXPECT_FALSE(DecodeGlobalSearchRecord(EncodeGlobalSearchRecord(empty)));
  GlobalSearchRequest longText = r;
  longText.text.assign(81, 'k');
  EXPECT_FALSE(DecodeGlobalSearchRecord(EncodeGlobalSearchRecord(longText)));
  longText.text.assign(80, 'k');
  EXPECT_TRUE(DecodeGlobalSearchRecord(EncodeGlobalSearchRecord(longText)));
  GlobalSearchRequest noFolder = r;
  noFolder.currentFolder.clear();
  EXPECT_TRUE(DecodeGlobalSearchRecord(EncodeGlobalSearchRecord(noFolder)));
}

}  // namespace
}  // namespace quelt
