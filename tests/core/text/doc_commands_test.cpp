#include "text/doc_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "text/doc_properties.h"
#include "text/open_kind.h"
#include "text/open_request.h"

namespace quelt {
namespace {

// ---- Save-modified prompt and Close All ----

TEST(SaveModifiedPrompt, AnswersDecideWhetherTheCloseGoesOn) {
  test::FakeHost host;
  int saves = 0;
  auto ok = [&] { ++saves; return true; };
  auto fails = [&] { ++saves; return false; };
  EXPECT_TRUE(SaveModifiedPrompt(host, false, "a", ok));
  EXPECT_TRUE(host.questions.empty());
  host.answers = {Answer::kYes, Answer::kYes, Answer::kNo, Answer::kCancel};
  EXPECT_TRUE(SaveModifiedPrompt(host, true, "a.txt", ok));
  EXPECT_FALSE(SaveModifiedPrompt(host, true, "a.txt", fails));  // a failed save stops the close
  EXPECT_TRUE(SaveModifiedPrompt(host, true, "a.txt", ok));
  EXPECT_FALSE(SaveModifiedPrompt(host, true, "a.txt", ok));
  EXPECT_EQ(saves, 2);
  ASSERT_EQ(host.questions.size(), 4u);
  EXPECT_EQ(host.questions[0], kMsgSaveChanges);
  EXPECT_EQ(host.args[0], "a.txt");
}

struct FakeDoc : ClosableDocument {
  FakeDoc(std::string t, bool path, bool mod) : title(std::move(t)), hasPath(path), modified(mod) {}
  bool HasPath() const override { return hasPath; }
  bool IsModified() const override { return modified; }
  std::string Title() const override { return title; }
  bool Save() override { ++saves; return true; }
  void Close() override { closed = true; }
  std::string title;
  bool hasPath, modified;
  int saves = 0;
  bool closed = false;
};

TEST(CloseAll, StopsAtTheFirstCancelledDocument) {
  test::FakeHost host;
  FakeDoc a("a", true, true), b("b", true, false), c("c", true, true), d("d", true, true);
  host.answers = {Answer::kYes, Answer::kCancel};
  EXPECT_FALSE(CloseAllDocuments(host, {&a, &b, &c, &d}, false));
  EXPECT_TRUE(a.closed);
  EXPECT_EQ(a.saves, 1);
  EXPECT_TRUE(b.closed);
  EXPECT_FALSE(c.closed);
  EXPECT_FALSE(d.closed);
  EXPECT_EQ(host.questions.size(), 2u);
}

TEST(CloseAll, UntitledDocumentsCloseSilentlyWhenTheSettingSaysSo) {
  test::FakeHost host;
  FakeDoc untitled("無題1", false, true), named("a", true, true);
  host.answers = {Answer::kNo};
  EXPECT_TRUE(CloseAllDocuments(host, {&untitled, &named}, true));
  EXPECT_TRUE(untitled.closed);
  EXPECT_EQ(untitled.saves, 0);
  ASSERT_EQ(host.args.size(), 1u);
  EXPECT_EQ(host.args[0], "a");
  // Without the setting the untitled one is asked about too.
  FakeDoc again("無題2", false, true);
  host.answers = {Answer::kCancel};
  EXPECT_FALSE(CloseAllDocuments(host, {&again}, false));
  EXPECT_FALSE(again.closed);
}

// ---- Delete and Rename ----

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.CreateFolder("C:\\docs");
    fs.WriteFile(kPath, "text");
  }
  const std::string kPath = "C:\\docs\\a.txt";
  MemoryFileSystem fs;
  test::FakeHost host;
};

TEST_F(FileCommandsTest, DeleteAsksWithThePathAndBeepsOnFailure) {
  EXPECT_EQ(DeleteDocumentFile(host, fs, kPath), DeleteOutcome::kCancelled);
  EXPECT_TRUE(fs.Exists(kPath));
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0], kMsgDeleteDocument);
  EXPECT_EQ(host.args[0], kPath);
  fs.SetReadOnly(kPath, true);
  host.answers = {Answer::kOk};
  EXPECT_EQ(DeleteDocumentFile(host, fs, kPath), DeleteOutcome::kFailed);
  EXPECT_EQ(host.beeps, 1);
  fs.SetReadOnly(kPath, false);
  host.answers = {Answer::kOk};
  EXPECT_EQ(DeleteDocumentFile(host, fs, kPath), DeleteOutcome::kDeleted);
  EXPECT_FALSE(fs.Exists(kPath));
}

