#include <gtest/gtest.h>

#include "base/memory_file_system.h"
#include "cabinet/cabinet.h"
#include "cabinet_test_bytes.h"
#include "fake_host.h"

namespace quelt {
namespace {

using test::FakeHost;
using test::SampleDocument;
using test::SampleSettings;

class FakeDocuments : public CabinetDocuments {
 public:
  std::vector<CabinetDocument> Collect() override { return open; }
  void CloseAll() override {
    ++closed;
    open.clear();
  }
  void Reopen(const std::vector<CabinetDocument>& documents) override {
    reopened.push_back(documents);
    open = documents;
  }
  void OpenUntitled() override { ++untitled; }

  std::vector<CabinetDocument> open;
  std::vector<std::vector<CabinetDocument>> reopened;
  int closed = 0;
  int untitled = 0;
};

class CabinetModel : public ::testing::Test {
 protected:
  CabinetModel() : cabinet(fs, host) {
    fs.CreateFolder("C:\\work");
    cabinet.SetDocuments(&documents);
  }
  // Puts a cabinet file with sample settings and documents at path.
  void PutSample(const std::string& path, int documentCount = 2) {
    std::vector<CabinetDocument> docs;
    for (int i = 0; i < documentCount; ++i) docs.push_back(SampleDocument(i));
    std::string bytes;
    ASSERT_TRUE(WriteCabinetBytes(SampleSettings(), docs, bytes));
    ASSERT_TRUE(fs.WriteFile(path, bytes));
  }
  CabinetImage ReadBack(const std::string& path) {
    CabinetImage image;
    const std::string* bytes = fs.Content(path);
    EXPECT_NE(bytes, nullptr);
    if (bytes) EXPECT_TRUE(ParseCabinet(*bytes, false, image));
    return image;
  }

  MemoryFileSystem fs;
  FakeHost host;
  FakeDocuments documents;
  CCabinet cabinet;
};

TEST_F(CabinetModel, StartsFromTheGeneralTextDefaults) {
  EXPECT_EQ(cabinet.Working(), DefaultSettings(0, false));
  EXPECT_EQ(cabinet.Stored(), cabinet.Working());
  EXPECT_TRUE(cabinet.Path().empty());
  EXPECT_TRUE(cabinet.CabinetSave());
}

TEST_F(CabinetModel, ResetToDefaultsFillsBothCopies) {
  cabinet.Working() = SampleSettings();
  cabinet.ResetToDefaults(2);
  EXPECT_EQ(cabinet.Working(), DefaultSettings(2, false));
  EXPECT_EQ(cabinet.Stored(), DefaultSettings(2, false));
  EXPECT_TRUE(cabinet.Working().keywords.empty());
  EXPECT_EQ(cabinet.Working().block[kWordKeywordCount], 0u);
  SetEnglishInterface(true);
  cabinet.ResetToDefaults(1);
  SetEnglishInterface(false);
  EXPECT_EQ(cabinet.Working().filters[0][0].title, "Text(*.txt)");
}

TEST_F(CabinetModel, FilterStringOfTheWorkingCopy) {
  cabinet.Working().filters[1] = {{"C(*.c)", "*.c"}, {"All", "*.*"}};
  EXPECT_EQ(cabinet.FilterString(1), "C(*.c)|*.c|All|*.*||");
  cabinet.Working().filters[1].clear();
  EXPECT_EQ(cabinet.FilterString(1), "|");
  EXPECT_EQ(cabinet.FilterString(0), std::string(DefaultFilterText(0, false)));
}

TEST_F(CabinetModel, ReadFillsBothCopiesAndReopensDocuments) {
  PutSample("C:\\work\\a.cab");
  cabinet.SetPath("C:\\work\\a.cab");
  ASSERT_TRUE(cabinet.ReadCabinet(true));
  EXPECT_EQ(cabinet.Working(), SampleSettings());
  EXPECT_EQ(cabinet.Stored(), SampleSettings());
  ASSERT_EQ(documents.reopened.size(), 1u);
  EXPECT_EQ(documents.reopened[0], (std::vector<CabinetDocument>{SampleDocument(0), SampleDocument(1)}));
  EXPECT_TRUE(host.messages.empty());
  ASSERT_TRUE(cabinet.ReadCabinet(false));
  EXPECT_EQ(documents.reopened.size(), 1u);
}

TEST_F(CabinetModel, NoReopenWithoutEntries) {
  PutSample("C:\\work\\a.cab", 0);
  cabinet.SetPath("C:\\work\\a.cab");
  ASSERT_TRUE(cabinet.ReadCabinet(true));
  EXPECT_TRUE(documents.reopened.empty());
}

TEST_F(CabinetModel, MissingFileIsSilent) {
  cabinet.SetPath("C:\\work\\none.cab");
  EXPECT_FALSE(cabinet.ReadCabinet(true));
  EXPECT_TRUE(host.messages.empty());
  cabinet.SetPath("");
  EXPECT_FALSE(cabinet.ReadCabinet(true));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CabinetModel, UnreadableFileSaysSoAndChangesNothing) {
  cabinet.Working().kinsoku = 1;  // an uncommitted change
  cabinet.SetPath("C:\\work");    // exists, but is a folder
  EXPECT_FALSE(cabinet.ReadCabinet(true));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgCabinetReadFailed});
  EXPECT_EQ(cabinet.Working().kinsoku, 1u);
}

