#include "text/load_save.h"

#include <gtest/gtest.h>

#include <string>

#include "base/memory_file_system.h"
#include "marks/attribute_file.h"
#include "marks/doc_marks.h"
#include "fake_host.h"

namespace quelt {
namespace {

const std::string kTemp = "C:\\quelt\\quelt.TM1";
const std::string kFile = "C:\\docs\\a.txt";
// "亜" in Shift-JIS, JIS and EUC.
const std::string kA = "\x88\x9F";
const std::string kJisA = "\x1B$B\x30\x21\x1B(B";
const std::string kEucA = "\xB0\xA1";

class LoadSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.CreateFolder("C:\\quelt");
    fs.CreateFolder("C:\\docs");
  }
  FileContext Ctx() { return FileContext{fs, host, kTemp, false}; }

  // Opens bytes written to kFile in a new store of the kind.
  OpenOutcome Open(const std::string& bytes, DocumentKind kind = DocumentKind::kText,
                   CharCodeId forced = CharCodeId::kAuto) {
    fs.WriteFile(kFile, bytes);
    EXPECT_TRUE(store.Create(kind));
    return OpenTextFile(Ctx(), kFile, forced, store);
  }
  CharCodeId Code() const { return static_cast<CharCodeId>(store.CharCode()); }
  LineEndId LineEnd() const { return static_cast<LineEndId>(store.LineEnd()); }

  MemoryFileSystem fs;
  test::FakeHost host;
  TextStore store;
};

// ---- Opening ----

TEST_F(LoadSaveTest, ConvertedFilesGoThroughTheTemporaryFile) {
  const OpenOutcome r = Open("a" + kEucA + "\nb\n");
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.converted);
  EXPECT_EQ(r.hint, kHintTextLoaded);
  EXPECT_EQ(store.Text(), "a" + kA + "\r\nb\r\n");
  EXPECT_EQ(Code(), CharCodeId::kEuc);
  EXPECT_EQ(LineEnd(), LineEndId::kLf);
  ASSERT_NE(fs.Content(kTemp), nullptr);
  EXPECT_EQ(*fs.Content(kTemp), store.Text());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LoadSaveTest, ShiftJisCrLfIsReadAsItIs) {
  const OpenOutcome r = Open(kA + "\r\nb");
  ASSERT_TRUE(r.ok);
  EXPECT_FALSE(r.converted);
  EXPECT_EQ(fs.Content(kTemp), nullptr);
  EXPECT_EQ(store.Text(), kA + "\r\nb");
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
  EXPECT_EQ(LineEnd(), LineEndId::kCrLf);
}

TEST_F(LoadSaveTest, ForcedCodeOverridesDetectionButNotTheLineEnd) {
  // EUC bytes taken as Shift-JIS: the bytes stay, the LF line ends convert.
  ASSERT_TRUE(Open(kEucA + "\n", DocumentKind::kText, CharCodeId::kShiftJis).ok);
  EXPECT_EQ(store.Text(), kEucA + "\r\n");
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
  EXPECT_EQ(LineEnd(), LineEndId::kLf);
  // A plain ASCII CR LF file forced to JIS is converted as JIS.
  ASSERT_TRUE(Open("a\x1B$B\x30\x21\r\n", DocumentKind::kText, CharCodeId::kJis).ok);
  EXPECT_EQ(Code(), CharCodeId::kJis);
  EXPECT_EQ(store.Text(), "a" + kA + "\r\n");
}

TEST_F(LoadSaveTest, JisPairOutsideTheSetLoadsAsTwoSpaces) {
  ASSERT_TRUE(Open("\x1B$B\x30\x7F\x1B(B\n").ok);
  EXPECT_EQ(store.Text(), "  \r\n");
}

TEST_F(LoadSaveTest, FilesOverTheConversionLimitLoadUnconverted) {
  // 3 MB of EUC with LF line ends: raw bytes, marked Shift-JIS CR LF.
  std::string big;
  while (big.size() < 3 * 1024 * 1024) big += kEucA + kEucA + "abc\n";
  const OpenOutcome r = Open(big);
  ASSERT_TRUE(r.ok);
  EXPECT_FALSE(r.converted);
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
  EXPECT_EQ(LineEnd(), LineEndId::kCrLf);
  EXPECT_EQ(store.Text(), big);

  // Exactly at the limit the file is still converted.
  std::string edge = kEucA + "\n" + std::string(kMaxConvertBytes - 3, 'a');
  ASSERT_TRUE(Open(edge).ok);
  EXPECT_EQ(Code(), CharCodeId::kEuc);
  edge += "a";
  ASSERT_TRUE(Open(edge).ok);
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
}

