#include "record/operation_recorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "record/recorded_commands.h"

namespace quelt {
namespace {

struct Played {
  std::uint32_t kind, id;
  std::string data;
  bool operator==(const Played&) const = default;
};

// Keeps what was dispatched and what the recorder showed handlers meanwhile;
// fails the record at failAt.
class FakeSink : public OperationSink {
 public:
  explicit FakeSink(const OperationRecorder& recorder) : recorder_(recorder) {}
  bool Dispatch(const OperationRecord& r) override {
    played.push_back({r.kind, r.id, std::string(r.data)});
    currentMatched = currentMatched && recorder_.IsPlaying() && recorder_.CurrentData() == r.data &&
                     recorder_.CurrentData().data() == r.data.data();
    if (onDispatch) onDispatch(r);
    return played.size() != failAt;
  }
  std::vector<Played> played;
  std::size_t failAt = 0;
  bool currentMatched = true;
  std::function<void(const OperationRecord&)> onDispatch;

 private:
  const OperationRecorder& recorder_;
};

class OperationRecorderTest : public ::testing::Test {
 protected:
  test::FakeHost host;
  OperationRecorder recorder{host, [](std::size_t) { return true; }};
  FakeSink sink{recorder};
};

TEST_F(OperationRecorderTest, RecordsOnlyWhileRecording) {
  EXPECT_FALSE(recorder.Record(kOpTypedText, 0, "a"));
  ASSERT_TRUE(recorder.StartRecording());
  EXPECT_TRUE(recorder.Record(kOpTypedText, 0, "ab"));
  EXPECT_TRUE(recorder.Record(kOpKeyLeft, kOpModShift | kOpModCtrl));
  EXPECT_EQ(recorder.Count(), 2);
  EXPECT_EQ(recorder.BytesUsed(), 2 * kRecordHeaderSize + 2);
  recorder.StopRecording();
  EXPECT_FALSE(recorder.Record(kOpDelete, 1));
  EXPECT_EQ(recorder.Count(), 2);  // the records stay after stopping
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kFinished);
  EXPECT_EQ(sink.played, (std::vector<Played>{{kOpTypedText, 0, "ab"}, {kOpKeyLeft, 3, ""}}));
  EXPECT_TRUE(sink.currentMatched);
  EXPECT_FALSE(recorder.IsPlaying());
  EXPECT_TRUE(recorder.CurrentData().empty());
}

TEST_F(OperationRecorderTest, StartingAgainClearsRecordsAndFileName) {
  MemoryFileSystem fs;
  ASSERT_TRUE(recorder.StartRecording());
  recorder.Record(kOpTypedText, 0, "x");
  ASSERT_TRUE(recorder.Save(fs, "C:\\a.mac", "c"));
  EXPECT_EQ(recorder.FileName(), "C:\\a.mac");
  ASSERT_TRUE(recorder.StartRecording());
  EXPECT_EQ(recorder.Count(), 0);
  EXPECT_EQ(recorder.BytesUsed(), 0);
  EXPECT_EQ(recorder.FileName(), "");
}

// 14 records of 4,096 bytes each leave exactly 4,096 bytes: a header and 4,084
// data bytes. Frame command data is not limited the way typed text is.
constexpr std::size_t kBlock = 4096 - kRecordHeaderSize;

void FillAllButOneBlock(OperationRecorder& r) {
  ASSERT_TRUE(r.StartRecording());
  for (int i = 0; i < 14; ++i) ASSERT_TRUE(r.Record(kOpFrameCommand, kCmdCabinetFormat, std::string(kBlock, 'x')));
  ASSERT_EQ(r.BytesUsed(), kRecordBufferSize - 4096);
}

TEST_F(OperationRecorderTest, BufferTakesExactlyItsSize) {
  FillAllButOneBlock(recorder);
  EXPECT_TRUE(recorder.Record(kOpFrameCommand, kCmdCabinetFormat, std::string(kBlock, 'y')));
  EXPECT_EQ(recorder.BytesUsed(), kRecordBufferSize);
  EXPECT_EQ(recorder.Count(), 15);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(recorder.IsRecording());
  // Full: even a bare key is one record too many.
  EXPECT_FALSE(recorder.Record(kOpKeyHome, 0));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgRecordBufferFull});
  EXPECT_FALSE(recorder.IsRecording());
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kFinished);
  EXPECT_EQ(sink.played.size(), 15u);
}

