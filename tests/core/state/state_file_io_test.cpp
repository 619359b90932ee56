#include <gtest/gtest.h>

#include "base/memory_file_system.h"
#include "fake_host.h"
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
  EXPECT_FALSE(ReadStateFile(fs, host, kPath, d));
  EXPECT_EQ(d, StateFileData{});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StateFileIo, WrittenFileReadsBack) {
  StateFileData d;
  d.maskHistory = {"C:\\src\\*.c"};
  d.cipher.key = "abcdef";
  ASSERT_TRUE(WriteStateFile(fs, host, kPath, d));
  StateFileData back;
  EXPECT_TRUE(ReadStateFile(fs, host, kPath, back));
  EXPECT_EQ(back, d);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StateFileIo, InvalidContentShowsTheContentMessage) {
  fs.WriteFile(kPath, std::string(400, '\x01'));
  StateFileData d;
  d.searchHistory = {"x"};
  EXPECT_FALSE(ReadStateFile(fs, host, kPath, d));
  EXPECT_EQ(d, StateFileData{});
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileInvalid});
}

TEST_F(StateFileIo, OversizedFileIsReadOnlyToTheBufferAndRefused) {
  StateFileData d;
  std::string bytes;
  BuildStateFile(d, bytes);
  bytes.resize(kStateFileBufferSize + 100, '\0');
  fs.WriteFile(kPath, bytes);
  EXPECT_FALSE(ReadStateFile(fs, host, kPath, d));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileInvalid});
}

TEST_F(StateFileIo, UnreadableFileShowsTheReadMessage) {
  fs.CreateFolder(kPath);  // a folder where the file should be
  StateFileData d;
  EXPECT_FALSE(ReadStateFile(fs, host, kPath, d));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileReadError});
}

TEST_F(StateFileIo, WriteFailureShowsTheWriteMessageAndKeepsTheOldFile) {
  fs.WriteFile(kPath, "old");
  fs.FailWritesAfter(0);
  EXPECT_FALSE(WriteStateFile(fs, host, kPath, StateFileData{}));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgDataFileWriteError});
  EXPECT_EQ(*fs.Content(kPath), "old");
}

TEST_F(StateFileIo, UnknownPathWritesNothing) {
  EXPECT_FALSE(WriteStateFile(fs, host, "", StateFileData{}));
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace quelt