TEST_F(CabinetModel, MalformedFileShows59398AndChangesNothing) {
  cabinet.Working() = SampleSettings();
  const CabinetSettings working = cabinet.Working();
  const CabinetSettings stored = cabinet.Stored();
  for (const std::string& bytes :
       {std::string("garbage"), std::string(kCabinetBufferSize, '\0'), std::string(5000, '\xFF')}) {
    ASSERT_TRUE(fs.WriteFile("C:\\work\\bad.cab", bytes));
    cabinet.SetPath("C:\\work\\bad.cab");
    host.messages.clear();
    EXPECT_FALSE(cabinet.ReadCabinet(true));
    EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgBadCabinet});
    EXPECT_EQ(cabinet.Working(), working);
    EXPECT_EQ(cabinet.Stored(), stored);
  }
  EXPECT_TRUE(documents.reopened.empty());
}

TEST_F(CabinetModel, ExactBufferSizeFileIsMalformed) {
  PutSample("C:\\work\\a.cab");
  std::string bytes = *fs.Content("C:\\work\\a.cab");
  bytes.resize(kCabinetBufferSize, '\0');
  ASSERT_TRUE(fs.WriteFile("C:\\work\\a.cab", bytes));
  cabinet.SetPath("C:\\work\\a.cab");
  EXPECT_FALSE(cabinet.ReadCabinet(false));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgBadCabinet});
}

TEST_F(CabinetModel, CommitCopiesWorkingToStoredAndWrites) {
  cabinet.SetPath("C:\\work\\a.cab");
  cabinet.Working() = SampleSettings();
  documents.open = {SampleDocument(0)};
  ASSERT_TRUE(cabinet.Commit());
  EXPECT_EQ(cabinet.Stored(), SampleSettings());
  const CabinetImage image = ReadBack("C:\\work\\a.cab");
  EXPECT_EQ(image.settings, SampleSettings());
  EXPECT_EQ(image.documents, documents.open);
  EXPECT_EQ(documents.closed, 0);
}

TEST_F(CabinetModel, WithoutCabinetSaveAChangeLastsUntilReopened) {
  PutSample("C:\\work\\a.cab");
  cabinet.SetPath("C:\\work\\a.cab");
  ASSERT_TRUE(cabinet.ReadCabinet(false));
  cabinet.SetCabinetSave(false);
  cabinet.Working().block[kWordTextBack] = 0x000080;
  EXPECT_TRUE(cabinet.NoteChange());
  EXPECT_EQ(cabinet.Working().block[kWordTextBack], 0x000080u);
  EXPECT_EQ(cabinet.Stored(), SampleSettings());
  ASSERT_TRUE(cabinet.ReadCabinet(false));
  EXPECT_EQ(cabinet.Working().block[kWordTextBack], SampleSettings().block[kWordTextBack]);
  // With the setting on, the change reaches the file.
  cabinet.SetCabinetSave(true);
  cabinet.Working().block[kWordTextBack] = 0x000080;
  EXPECT_TRUE(cabinet.NoteChange());
  ASSERT_TRUE(cabinet.ReadCabinet(false));
  EXPECT_EQ(cabinet.Working().block[kWordTextBack], 0x000080u);
}