TEST_F(OperationRecorderTest, OneBytePastTheBufferEndsRecordingWithoutAdding) {
  FillAllButOneBlock(recorder);
  EXPECT_FALSE(recorder.Record(kOpFrameCommand, kCmdCabinetFormat, std::string(kBlock + 1, 'y')));
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgRecordBufferFull});
  EXPECT_FALSE(recorder.IsRecording());
  EXPECT_EQ(recorder.Count(), 14);
  EXPECT_EQ(recorder.BytesUsed(), kRecordBufferSize - 4096);
  EXPECT_FALSE(recorder.Record(kOpKeyHome, 0));  // no second message once stopped
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(OperationRecorderTest, TypedTextShorterThanTheLimitOnly) {
  ASSERT_TRUE(recorder.StartRecording());
  EXPECT_TRUE(recorder.Record(kOpTypedText, 0, std::string(kTypedTextLimit - 1, 'a')));
  EXPECT_FALSE(recorder.Record(kOpTypedText, 0, std::string(kTypedTextLimit, 'a')));
  EXPECT_FALSE(recorder.Record(kOpTypedText, 0, std::string(5000, 'a')));  // a long paste
  EXPECT_EQ(recorder.Count(), 1);
  EXPECT_TRUE(recorder.IsRecording());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(OperationRecorderTest, CommandsAreStoredByIndexAndPlayBackAsCommands) {
  ASSERT_TRUE(recorder.StartRecording());
  recorder.Record(kOpViewCommand, kCmdEditCopy);
  recorder.Record(kOpFrameCommand, kCmdCabinetChange, std::string("C:\\x.cab\0", 9));
  recorder.Record(kOpViewCommand, 33026);       // the last entry
  recorder.Record(kOpViewCommand, kCmdRecordToggle);  // not recordable
  recorder.Record(kOpFrameCommand, 12345);
  recorder.StopRecording();
  OperationRecord r;
  std::size_t pos = 0;
  std::vector<std::uint32_t> stored;
  while (NextStoredRecord(recorder.Records(), pos, r)) stored.push_back(r.id);
  EXPECT_EQ(stored, (std::vector<std::uint32_t>{12, 0, 69, kUnlistedCommandIndex, kUnlistedCommandIndex}));
  ASSERT_EQ(recorder.Play(sink), PlayOutcome::kFinished);
  ASSERT_EQ(sink.played.size(), 5u);
  EXPECT_EQ(sink.played[0].id, kCmdEditCopy);
  EXPECT_EQ(sink.played[1], (Played{kOpFrameCommand, kCmdCabinetChange, std::string("C:\\x.cab\0", 9)}));
  EXPECT_EQ(sink.played[2].id, 33026u);
  EXPECT_EQ(sink.played[3].id, kCmdWriteProtect);
  EXPECT_EQ(sink.played[4].id, kCmdWriteProtect);
}

TEST(RecordedCommands, TableEndsAndUnlistedIndexes) {
  EXPECT_EQ(RecordedCommandAt(0), kCmdCabinetChange);
  EXPECT_EQ(RecordedCommandAt(69), 33026);
  EXPECT_EQ(RecordedCommandAt(70), kCmdWriteProtect);
  EXPECT_EQ(RecordedCommandAt(0xFFFFFFFF), kCmdWriteProtect);
  EXPECT_EQ(RecordedCommandIndex(kCmdWriteProtect), 34u);  // not the spares
  // Every listed command maps back to itself.
  for (std::uint32_t i = 0; i < kRecordedCommandCount; ++i)
    EXPECT_EQ(RecordedCommandAt(RecordedCommandIndex(RecordedCommandAt(i))), RecordedCommandAt(i)) << i;
}

TEST_F(OperationRecorderTest, MemoryShortStartsNothing) {
  bool memory = true;
  std::vector<std::size_t> asked;
  OperationRecorder tight(host, [&](std::size_t n) {
    asked.push_back(n);
    return memory;
  });
  ASSERT_TRUE(tight.StartRecording());
  tight.Record(kOpTypedText, 0, "a");
  tight.StopRecording();
  memory = false;
  EXPECT_FALSE(tight.StartRecording());
  EXPECT_FALSE(tight.IsRecording());
  EXPECT_EQ(tight.Count(), 1);  // nothing cleared
  FakeSink tightSink(tight);
  EXPECT_EQ(tight.Play(tightSink), PlayOutcome::kOutOfMemory);
  EXPECT_TRUE(tightSink.played.empty());
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgOutOfMemory, kMsgOutOfMemory}));
  EXPECT_EQ(asked, (std::vector<std::size_t>{kRecorderMemoryCheck, kRecorderMemoryCheck, kRecorderMemoryCheck}));
}