TEST_F(LoadSaveTest, FailedConversionStepsReadTheFileItself) {
  // No temporary file name: never converted.
  fs.WriteFile(kFile, kEucA + "\n");
  ASSERT_TRUE(store.Create());
  FileContext noTemp{fs, host, "", false};
  ASSERT_TRUE(OpenTextFile(noTemp, kFile, CharCodeId::kAuto, store).ok);
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
  EXPECT_EQ(store.Text(), kEucA + "\n");
  // The temporary file cannot be written.
  fs.FailWritesAfter(0);
  ASSERT_TRUE(store.Create());
  const OpenOutcome r = OpenTextFile(Ctx(), kFile, CharCodeId::kAuto, store);
  ASSERT_TRUE(r.ok);
  EXPECT_FALSE(r.converted);
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
  EXPECT_EQ(LineEnd(), LineEndId::kCrLf);
  EXPECT_EQ(store.Text(), kEucA + "\n");
}

TEST_F(LoadSaveTest, BinaryKindKeepsEveryByte) {
  const std::string bytes = std::string("\x00\x01\r", 3) + kEucA + "\n\x88";
  const OpenOutcome r = Open(bytes, DocumentKind::kBinary);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.hint, kHintBinaryLoaded);
  EXPECT_FALSE(r.converted);
  EXPECT_EQ(store.Text(), bytes);
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
}

TEST_F(LoadSaveTest, MissingFileFailsWithItsPath) {
  ASSERT_TRUE(store.Create());
  const OpenOutcome r = OpenTextFile(Ctx(), "C:\\docs\\none.txt", CharCodeId::kAuto, store);
  EXPECT_FALSE(r.ok);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgOpenFailed);
  EXPECT_EQ(host.args[0], "C:\\docs\\none.txt");
  EXPECT_EQ(store.Length(), 0u);
}

TEST_F(LoadSaveTest, TextOverTheStoreLimitIsCut) {
  const OpenOutcome r = Open(std::string(kMaxTextSize + 10, 'a'));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(store.Length(), kMaxLoadSize);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgTooManyChars);
}

TEST_F(LoadSaveTest, DetectFileLooksAtTheStartOnly) {
  fs.WriteFile(kFile, std::string(kDetectSampleBytes, 'a') + "\x1B$B");
  EXPECT_EQ(DetectFile(fs, kFile, false).code, CharCodeId::kShiftJis);
  EXPECT_EQ(DetectFile(fs, "C:\\nothing", false).code, CharCodeId::kShiftJis);
  fs.WriteFile(kFile, "a\rb");
  EXPECT_EQ(DetectFile(fs, kFile, false).lineEnd(), LineEndId::kCr);
}

// ---- Saving ----

TEST_F(LoadSaveTest, EveryCodeAndLineEndComesBackByteForByte) {
  const std::string body = "Quelt " + kA + "\xB1\xDF" + "\r\n\r\nx\t" + kA + "\r\nend";
  for (CharCodeId code : {CharCodeId::kShiftJis, CharCodeId::kJis, CharCodeId::kEuc}) {
    for (LineEndId le : {LineEndId::kCrLf, LineEndId::kCr, LineEndId::kLf}) {
      const ConvertResult file =
          FromInternal(reinterpret_cast<const std::uint8_t*>(body.data()), body.size(), code, le);
      ASSERT_TRUE(Open(file.bytes).ok);
      EXPECT_EQ(store.Text(), body);
      const SaveOutcome s = SaveTextFile(Ctx(), "C:\\docs\\out.txt", store);
      ASSERT_TRUE(s.ok);
      EXPECT_EQ(*fs.Content("C:\\docs\\out.txt"), file.bytes) << int(code) << "/" << int(le);
      EXPECT_EQ(s.bytes, file.bytes);
    }
  }
}

TEST_F(LoadSaveTest, JisTextEndingInKanjiEndsWithTheEscapeBack) {
  ASSERT_TRUE(Open("a\n" + kJisA).ok);
  store.Insert(store.Length(), kA);
  ASSERT_TRUE(SaveTextFile(Ctx(), kFile, store).ok);
  EXPECT_EQ(*fs.Content(kFile), "a\n\x1B$B\x30\x21\x30\x21\x1B(B");
}

TEST_F(LoadSaveTest, TooLargeToConvertIsRefusedAndTheOldFileKept) {
  ASSERT_TRUE(Open("old\n").ok);  // Shift-JIS with LF
  const std::string big(kMaxConvertBytes + 1, 'a');
  store.Insert(0, big);
  const SaveOutcome s = SaveTextFile(Ctx(), kFile, store);
  EXPECT_FALSE(s.ok);
  EXPECT_FALSE(s.written);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgDocumentTooLargeToConvert);
  EXPECT_EQ(*fs.Content(kFile), "old\n");
  // The same text as Shift-JIS with CR LF is saved unconverted.
  store.SetLineEnd(static_cast<int>(LineEndId::kCrLf));
  ASSERT_TRUE(SaveTextFile(Ctx(), kFile, store).ok);
  EXPECT_EQ(fs.Content(kFile)->size(), big.size() + 5);
}