TEST_F(CabinetModel, SaveStoresTheStoredCopyNotTheWorkingOne) {
  cabinet.SetPath("C:\\work\\a.cab");
  cabinet.Working().kinsoku = 1;
  ASSERT_TRUE(cabinet.SaveCabinet(false));
  EXPECT_EQ(ReadBack("C:\\work\\a.cab").settings.kinsoku, 0u);
}

TEST_F(CabinetModel, SaveFailureClosesNothing) {
  documents.open = {SampleDocument(0)};
  EXPECT_FALSE(cabinet.SaveCabinet(true));  // no path
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgCabinetWriteFailed});
  cabinet.SetPath("C:\\work\\a.cab");
  fs.FailWritesAfter(0);
  EXPECT_FALSE(cabinet.SaveCabinet(true));
  EXPECT_EQ(documents.closed, 0);
  EXPECT_EQ(fs.Content("C:\\work\\a.cab"), nullptr);
  fs.FailWritesAfter(-1);
  EXPECT_TRUE(cabinet.SaveCabinet(true));
  EXPECT_EQ(documents.closed, 1);
}

TEST_F(CabinetModel, SaveStoresThirtyTitledDocuments) {
  cabinet.SetPath("C:\\work\\a.cab");
  CabinetDocument untitled = SampleDocument(50);
  untitled.path.clear();
  documents.open.push_back(untitled);
  for (int i = 0; i < 31; ++i) documents.open.push_back(SampleDocument(i));
  ASSERT_TRUE(cabinet.SaveCabinet(false));
  const CabinetImage image = ReadBack("C:\\work\\a.cab");
  ASSERT_EQ(image.documents.size(), 30u);
  EXPECT_EQ(image.documents[0], SampleDocument(0));
  EXPECT_EQ(image.documents[29], SampleDocument(29));
}

TEST_F(CabinetModel, CreateTypeOneWritesTheShortFile) {
  cabinet.Working() = SampleSettings();
  ASSERT_TRUE(cabinet.CreateCabinet("C:\\work\\new.cab", 1));
  EXPECT_EQ(cabinet.Path(), "C:\\work\\new.cab");
  EXPECT_EQ(cabinet.Working(), DefaultSettings(1, false));
  EXPECT_EQ(cabinet.Stored(), DefaultSettings(1, false));
  EXPECT_EQ(*fs.Content("C:\\work\\new.cab"), WriteNewCabinetBytes(DefaultSettings(1, false)));
  EXPECT_EQ(documents.untitled, 1);
  // Reading it back gives the defaults, tail included.
  cabinet.Working() = SampleSettings();
  ASSERT_TRUE(cabinet.ReadCabinet(true));
  EXPECT_EQ(cabinet.Working(), DefaultSettings(1, false));
  EXPECT_TRUE(documents.reopened.empty());
}

TEST_F(CabinetModel, CreateCopyOfTheCurrentCabinet) {
  cabinet.Working() = SampleSettings();
  cabinet.Commit();  // no path yet: fails, but the stored copy is taken
  host.messages.clear();
  documents.open = {SampleDocument(0)};
  ASSERT_TRUE(cabinet.CreateCabinet("C:\\work\\copy.cab", kCopyCurrentCabinet));
  EXPECT_EQ(cabinet.Working(), SampleSettings());
  EXPECT_EQ(documents.untitled, 0);
  const CabinetImage image = ReadBack("C:\\work\\copy.cab");
  EXPECT_EQ(image.settings, SampleSettings());
  EXPECT_EQ(image.documents, documents.open);
}

TEST_F(CabinetModel, CreateAsksBeforeOverwriting) {
  PutSample("C:\\work\\old.cab");
  const std::string before = *fs.Content("C:\\work\\old.cab");
  cabinet.SetPath("C:\\work\\current.cab");
  host.answers = {Answer::kCancel};
  EXPECT_FALSE(cabinet.CreateCabinet("C:\\work\\OLD.CAB", 0));
  EXPECT_EQ(host.questions, std::vector<MessageId>{kMsgCabinetExists});
  EXPECT_EQ(*fs.Content("C:\\work\\old.cab"), before);
  EXPECT_EQ(cabinet.Path(), "C:\\work\\current.cab");
  host.answers = {Answer::kOk};
  EXPECT_TRUE(cabinet.CreateCabinet("C:\\work\\old.cab", 0));
  EXPECT_EQ(*fs.Content("C:\\work\\old.cab"), WriteNewCabinetBytes(DefaultSettings(0, false)));
}

