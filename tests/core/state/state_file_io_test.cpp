#include <gtest/gtest.h>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "fake_sealer.h"
#include "state/state_file.h"

namespace quelt {
namespace {

constexpr char kPath[] = "C:\\Quelt\\quelt.DAT";

class StateFileIo : public ::testing::Test {
 protected:
  void SetUp() override { fs.CreateFolder("C:\\Quelt"); }
  MemoryFileSystem fs;
  test::FakeHost host;
};

TEST_F(StateFileIo, MissingFileGivesDefaultsSilently) {
  StateFileData d;
  d.searchHistory = {"x"};
  EXPECT_EQ(ReadStateFile(fs, host, kPath, d), StateFileRead::kMissing);
  EXPECT_EQ(d, StateFileData{});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StateFileIo, WrittenFileReadsBack) {
  StateFileData d;
  d.maskHistory = {"C:\\src\\*.c"};
  d.cipher.key = "abcdef";
  const test::FakeSealer sealer;
  ASSERT_TRUE(WriteStateFile(fs, host, kPath, d, false, &sealer));
  StateFileData back;
  EXPECT_EQ(ReadStateFile(fs, host, kPath, back, &sealer), StateFileRead::kRead);
  EXPECT_EQ(back, d);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StateFileIo, InvalidContentShowsTheContentMessage) {
  fs.WriteFile(kPath, std::string(400, '\x01'));
  StateFileData d;
  d.searchHistory = {"x"};
  EXPECT_EQ(ReadStateFile(fs, host, kPath, d), StateFileRead::kRefused);
  EXPECT_EQ(d, StateFileData{});
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgStateFileKeptAside});
}

TEST_F(StateFileIo, OversizedFileIsReadOnlyToTheBufferAndRefused) {
  StateFileData d;
  std::string bytes;
  BuildStateFile(d, bytes);
  bytes.resize(kStateFileBufferSize + 100, '\0');
  fs.WriteFile(kPath, bytes);
  EXPECT_EQ(ReadStateFile(fs, host, kPath, d), StateFileRead::kRefused);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgStateFileKeptAside});
}

TEST_F(StateFileIo, UnreadableFileShowsTheReadMessage) {
  fs.CreateFolder(kPath);  // a folder where the file should be
  StateFileData d;
  EXPECT_EQ(ReadStateFile(fs, host, kPath, d), StateFileRead::kRefused);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileReadError});
}

TEST_F(StateFileIo, WriteFailureShowsTheWriteMessageAndKeepsTheOldFile) {
  fs.WriteFile(kPath, "old");
  fs.FailWritesAfter(0);
  EXPECT_FALSE(WriteStateFile(fs, host, kPath, StateFileData{}));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileWriteError});
  EXPECT_EQ(*fs.Content(kPath), "old");
}

// A file refused at start (one flipped byte is enough) survives the exit
// write beside the new file, the newest refused one replacing an older;
// when it cannot be kept aside, nothing replaces it.
TEST_F(StateFileIo, RefusedFileIsKeptAsideByTheExitWrite) {
  StateFileData d;
  d.searchHistory = {"needle"};
  ASSERT_TRUE(WriteStateFile(fs, host, kPath, d));
  std::string bytes = *fs.Content(kPath);
  bytes[290] ^= 0x40;  // a history count far over 20
  fs.WriteFile(kPath, bytes);
  fs.WriteFile(RefusedStateFileName(kPath), "older refused file");

  StateFileData loaded;
  ASSERT_EQ(ReadStateFile(fs, host, kPath, loaded), StateFileRead::kRefused);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgStateFileKeptAside});
  EXPECT_EQ(host.args, std::vector<std::string>{"quelt.DAT.bad"});
  ASSERT_TRUE(WriteStateFile(fs, host, kPath, loaded, true));
  EXPECT_EQ(*fs.Content(RefusedStateFileName(kPath)), bytes);
  StateFileData back;
  EXPECT_EQ(ReadStateFile(fs, host, kPath, back), StateFileRead::kRead);

  // The copy cannot be written: the refused file stays as it was.
  fs.WriteFile(kPath, bytes);
  fs.FailWritesAfter(0);
  host.messages.clear();
  EXPECT_FALSE(WriteStateFile(fs, host, kPath, loaded, true));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileWriteError});
  EXPECT_EQ(*fs.Content(kPath), bytes);

  // An unreadable file cannot be kept aside, so it is not replaced either.
  fs.FailWritesAfter(-1);
  fs.FailReads(kPath);
  EXPECT_FALSE(WriteStateFile(fs, host, kPath, loaded, true));
  EXPECT_EQ(*fs.Content(kPath), bytes);
}

TEST_F(StateFileIo, UnknownPathWritesNothing) {
  EXPECT_FALSE(WriteStateFile(fs, host, "", StateFileData{}));
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace quelt