TEST_F(OperationRecorderTest, EmptyBufferBeeps) {
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kEmpty);  // never recorded: no buffer yet
  recorder.StartRecording();
  recorder.StopRecording();
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kEmpty);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_TRUE(sink.played.empty());
  EXPECT_FALSE(recorder.IsPlaying());
}

TEST_F(OperationRecorderTest, FailingHandlerStopsPlaybackAndClearsTheFlag) {
  recorder.StartRecording();
  for (char c : std::string("abcd")) recorder.Record(kOpTypedText, 0, std::string(1, c));
  recorder.StopRecording();
  sink.failAt = 2;
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kStopped);
  EXPECT_EQ(sink.played.size(), 2u);
  EXPECT_FALSE(recorder.IsPlaying());
  EXPECT_TRUE(recorder.CurrentData().empty());
  // The records are still there for the next run.
  sink.failAt = 0;
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kFinished);
  EXPECT_EQ(sink.played.size(), 6u);
}

TEST_F(OperationRecorderTest, PlaybackRecordsNothingUnlessRecording) {
  recorder.StartRecording();
  recorder.Record(kOpTypedText, 0, "a");
  recorder.Record(kOpDelete, 1);
  recorder.StopRecording();
  sink.onDispatch = [&](const OperationRecord& r) { EXPECT_FALSE(recorder.Record(r.kind, r.id, r.data)); };
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kFinished);
  EXPECT_EQ(recorder.Count(), 2);
  // Nor does playback start again from inside a handler.
  sink.onDispatch = [&](const OperationRecord&) { EXPECT_EQ(recorder.Play(sink), PlayOutcome::kBusy); };
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kFinished);
}

TEST_F(OperationRecorderTest, PlayingWhileRecordingAppendsButPlaysOnlyWhatWasThere) {
  recorder.StartRecording();
  recorder.Record(kOpTypedText, 0, "a");
  recorder.Record(kOpViewCommand, kCmdEditPaste);
  sink.onDispatch = [&](const OperationRecord& r) { EXPECT_TRUE(recorder.Record(r.kind, r.id, r.data)); };
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kFinished);
  EXPECT_EQ(sink.played.size(), 2u);
  EXPECT_EQ(recorder.Count(), 4);
  sink.onDispatch = nullptr;
  sink.played.clear();
  recorder.StopRecording();
  recorder.Play(sink);
  EXPECT_EQ(sink.played,
            (std::vector<Played>{{kOpTypedText, 0, "a"}, {kOpViewCommand, kCmdEditPaste, ""},
                                 {kOpTypedText, 0, "a"}, {kOpViewCommand, kCmdEditPaste, ""}}));
}

TEST_F(OperationRecorderTest, RestartingDuringPlaybackStopsIt) {
  recorder.StartRecording();
  recorder.Record(kOpTypedText, 0, "a");
  recorder.Record(kOpTypedText, 0, "b");
  recorder.StopRecording();
  sink.onDispatch = [&](const OperationRecord&) { recorder.StartRecording(); };
  EXPECT_EQ(recorder.Play(sink), PlayOutcome::kStopped);
  EXPECT_EQ(sink.played.size(), 1u);
  EXPECT_FALSE(recorder.IsPlaying());
}

}  // namespace
}  // namespace quelt