TEST_F(FileCommandsTest, RenameMovesWithinTheFolder) {
  std::string newPath;
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, "a.txt", newPath), RenameOutcome::kUnchanged);
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, "b.txt", newPath), RenameOutcome::kRenamed);
  EXPECT_EQ(newPath, "C:\\docs\\b.txt");
  EXPECT_FALSE(fs.Exists(kPath));
  EXPECT_EQ(*fs.Content(newPath), "text");
  // A change of letter case alone.
  EXPECT_EQ(RenameDocumentFile(host, fs, "C:\\docs\\b.txt", "B.TXT", newPath), RenameOutcome::kRenamed);
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(FileCommandsTest, RenameRefusesTakenAndBadNames) {
  fs.WriteFile("C:\\docs\\b.txt", "other");
  std::string newPath;
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, "b.txt", newPath), RenameOutcome::kRefused);
  EXPECT_EQ(*fs.Content("C:\\docs\\b.txt"), "other");
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, "", newPath), RenameOutcome::kRefused);
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, std::string(261, 'n'), newPath), RenameOutcome::kRefused);
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, "..\\c.txt", newPath), RenameOutcome::kRefused);
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, "c?.txt", newPath), RenameOutcome::kRefused);
  EXPECT_EQ(host.beeps, 5);
  EXPECT_TRUE(fs.Exists(kPath));
  // A trail byte 0x5C ('\') inside a double-byte character is no separator.
  EXPECT_EQ(RenameDocumentFile(host, fs, kPath, "\x95\x5C.txt", newPath), RenameOutcome::kRenamed);
  EXPECT_EQ(RenameDocumentFile(host, fs, newPath, std::string(260, 'n'), newPath), RenameOutcome::kRenamed);
}

// ---- Properties ----

TEST(Properties, FieldsOfASavedDocument) {
  MemoryFileSystem fs;
  fs.CreateFolder("C:\\docs");
  fs.WriteFile("C:\\docs\\a.txt", std::string(1536, 'x'));
  fs.SetModified("C:\\docs\\a.txt", FileTime{2026, 12, 8, 9, 5, 7});
  PropertiesSource src;
  src.path = "C:\\docs\\a.txt";
  src.title = "a.txt";
  src.code = CharCodeId::kEuc;
  src.lineEnd = LineEndId::kCr;
  src.displayLines = 1234567;
  src.logicalLines = 1000;
  src.textLength = 1024 * 1024;
  DocumentProperties p = ComputeProperties(fs, src);
  EXPECT_EQ(p.name, "a.txt");
  EXPECT_EQ(p.path, "C:\\docs\\a.txt");
  EXPECT_EQ(p.fileSize, "1.5KB ( 1,536 Bytes )");
  EXPECT_EQ(p.modified, "26/12/08 09:05:07");
  EXPECT_EQ(p.code, "EUC");
  EXPECT_EQ(p.lineEnd, "CR");
  EXPECT_EQ(p.displayLines, "1,234,567");
  EXPECT_EQ(p.logicalLines, "1,000");
  EXPECT_EQ(p.editSize, "1024.0KB ( 1,048,576 Bytes )");
  EXPECT_TRUE(p.editSizeBaseNote);
  // In the binary view the text-window fields stay empty.
  src.textWindow = false;
  p = ComputeProperties(fs, src);
  EXPECT_EQ(p.code, "");
  EXPECT_EQ(p.displayLines, "");
  EXPECT_FALSE(p.editSizeBaseNote);
  EXPECT_EQ(p.editSize, "1024.0KB ( 1,048,576 Bytes )");
}

TEST(Properties, UntitledOrDeletedFilesShowNoFileFields) {
  MemoryFileSystem fs;
  PropertiesSource src;
  src.title = "無題1";
  DocumentProperties p = ComputeProperties(fs, src);
  EXPECT_EQ(p.name, "無題1");
  EXPECT_EQ(p.path, "");
  EXPECT_EQ(p.fileSize, "");
  EXPECT_EQ(p.created, "");
  EXPECT_EQ(p.editSize, "0.0KB ( 0 Bytes )");
  src.path = "C:\\gone.txt";
  p = ComputeProperties(fs, src);
  EXPECT_EQ(p.path, "C:\\gone.txt");
  EXPECT_EQ(p.fileSize, "");
}

TEST(Properties, LogicalLinesComeFromTheLineFlags) {
  TextStore store;
  ASSERT_TRUE(store.Create());
  EXPECT_EQ(PropertiesSourceOf(store, "", "t", true).logicalLines, 0u);
  store.Insert(0, std::string_view("ab\r\ncd"));
  store.SetLineCount(3);
  store.SetLine(0, 0, 0);
  store.SetLine(1, 4, 1);
  store.SetLine(2, 5, 0);  // a wrapped continuation
  const PropertiesSource s = PropertiesSourceOf(store, "", "t", true);
  EXPECT_EQ(s.displayLines, 3u);
  EXPECT_EQ(s.logicalLines, 2u);
  EXPECT_EQ(s.textLength, 6u);
}