TEST_F(LoadSaveTest, FailedWriteReportsAndLeavesTheOldFile) {
  ASSERT_TRUE(Open(kEucA + "\n").ok);
  store.Insert(0, "new ");
  fs.FailWritesAfter(0);
  const SaveOutcome s = SaveTextFile(Ctx(), kFile, store);
  EXPECT_FALSE(s.ok);
  EXPECT_FALSE(s.written);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgSaveFailed);
  EXPECT_EQ(host.args[0], kFile);
  EXPECT_EQ(*fs.Content(kFile), kEucA + "\n");
  // A read-only file is not replaced either.
  fs.FailWritesAfter(-1);
  fs.SetReadOnly(kFile, true);
  EXPECT_FALSE(SaveTextFile(Ctx(), kFile, store).ok);
  EXPECT_EQ(*fs.Content(kFile), kEucA + "\n");
}

TEST_F(LoadSaveTest, BinaryAndEmptyDocumentsSave) {
  const std::string bytes = std::string("\x00\r\x01\n", 4) + kEucA;
  ASSERT_TRUE(Open(bytes, DocumentKind::kBinary).ok);
  store.SetCharCode(static_cast<int>(CharCodeId::kEuc));  // ignored in binary kind
  ASSERT_TRUE(SaveTextFile(Ctx(), "C:\\docs\\b.bin", store).ok);
  EXPECT_EQ(*fs.Content("C:\\docs\\b.bin"), bytes);

  ASSERT_TRUE(Open(kEucA + "\n").ok);
  store.Delete(0, store.Length());
  store.SetOpenedFromCipher(true);
  ASSERT_TRUE(SaveTextFile(Ctx(), kFile, store).ok);
  EXPECT_EQ(*fs.Content(kFile), "");
  EXPECT_FALSE(store.OpenedFromCipher());
}

TEST_F(LoadSaveTest, SaveAsksForANameWithoutAWritableFile) {
  fs.WriteFile(kFile, "x");
  EXPECT_FALSE(SaveNeedsDialog(fs, kFile));
  EXPECT_TRUE(SaveNeedsDialog(fs, ""));
  EXPECT_TRUE(SaveNeedsDialog(fs, "C:\\docs\\gone.txt"));
  fs.SetReadOnly(kFile, true);
  EXPECT_TRUE(SaveNeedsDialog(fs, kFile));
}

// ---- Save As ----

class FakeSaveDialog : public SaveAsDialog {
 public:
  bool Run(const SaveAsRequest& r, SaveAsChoice& c) override {
    ++runs;
    request = r;
    c = choice;
    return accept;
  }
  int runs = 0;
  bool accept = true;
  SaveAsRequest request;
  SaveAsChoice choice;
};

class DoSaveTest : public LoadSaveTest {
 protected:
  DoSaveOutcome Run(const std::string* path, const DocumentNames& names) {
    return DoSave(fs, host, store, path, names, dialog, [this](const std::string& p) {
      ++saves;
      if (failSave) return SaveOutcome{false, writeBeforeFailing, {}};
      return SaveTextFile(Ctx(), p, store);
    });
  }
  FakeSaveDialog dialog;
  int saves = 0;
  bool failSave = false;
  bool writeBeforeFailing = false;
};

TEST_F(DoSaveTest, AutoCodeWithLfKeepsTheCodeAndChangesTheLineEnd) {
  ASSERT_TRUE(Open(kA + "\r\nb").ok);
  dialog.choice = {"C:\\docs\\lf.txt", CharCodeId::kAuto, LineEndId::kLf};
  const DoSaveOutcome r = Run(nullptr, {kFile, "a.txt", 0});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.path, "C:\\docs\\lf.txt");
  EXPECT_EQ(*fs.Content("C:\\docs\\lf.txt"), kA + "\nb");
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
  EXPECT_EQ(LineEnd(), LineEndId::kLf);
  // The dialog was preset from the document and proposed its path.
  EXPECT_EQ(dialog.request.proposedName, kFile);
  EXPECT_EQ(dialog.request.code, CharCodeId::kShiftJis);
  EXPECT_EQ(dialog.request.lineEnd, LineEndId::kCrLf);
  EXPECT_FALSE(dialog.request.binary);
}

TEST_F(DoSaveTest, UntitledDocumentsProposeAShortName) {
  ASSERT_TRUE(store.Create());
  dialog.accept = false;
  EXPECT_FALSE(Run(nullptr, {"", "memo;12345", 0}).ok);
  EXPECT_EQ(dialog.request.proposedName, "memo.txt");
  EXPECT_EQ(saves, 0);
  Run(nullptr, {"", "memo;12345", 1});  // a C cabinet adds no extension
  EXPECT_EQ(dialog.request.proposedName, "memo");
}

