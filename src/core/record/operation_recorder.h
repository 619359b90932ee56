// The operation recorder: one for the whole program. Every recordable
// operation reports itself through Record when it is carried out; playback
// hands the records back one by one to a sink the front end implements, and
// command handlers ask IsPlaying and CurrentData whether to show their dialog
// or to take the recorded values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "base/host.h"
#include "record/operation_file.h"
#include "record/operation_record.h"

namespace quelt {

// The memory recording and playback make sure of before they start.
constexpr std::size_t kRecorderMemoryCheck = 131072;

// Whether that many bytes of memory can be obtained now.
using MemoryCheck = std::function<bool(std::size_t bytes)>;
// Obtains and frees the memory.
bool ProbeMemory(std::size_t bytes);

// Where playback sends the records: kind 512 to the frame, every other kind
// to the active text view (or the frame when none is active). False stops
// playback.
class OperationSink {
 public:
  virtual ~OperationSink() = default;
  virtual bool Dispatch(const OperationRecord& record) = 0;
};

enum class PlayOutcome {
  kFinished,     // every record was dispatched
  kStopped,      // a handler failed, or the records changed underneath
  kEmpty,        // nothing recorded: beeped
  kOutOfMemory,  // 59399 shown
  kBusy,         // already playing
  kNotLoaded,    // the operation file to play did not load
};

class OperationRecorder {
 public:
  explicit OperationRecorder(Host& host, MemoryCheck memoryCheck = ProbeMemory);
  ~OperationRecorder();
  OperationRecorder(const OperationRecorder&) = delete;
  OperationRecorder& operator=(const OperationRecorder&) = delete;

  // Command 32808 when not recording: clears the records and the file name
  // and starts recording. False (59399 shown) when memory is short.
  bool StartRecording();
  // Command 32808 while recording: the records stay.
  void StopRecording();

  // Appends a record while recording (also during playback; otherwise does
  // nothing). For kinds 256 and 512 id is the command id. Typed text of
  // kTypedTextLimit bytes or more is not recorded. A record that would take
  // the buffer past kRecordBufferSize shows 59422 and ends recording. True
  // when the record was added.
  bool Record(std::uint32_t kind, std::uint32_t id, std::string_view data = {});

  // Plays the records in order through sink.
  PlayOutcome Play(OperationSink& sink);

  bool IsRecording() const { return recording_; }
  bool IsPlaying() const { return playing_; }
  // The data of the record being dispatched (empty when not playing).
  std::string_view CurrentData() const { return current_; }
  std::uint16_t Count() const { return count_; }
  std::uint16_t BytesUsed() const { return used_; }
  // The records as stored (command kinds hold table indexes).
  std::string_view Records() const;

  // The last operation file loaded or saved, and its comment.
  const std::string& FileName() const { return fileName_; }
  const std::string& Comment() const { return comment_; }

  // Writes the records to path in the current layout. False (59426 shown)
  // when the file cannot be written. The overwrite question is the caller's.
  bool Save(FileSystem& fs, const std::string& path, std::string_view comment);
  // Reads an operation file into the buffer, without a message: a file that
  // cannot be read or fails the header check leaves the buffer as it was; one
  // whose records are damaged leaves it empty. Ends recording unless refused;
  // refused while playing.
  OperationParse Load(FileSystem& fs, const std::string& path);
  // Loads path, then plays it when it loaded.
  PlayOutcome PlayFile(FileSystem& fs, const std::string& path, OperationSink& sink);

 private:
  bool EnsureBuffer();
  void Clear();

  Host& host_;
  MemoryCheck memoryCheck_;
  std::unique_ptr<char[]> buffer_;
  bool recording_ = false;
  bool playing_ = false;
  std::uint16_t count_ = 0;
  std::uint16_t used_ = 0;
  std::uint32_t generation_ = 0;  // changes whenever the records are replaced
  std::string_view current_;
  std::string fileName_;
  std::string comment_;
};

}  // namespace quelt
