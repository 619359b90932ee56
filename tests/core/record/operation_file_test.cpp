#include "record/operation_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "find/find_record.h"
#include "record/operation_file_io.h"
#include "record/operation_recorder.h"
#include "record/recorded_commands.h"

namespace quelt {
namespace {

struct Played {
  std::uint32_t kind, id;
  std::string data;
  bool operator==(const Played&) const = default;
};

class KeepingSink : public OperationSink {
 public:
  bool Dispatch(const OperationRecord& r) override {
    played.push_back({r.kind, r.id, std::string(r.data)});
    return true;
  }
  std::vector<Played> played;
};

void Put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutOld(std::string& out, std::uint32_t kind, std::uint32_t id, std::string_view data) {
  Put16(out, kind);
  Put16(out, id);
  Put16(out, static_cast<std::uint32_t>(data.size()));
  out.append(data);
}

std::string OldFile(std::string_view comment, std::string_view records, std::uint32_t count) {
  std::string out;
  Put16(out, static_cast<std::uint32_t>(comment.size() + 9));
  Put16(out, static_cast<std::uint32_t>(records.size()));
  Put16(out, count);
  Put16(out, kLegacyOperationFileMark);
  out.append(comment);
  out.push_back('\0');
  out.append(records);
  return out;
}

const FindRequest kSearch{true, false, false, false, true, false, "abc", "xyz", true, false};

// The old find dialog record: the same fields with 16-bit flags.
std::string OldSearchData(const FindRequest& r) {
  std::string d;
  for (bool f : {r.findNext, r.closing, r.replace, r.replaceAll, r.matchCase, r.down}) Put16(d, f);
  d += r.text + '\0' + r.replacement + '\0';
  Put16(d, r.regex);
  Put16(d, r.distinguishWidth);
  return d;
}

std::string OldSample(std::uint32_t& count) {
  std::string records;
  PutOld(records, kOpTypedText, 0, "\x93\xFA\x96\x7B");
  PutOld(records, kOpKeyDown, kOpModShift, "");
  PutOld(records, kOpViewCommand, kCmdEditCopy, "");  // older files hold command ids
  PutOld(records, kOpFrameCommand, 12345, "opaque");
  PutOld(records, kOpSearch, 0, OldSearchData(kSearch));
  PutOld(records, kOpFindBox, 1, std::string("find\0", 5));
  PutOld(records, kOpDelete, 3, "");
  count = 7;
  return OldFile("old one", records, count);
}

class OperationFileTest : public ::testing::Test {
 protected:
  test::FakeHost host;
  MemoryFileSystem fs;
  OperationRecorder recorder{host, [](std::size_t) { return true; }};