// ---- Open kinds and requests ----

TEST(OpenKind, AutomaticChoiceFromTheFirstBytes) {
  auto kind = [](const std::string& s) {
    return DecideOpenKind(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
  };
  EXPECT_EQ(kind("<html>x"), OpenKindId::kHtmlPlain);
  EXPECT_EQ(kind("<HtMl>\r\n"), OpenKindId::kHtmlPlain);
  EXPECT_EQ(kind("<html>"), OpenKindId::kText);  // six bytes are not enough
  EXPECT_EQ(kind(std::string("ab\x01", 3)), OpenKindId::kBinary);
  EXPECT_EQ(kind(std::string("ab\x00", 3)), OpenKindId::kBinary);
  EXPECT_EQ(kind("\x1B$B\x30\x21\t\x0C\r\n"), OpenKindId::kText);
  EXPECT_EQ(kind("\x1F"), OpenKindId::kBinary);
  EXPECT_EQ(kind(std::string(32, 'a') + "\x01"), OpenKindId::kText);  // past the 32 bytes
  EXPECT_EQ(kind(std::string("\x01\x00\x00\x00\x10\x00\x00\x00", 8)), OpenKindId::kCabinet);
  EXPECT_EQ(kind(""), OpenKindId::kText);

  MemoryFileSystem fs;
  fs.WriteFile("C:\\bin", std::string("\x02", 1));
  EXPECT_EQ(DecideOpenKindOfFile(fs, "C:\\bin", false), OpenKindId::kBinary);
  EXPECT_EQ(DecideOpenKindOfFile(fs, "C:\\bin", true), OpenKindId::kText);  // cipher folder
  EXPECT_EQ(DecideOpenKindOfFile(fs, "C:\\none", false), OpenKindId::kText);
}

TEST(OpenRequest, PlansPerKind) {
  OpenPlan p = PlanOpen(OpenKindId::kBinary, CharCodeId::kEuc, 3);
  EXPECT_EQ(p.action, OpenAction::kDocument);
  EXPECT_EQ(p.request.openKind, kOpenKindBinary);
  EXPECT_FALSE(p.recordForMacro);
  p = PlanOpen(OpenKindId::kHtmlPlain, CharCodeId::kAuto, 1);
  EXPECT_EQ(p.request.openKind, kOpenKindText);
  EXPECT_TRUE(p.request.html);
  p = PlanOpen(OpenKindId::kHtmlVisual, CharCodeId::kAuto, 1);
  EXPECT_EQ(p.request.openKind, kOpenKindHtmlVisual);
  p = PlanOpen(OpenKindId::kText, CharCodeId::kJis, 2);
  EXPECT_TRUE(p.recordForMacro);
  EXPECT_EQ(p.request.forcedCode, CharCodeId::kJis);
  EXPECT_EQ(PlanOpen(OpenKindId::kCabinet, CharCodeId::kAuto, 1).action, OpenAction::kCabinet);
  EXPECT_EQ(PlanOpen(OpenKindId::kCabinet, CharCodeId::kAuto, 2).action, OpenAction::kSkip);

  OpenRequest r = p.request;
  EXPECT_EQ(r.TakeForcedCode(), CharCodeId::kJis);
  EXPECT_EQ(r.forcedCode, CharCodeId::kAuto);
  r.forcedCode = static_cast<CharCodeId>(9);
  EXPECT_EQ(r.TakeForcedCode(), CharCodeId::kAuto);
}

TEST(OpenRequest, EnglishListsHaveNoVisualEntryAndOnlyShiftJis) {
  EXPECT_EQ(OpenKindListCount(false), 6);
  EXPECT_EQ(OpenKindListCount(true), 5);
  EXPECT_EQ(OpenKindOfListIndex(4, false), OpenKindId::kHtmlVisual);
  EXPECT_EQ(OpenKindOfListIndex(4, true), OpenKindId::kCabinet);
  EXPECT_EQ(OpenKindOfListIndex(5, false), OpenKindId::kCabinet);
  EXPECT_EQ(OpenKindOfListIndex(5, true), OpenKindId::kAuto);
  EXPECT_EQ(OpenCodeOfListIndex(2, false), CharCodeId::kJis);
  EXPECT_EQ(OpenCodeOfListIndex(0, false), CharCodeId::kAuto);
  EXPECT_EQ(OpenCodeOfListIndex(0, true), CharCodeId::kShiftJis);
  EXPECT_STREQ(OpenKindName(OpenKindId::kHtmlVisual), "HTMLﾋﾞｼﾞｭｱﾙ");
}

}  // namespace
}  // namespace quelt