TEST_F(DoSaveTest, APathGivenSavesWithoutTheDialog) {
  ASSERT_TRUE(Open(kEucA + "\n").ok);
  const std::string target = "C:\\docs\\copy.txt";
  ASSERT_TRUE(Run(&target, {kFile, "a.txt", 0}).ok);
  EXPECT_EQ(dialog.runs, 0);
  EXPECT_EQ(*fs.Content(target), kEucA + "\n");
}

TEST_F(DoSaveTest, FailureRestoresCodeAndLineEndAndRemovesOnlyANewFile) {
  ASSERT_TRUE(Open(kEucA + "\n").ok);
  dialog.choice = {"C:\\docs\\new.txt", CharCodeId::kJis, LineEndId::kCr};
  failSave = true;
  writeBeforeFailing = true;
  EXPECT_FALSE(Run(nullptr, {kFile, "a.txt", 0}).ok);
  EXPECT_EQ(Code(), CharCodeId::kEuc);
  EXPECT_EQ(LineEnd(), LineEndId::kLf);

  // A file that existed before the Save As is never removed.
  fs.WriteFile("C:\\docs\\old.txt", "keep");
  dialog.choice.path = "C:\\docs\\old.txt";
  EXPECT_FALSE(Run(nullptr, {kFile, "a.txt", 0}).ok);
  EXPECT_EQ(*fs.Content("C:\\docs\\old.txt"), "keep");
}

TEST_F(DoSaveTest, SaveAsOfANewFileThatFailsAfterWritingRemovesIt) {
  ASSERT_TRUE(Open("a\n").ok);
  dialog.choice = {"C:\\docs\\new.txt", CharCodeId::kAuto, LineEndId::kAuto};
  const std::string target = dialog.choice.path;
  const DoSaveOutcome r = DoSave(fs, host, store, nullptr, {kFile, "a.txt", 0}, dialog, [&](const std::string& p) {
    SaveOutcome s = SaveTextFile(Ctx(), p, store);
    s.ok = false;  // a later step of the save failed
    return s;
  });
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(fs.Exists(target));
}

// The automation object's Save As gives the path itself: a save whose
// attribute file cannot be written takes the new text file away all the
// same, and never a file that was there before.
TEST_F(DoSaveTest, SaveAsWithAGivenPathRemovesTheNewFileWhenItsAttributeFileFails) {
  ASSERT_TRUE(Open("a\r\nb").ok);
  DocMarks marks;
  marks.SetMarks({-2}, {});
  auto saveWithMarks = [&](const std::string& p) {
    SaveOutcome s = SaveTextFile(Ctx(), p, store);
    if (s.ok && !WriteAttributeFile(marks, store, p, fs, host, true, true)) s.ok = false;
    return s;
  };
  const std::string target = "C:\\docs\\auto.txt";
  fs.FailWritesAfter(1);  // the text file is written, its attribute file is not
  EXPECT_FALSE(DoSave(fs, host, store, &target, {kFile, "a.txt", 0}, dialog, saveWithMarks).ok);
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgAttributeWriteError}));
  EXPECT_FALSE(fs.Exists(target));
  EXPECT_FALSE(fs.Exists("C:\\docs\\auto.ATR"));
  EXPECT_EQ(dialog.runs, 0);

  fs.FailWritesAfter(-1);
  ASSERT_TRUE(fs.WriteFile(target, "old"));
  fs.FailWritesAfter(1);
  EXPECT_FALSE(DoSave(fs, host, store, &target, {kFile, "a.txt", 0}, dialog, saveWithMarks).ok);
  EXPECT_TRUE(fs.Exists(target));

  fs.FailWritesAfter(-1);
  ASSERT_TRUE(fs.RemoveFile(target));
  EXPECT_TRUE(DoSave(fs, host, store, &target, {kFile, "a.txt", 0}, dialog, saveWithMarks).ok);
  EXPECT_EQ(*fs.Content(target), "a\r\nb");
  EXPECT_TRUE(fs.Exists("C:\\docs\\auto.ATR"));
}

TEST_F(DoSaveTest, BinaryDocumentsKeepTheirCodeWhateverTheDialogSays) {
  ASSERT_TRUE(Open("ab", DocumentKind::kBinary).ok);
  dialog.choice = {"C:\\docs\\b.bin", CharCodeId::kEuc, LineEndId::kLf};
  ASSERT_TRUE(Run(nullptr, {kFile, "a.txt", 0}).ok);
  EXPECT_TRUE(dialog.request.binary);
  EXPECT_EQ(Code(), CharCodeId::kShiftJis);
  EXPECT_EQ(*fs.Content("C:\\docs\\b.bin"), "ab");
}

}  // namespace
}  // namespace quelt