TEST_F(CabinetModel, CreateRefusesBadPathsAndReportsWriteErrors) {
  cabinet.Working() = SampleSettings();
  for (const std::string& bad : {std::string("C:\\work\\a?.cab"), std::string("relative.cab"),
                                 std::string("C:\\work")}) {
    host.messages.clear();
    EXPECT_FALSE(cabinet.CreateCabinet(bad, 0)) << bad;
    EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgBadPathName}) << bad;
  }
  host.messages.clear();
  EXPECT_FALSE(cabinet.CreateCabinet("C:\\nofolder\\a.cab", 0));  // parent missing
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgCabinetCreateError});
  EXPECT_EQ(cabinet.Working(), SampleSettings());
  EXPECT_TRUE(cabinet.Path().empty());
  EXPECT_EQ(documents.untitled, 0);
}

TEST_F(CabinetModel, ChangeToTheCurrentCabinetOnlyBeeps) {
  PutSample("C:\\work\\a.cab");
  cabinet.SetPath("C:\\work\\a.cab");
  EXPECT_EQ(cabinet.ChangeCabinet("c:\\WORK\\A.CAB"), ChangeCabinetResult::kSameCabinet);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(documents.closed, 0);
}

TEST_F(CabinetModel, ChangeRefusesBadFilesWithoutTouchingTheCurrent) {
  cabinet.SetPath("C:\\work\\a.cab");
  cabinet.Working() = SampleSettings();
  EXPECT_EQ(cabinet.ChangeCabinet("C:\\work\\none.cab"), ChangeCabinetResult::kUnreadable);
  ASSERT_TRUE(fs.WriteFile("C:\\work\\bad.cab", std::string(300, 'x')));
  EXPECT_EQ(cabinet.ChangeCabinet("C:\\work\\bad.cab"), ChangeCabinetResult::kMalformed);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgBadCabinet});
  EXPECT_EQ(cabinet.Path(), "C:\\work\\a.cab");
  EXPECT_EQ(cabinet.Working(), SampleSettings());
  EXPECT_EQ(fs.Content("C:\\work\\a.cab"), nullptr);  // not even saved
  EXPECT_EQ(documents.closed, 0);
}

TEST_F(CabinetModel, ChangeSavesClosesAndReadsTheChosenCabinet) {
  PutSample("C:\\work\\b.cab");
  cabinet.SetPath("C:\\work\\a.cab");
  documents.open = {SampleDocument(5)};
  EXPECT_EQ(cabinet.ChangeCabinet("C:\\work\\b.cab"), ChangeCabinetResult::kChanged);
  EXPECT_EQ(ReadBack("C:\\work\\a.cab").documents, std::vector<CabinetDocument>{SampleDocument(5)});
  EXPECT_EQ(documents.closed, 1);
  EXPECT_EQ(cabinet.Path(), "C:\\work\\b.cab");
  EXPECT_EQ(cabinet.Working(), SampleSettings());
  ASSERT_EQ(documents.reopened.size(), 1u);
  EXPECT_EQ(documents.reopened[0].size(), 2u);
}

TEST_F(CabinetModel, ChangeStopsWhenTheCurrentCannotBeSaved) {
  PutSample("C:\\work\\b.cab");
  cabinet.SetPath("C:\\work\\a.cab");
  fs.FailWritesAfter(0);
  EXPECT_EQ(cabinet.ChangeCabinet("C:\\work\\b.cab"), ChangeCabinetResult::kSaveFailed);
  EXPECT_EQ(cabinet.Path(), "C:\\work\\a.cab");
  EXPECT_EQ(cabinet.Working(), DefaultSettings(0, false));
  EXPECT_EQ(documents.closed, 0);
}

TEST_F(CabinetModel, NewCabinetNamesAndTypes) {
  cabinet.SetPath("C:\\work\\a.cab");
  EXPECT_EQ(cabinet.NewCabinet("C:\\work\\n", -1), NewCabinetResult::kNoType);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(cabinet.NewCabinet("C:\\work\\a<b", 0), NewCabinetResult::kBadName);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgBadPathName});
  EXPECT_EQ(cabinet.NewCabinet("C:\\work\\n", 2), NewCabinetResult::kCreated);
  EXPECT_EQ(cabinet.Path(), "C:\\work\\n.cab");
  EXPECT_EQ(cabinet.Working(), DefaultSettings(2, false));
  EXPECT_NE(fs.Content("C:\\work\\a.cab"), nullptr);  // the old cabinet was saved
  EXPECT_EQ(documents.closed, 1);
}

