#include "record/operation_recorder.h"

#include <cstring>
#include <new>

#include "record/recorded_commands.h"

namespace quelt {
namespace {

// Clears the playing state however playback ends.
class PlayingScope {
 public:
  PlayingScope(bool& playing, std::string_view& current) : playing_(playing), current_(current) { playing_ = true; }
  ~PlayingScope() {
    playing_ = false;
    current_ = {};
  }
  PlayingScope(const PlayingScope&) = delete;
  PlayingScope& operator=(const PlayingScope&) = delete;

 private:
  bool& playing_;
  std::string_view& current_;
};

}  // namespace

bool ProbeMemory(std::size_t bytes) {
  void* p = ::operator new(bytes, std::nothrow);
  if (!p) return false;
  ::operator delete(p);
  return true;
}

OperationRecorder::OperationRecorder(Host& host, MemoryCheck memoryCheck)
    : host_(host), memoryCheck_(std::move(memoryCheck)) {}

OperationRecorder::~OperationRecorder() = default;

bool OperationRecorder::EnsureBuffer() {
  if (!buffer_) buffer_.reset(new (std::nothrow) char[kRecordBufferSize]);
  if (buffer_) return true;
  host_.ShowMessage(kMsgOutOfMemory);
  return false;
}

void OperationRecorder::Clear() {
  count_ = 0;
  used_ = 0;
  ++generation_;
}

std::string_view OperationRecorder::Records() const {
  return buffer_ ? std::string_view(buffer_.get(), used_) : std::string_view();
}

bool OperationRecorder::StartRecording() {
  if (memoryCheck_ && !memoryCheck_(kRecorderMemoryCheck)) {
    host_.ShowMessage(kMsgOutOfMemory);
    return false;
  }
  if (!EnsureBuffer()) return false;
  Clear();
  fileName_.clear();
  recording_ = true;
  return true;
}

void OperationRecorder::StopRecording() { recording_ = false; }

bool OperationRecorder::Record(std::uint32_t kind, std::uint32_t id, std::string_view data) {
  if (!recording_ || !buffer_) return false;
  if (kind == kOpTypedText && data.size() >= kTypedTextLimit) return false;
  if (std::size_t(used_) + data.size() + kRecordHeaderSize > kRecordBufferSize) {
    host_.ShowMessage(kMsgRecordBufferFull);
    recording_ = false;
    return false;
  }
  if (IsCommandKind(kind)) id = RecordedCommandIndex(id);
  char* p = buffer_.get() + used_;
  WriteWord32(p, kind);
  WriteWord32(p + 4, id);
  WriteWord32(p + 8, static_cast<std::uint32_t>(data.size()));
  // The data may be the current data of playback, which lies before used_.
  if (!data.empty()) std::memmove(p + kRecordHeaderSize, data.data(), data.size());
  used_ = static_cast<std::uint16_t>(used_ + kRecordHeaderSize + data.size());
  ++count_;
  return true;
}

PlayOutcome OperationRecorder::Play(OperationSink& sink) {
  if (playing_) return PlayOutcome::kBusy;
  if (memoryCheck_ && !memoryCheck_(kRecorderMemoryCheck)) {
    host_.ShowMessage(kMsgOutOfMemory);
    return PlayOutcome::kOutOfMemory;
  }
  if (count_ == 0 || !buffer_) {
    host_.Beep();
    return PlayOutcome::kEmpty;
  }
  PlayingScope scope(playing_, current_);
  // Records a handler adds while recording are not played in this run.
  const std::string_view records(buffer_.get(), used_);
  const std::uint32_t generation = generation_;
  std::size_t pos = 0;
  OperationRecord r;
  while (NextStoredRecord(records, pos, r)) {
    if (IsCommandKind(r.kind)) r.id = RecordedCommandAt(r.id);
    current_ = r.data;
    if (!sink.Dispatch(r) || generation != generation_) return PlayOutcome::kStopped;
  }
  return PlayOutcome::kFinished;
}

bool OperationRecorder::Save(FileSystem& fs, const std::string& path, std::string_view comment) {
  if (!fs.WriteFile(path, BuildOperationFile(comment, Records(), count_))) {
    host_.ShowMessage(kMsgOperationFileWriteError);
    return false;
  }
  fileName_ = path;
  comment_ = SavableComment(comment);
  return true;
}

OperationParse OperationRecorder::Load(FileSystem& fs, const std::string& path) {
  if (playing_) return OperationParse::kRefused;
  std::string bytes;
  if (!fs.ReadFile(path, bytes, kMaxOperationFileRead)) return OperationParse::kRefused;
  OperationImage image;
  const OperationParse result = ParseOperationFile(bytes, image);
  if (result == OperationParse::kRefused || !EnsureBuffer()) return OperationParse::kRefused;
  recording_ = false;
  Clear();
  fileName_.clear();
  comment_.clear();
  if (result != OperationParse::kLoaded || image.records.size() > kRecordBufferSize) return OperationParse::kDamaged;
  std::memcpy(buffer_.get(), image.records.data(), image.records.size());
  used_ = static_cast<std::uint16_t>(image.records.size());
  count_ = static_cast<std::uint16_t>(image.count);
  fileName_ = path;
  comment_ = std::move(image.comment);
  return result;
}

PlayOutcome OperationRecorder::PlayFile(FileSystem& fs, const std::string& path, OperationSink& sink) {
  if (playing_) return PlayOutcome::kBusy;
  if (Load(fs, path) != OperationParse::kLoaded) return PlayOutcome::kNotLoaded;
  return Play(sink);
}

}  // namespace quelt