  std::vector<Played> PlayAll() {
    KeepingSink sink;
    recorder.Play(sink);
    return sink.played;
  }
  void RecordSample() {
    ASSERT_TRUE(recorder.StartRecording());
    recorder.Record(kOpTypedText, 0, "\x93\xFA\x96\x7B");
    recorder.Record(kOpKeyDown, kOpModShift);
    recorder.Record(kOpViewCommand, kCmdEditCopy);
    recorder.Record(kOpFrameCommand, kCmdWriteProtect, "opaque");
    recorder.Record(kOpSearch, 0, EncodeFindRecord(kSearch));
    recorder.Record(kOpFindBox, 1, std::string("find\0", 5));
    recorder.Record(kOpDelete, 3);
    recorder.StopRecording();
  }
};

TEST_F(OperationFileTest, SaveAndLoadRoundTrip) {
  RecordSample();
  const std::vector<Played> expected = PlayAll();
  ASSERT_TRUE(fs.CreateFolder("C:\\q"));
  ASSERT_TRUE(recorder.Save(fs, "C:\\q\\m.mac", "\x83\x81\x83\x82"));
  const std::string* file = fs.Content("C:\\q\\m.mac");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(ReadWord32(file->data()), 4u + 17);
  EXPECT_EQ(ReadWord32(file->data() + 4), recorder.BytesUsed());
  EXPECT_EQ(ReadWord32(file->data() + 8), 7u);
  EXPECT_EQ(ReadWord32(file->data() + 12), kOperationFileMark);
  EXPECT_EQ(file->size(), 21u + recorder.BytesUsed());

  OperationRecorder other(host, [](std::size_t) { return true; });
  ASSERT_EQ(other.Load(fs, "C:\\q\\m.mac"), OperationParse::kLoaded);
  EXPECT_EQ(other.Records(), recorder.Records());
  EXPECT_EQ(other.Count(), 7);
  EXPECT_EQ(other.Comment(), "\x83\x81\x83\x82");
  EXPECT_EQ(other.FileName(), "C:\\q\\m.mac");
  KeepingSink sink;
  EXPECT_EQ(other.Play(sink), PlayOutcome::kFinished);
  EXPECT_EQ(sink.played, expected);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(OperationFileTest, WriteFailureShowsItsMessage) {
  RecordSample();
  fs.FailWritesAfter(0);
  EXPECT_FALSE(recorder.Save(fs, "C:\\m.mac", ""));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgOperationFileWriteError});
  EXPECT_EQ(recorder.FileName(), "");
}

TEST(OperationFileComment, CutToOneHundredBytesOnACharacterBoundary) {
  EXPECT_EQ(SavableComment(std::string(101, 'a')), std::string(100, 'a'));
  // 99 single bytes then a double-byte character: it would end at 101.
  const std::string mixed = std::string(99, 'a') + "\x82\xA0";
  EXPECT_EQ(SavableComment(mixed), std::string(99, 'a'));
  EXPECT_EQ(SavableComment(std::string("ab\0cd", 5)), "ab");
  const std::string file = BuildOperationFile(std::string(150, 'c'), {}, 0);
  EXPECT_EQ(ReadWord32(file.data()), 117u);
}

TEST(OperationFileHeader, CommentOfOneHundredBytesLoadsAndOneMoreDoesNot) {
  OperationImage image;
  EXPECT_EQ(ParseOperationFile(BuildOperationFile(std::string(100, 'c'), {}, 0), image), OperationParse::kLoaded);
  EXPECT_EQ(image.comment, std::string(100, 'c'));
  // A 101-byte comment with a header length that agrees with it.
  std::string file;
  AppendWord32(file, 101 + 17);
  AppendWord32(file, 0);
  AppendWord32(file, 0);
  AppendWord32(file, kOperationFileMark);
  file += std::string(101, 'c') + '\0';
  EXPECT_EQ(ParseOperationFile(file, image), OperationParse::kRefused);
  EXPECT_FALSE(ReadOperationHeader(file));
  EXPECT_EQ(ParseOperationFile(OldFile(std::string(101, 'c'), {}, 0), image), OperationParse::kRefused);
  EXPECT_EQ(ParseOperationFile(OldFile(std::string(100, 'c'), {}, 0), image), OperationParse::kLoaded);
}

TEST(OperationFileHeader, EveryFieldIsChecked) {
  std::string records;
  AppendStoredRecord(records, kOpDelete, 1, {});
  const std::string good = BuildOperationFile("c", records, 1);
  OperationImage image;
  ASSERT_EQ(ParseOperationFile(good, image), OperationParse::kLoaded);
  auto with = [&](std::size_t at, std::uint32_t v) {
    std::string f = good;
    WriteWord32(f.data() + at, v);
    return ParseOperationFile(f, image);
  };
  EXPECT_EQ(with(12, 201), OperationParse::kRefused);                    // mark
  EXPECT_EQ(with(0, 19), OperationParse::kRefused);                      // header length
  EXPECT_EQ(with(4, kRecordBufferSize + 1), OperationParse::kRefused);   // cannot fit the buffer
  EXPECT_EQ(with(4, 13), OperationParse::kDamaged);                      // more records than the file holds
  EXPECT_EQ(with(4, 11), OperationParse::kDamaged);                      // a record cut short
  EXPECT_EQ(with(8, 2), OperationParse::kDamaged);                       // count
  EXPECT_EQ(with(8, 0), OperationParse::kDamaged);
  EXPECT_EQ(with(18 + 8, 1), OperationParse::kDamaged);                  // a record's length
  EXPECT_TRUE(image.records.empty());
  EXPECT_EQ(ParseOperationFile(good + "trailing", image), OperationParse::kLoaded);
}

TEST_F(OperationFileTest, OlderFilePlaysLikeACurrentOne) {
  RecordSample();
  const std::vector<Played> expected = PlayAll();
  std::uint32_t count = 0;
  fs.WriteFile("C:\\old.mac", OldSample(count));
  ASSERT_EQ(recorder.Load(fs, "C:\\old.mac"), OperationParse::kLoaded);
  EXPECT_EQ(recorder.Count(), count);
  EXPECT_EQ(recorder.Comment(), "old one");
  EXPECT_EQ(PlayAll(), expected);
  EXPECT_EQ(ReadOperationComment(fs, "C:\\old.mac"), "old one");
}

TEST(OperationFileLegacy, UnconvertibleRecordsAreDamage) {
  OperationImage image;
  std::string records;
  PutOld(records, kOpSearch, 0, OldSearchData(kSearch) + "x");  // a byte too many
  EXPECT_EQ(ParseOperationFile(OldFile("", records, 1), image), OperationParse::kDamaged);
  records.clear();
  PutOld(records, kOpSearch, 0, OldSearchData(kSearch).substr(0, 14));  // no zero bytes
  EXPECT_EQ(ParseOperationFile(OldFile("", records, 1), image), OperationParse::kDamaged);
  // Records that widen past the buffer: 5,460 bare keys take 65,520 bytes.
  records.clear();
  for (int i = 0; i < 5460; ++i) PutOld(records, kOpKeyUp, 0, "");
  EXPECT_EQ(ParseOperationFile(OldFile("", records, 5460), image), OperationParse::kDamaged);
  records.resize(6 * 5120);
  EXPECT_EQ(ParseOperationFile(OldFile("", records, 5120), image), OperationParse::kLoaded);
  EXPECT_EQ(image.records.size(), kRecordBufferSize);
}

TEST_F(OperationFileTest, TruncatedFilesNeverLoad) {
  RecordSample();
  ASSERT_TRUE(recorder.Save(fs, "C:\\m.mac", "comment"));
  std::uint32_t count = 0;
  for (const std::string& whole : {*fs.Content("C:\\m.mac"), OldSample(count)}) {
    for (std::size_t n = 0; n < whole.size(); ++n) {
      OperationImage image;
      const OperationParse r = ParseOperationFile(std::string_view(whole).substr(0, n), image);
      ASSERT_NE(r, OperationParse::kLoaded) << n;
      EXPECT_TRUE(image.records.empty());
    }
  }
}

TEST_F(OperationFileTest, RefusedFilesKeepTheBufferDamagedOnesEmptyIt) {
  RecordSample();
  const std::string kept(recorder.Records());
  EXPECT_EQ(recorder.Load(fs, "C:\\missing.mac"), OperationParse::kRefused);
  fs.WriteFile("C:\\bad.mac", "not an operation file at all");
  EXPECT_EQ(recorder.Load(fs, "C:\\bad.mac"), OperationParse::kRefused);
  EXPECT_EQ(recorder.Records(), kept);
  std::string file = BuildOperationFile("", kept, recorder.Count());
  file.pop_back();
  fs.WriteFile("C:\\cut.mac", file);
  recorder.StartRecording();
  EXPECT_EQ(recorder.Load(fs, "C:\\cut.mac"), OperationParse::kDamaged);
  EXPECT_EQ(recorder.Count(), 0);
  EXPECT_FALSE(recorder.IsRecording());
  EXPECT_TRUE(host.messages.empty());
  KeepingSink sink;
  EXPECT_EQ(recorder.PlayFile(fs, "C:\\cut.mac", sink), PlayOutcome::kNotLoaded);
  EXPECT_TRUE(sink.played.empty());
  EXPECT_EQ(host.beeps, 0);
}

TEST(OperationFileName, FolderOfTheExecutableAndTheExtension) {
  EXPECT_EQ(OperationFilePath("C:\\Q\\", "edit"), "C:\\Q\\edit.mac");
  EXPECT_EQ(OperationFilePath("C:\\Q\\", "edit.MAC"), "C:\\Q\\edit.MAC");
  EXPECT_EQ(OperationFilePath("C:\\Q\\", "edit.macro"), "C:\\Q\\edit.macro.mac");
  EXPECT_EQ(OperationFilePath("C:\\Q\\", "\x95\x5C"), "C:\\Q\\\x95\x5C.mac");  // trail byte 0x5C
  for (const char* bad : {"", "a\\b", "C:a", "..\\a", "a/b", "a*", "a?", "a|b", "a\"", "...", "  ", "con",
                          "NUL.mac", "com1", "lpt9.txt"})
    EXPECT_FALSE(OperationFilePath("C:\\Q\\", bad)) << bad;
  EXPECT_TRUE(OperationFilePath("C:\\Q\\", "console"));
  // The full path stays under 260 bytes.
  const std::string folder = "C:\\" + std::string(240, 'f') + "\\";  // 244 bytes
  EXPECT_TRUE(OperationFilePath(folder, std::string(11, 'n')));       // 259
  EXPECT_FALSE(OperationFilePath(folder, std::string(12, 'n')));      // 260
  EXPECT_FALSE(OperationFilePath(folder, std::string(12, 'n') + ".mac").has_value());
}

TEST(OperationFileList, AtMostOneHundredWithTheirComments) {
  MemoryFileSystem fs;
  ASSERT_TRUE(fs.CreateFolder("C:\\Q"));
  fs.WriteFile("C:\\Q\\b.MAC", BuildOperationFile("second", {}, 0));
  fs.WriteFile("C:\\Q\\A.mac", BuildOperationFile("first", {}, 0));
  fs.WriteFile("C:\\Q\\broken.mac", "junk");
  fs.WriteFile("C:\\Q\\notes.txt", BuildOperationFile("no", {}, 0));
  fs.CreateFolder("C:\\Q\\dir.mac");
  const auto list = ListOperationFiles(fs, "C:\\Q\\");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].name, "A.mac");
  EXPECT_EQ(list[0].comment, "first");
  EXPECT_EQ(list[1].name, "b.MAC");
  EXPECT_EQ(list[2].comment, "");
  EXPECT_TRUE(OperationFileExists(fs, "C:\\Q\\a.mac"));
  EXPECT_FALSE(OperationFileExists(fs, "C:\\Q\\dir.mac"));
  for (int i = 0; i < 120; ++i) fs.WriteFile("C:\\Q\\m" + std::to_string(i) + ".mac", "");
  EXPECT_EQ(ListOperationFiles(fs, "C:\\Q").size(), kMaxListedOperationFiles);
  EXPECT_TRUE(ListOperationFiles(fs, "C:\\none").empty());
}

}  // namespace
}  // namespace quelt