TEST_F(CabinetModel, NewCabinetFailureRestoresThePreviousCabinet) {
  PutSample("C:\\work\\a.cab");
  cabinet.SetPath("C:\\work\\a.cab");
  ASSERT_TRUE(cabinet.ReadCabinet(true));
  host.answers = {Answer::kCancel};
  EXPECT_EQ(cabinet.NewCabinet("C:\\work\\a.cab", 0), NewCabinetResult::kFailed);
  EXPECT_EQ(cabinet.Path(), "C:\\work\\a.cab");
  EXPECT_EQ(cabinet.Working(), SampleSettings());
  EXPECT_EQ(documents.closed, 1);
  EXPECT_EQ(documents.reopened.size(), 2u);  // read again with its documents
}

TEST_F(CabinetModel, KeywordPageAppliesOrRefuses) {
  cabinet.SetPath("C:\\work\\a.cab");
  EXPECT_TRUE(cabinet.ApplyKeywordPage("alpha\r\n\r\nbeta", false, true));
  EXPECT_EQ(cabinet.Working().keywords, (std::vector<std::string>{"alpha", "beta"}));
  EXPECT_EQ(cabinet.Working().block[kWordKeywordCount], 2u);
  EXPECT_EQ(cabinet.Working().keywordCaseSensitive, 0u);
  EXPECT_EQ(cabinet.Working().keywordWholeWord, 1u);
  EXPECT_EQ(ReadBack("C:\\work\\a.cab").settings.keywords, cabinet.Working().keywords);
  const CabinetSettings before = cabinet.Working();
  EXPECT_FALSE(cabinet.ApplyKeywordPage(std::string(31, 'x'), true, false));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgOverMaxLength});
  EXPECT_EQ(cabinet.Working(), before);
}

TEST(CabinetNames, PathValidity) {
  EXPECT_TRUE(IsValidPathName("C:\\work\\a.cab"));
  EXPECT_TRUE(IsValidPathName("\\\\server\\share\\a.cab"));
  EXPECT_TRUE(IsValidPathName("C:\\\x83\x7C\\a.cab"));  // ポ: trail byte '|'
  EXPECT_TRUE(IsValidPathName("C:\\\x95\x5C.cab"));     // 表: trail byte '\'
  EXPECT_FALSE(IsValidPathName(""));
  EXPECT_FALSE(IsValidPathName("C:\\a|b.cab"));
  EXPECT_FALSE(IsValidPathName("C:\\a*.cab"));
  EXPECT_FALSE(IsValidPathName("C:\\a\x01.cab"));
  EXPECT_FALSE(IsValidPathName("C:\\a:b.cab"));
  EXPECT_FALSE(IsValidPathName("C:\\work\\"));
  EXPECT_FALSE(IsValidPathName("C:\\work\\.."));
  EXPECT_TRUE(IsValidPathName("C:\\" + std::string(256, 'a')));
  EXPECT_FALSE(IsValidPathName("C:\\" + std::string(257, 'a')));
}

TEST(CabinetNames, CabExtensionIsAddedWhenNoDotEndsTheName) {
  std::string path;
  ASSERT_TRUE(CabinetPathForName("C:\\w\\mine", path));
  EXPECT_EQ(path, "C:\\w\\mine.cab");
  ASSERT_TRUE(CabinetPathForName("C:\\w\\mine.tx", path));
  EXPECT_EQ(path, "C:\\w\\mine.tx");
  ASSERT_TRUE(CabinetPathForName("C:\\w\\m.abc", path));
  EXPECT_EQ(path, "C:\\w\\m.abc");
  ASSERT_TRUE(CabinetPathForName("C:\\w\\m.abcd", path));
  EXPECT_EQ(path, "C:\\w\\m.abcd.cab");
  // Four characters, counted as characters: three double-byte ones after the dot.
  ASSERT_TRUE(CabinetPathForName("C:\\w\\m.\x95\x5C\x95\x5C\x95\x5C", path));
  EXPECT_EQ(path, "C:\\w\\m.\x95\x5C\x95\x5C\x95\x5C");
  EXPECT_FALSE(CabinetPathForName("C:\\w\\a>b", path));
  EXPECT_FALSE(CabinetPathForName("C:\\" + std::string(254, 'a'), path));  // too long with .cab
}

}  // namespace
}  // namespace quelt
