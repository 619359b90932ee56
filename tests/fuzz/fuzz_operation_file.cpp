// Operation files: any bytes go to the loader, and the same bytes as the
// records of an older file go to the converter. Whatever loads must walk
// cleanly, fit the record buffer, play with every command mapped back to a
// command of the table, and save to a file that loads as the same records.
#include <string>

#include "base/memory_file_system.h"
#include "fuzz_check.h"
#include "record/operation_file.h"
#include "record/operation_recorder.h"
#include "record/recorded_commands.h"

namespace quelt {
namespace {

class QuietHost : public Host {
 public:
  void Beep() override {}
  void ShowMessage(MessageId, const std::string&) override {}
  Answer Ask(MessageId, Question, const std::string&) override { return Answer::kCancel; }
};

class CheckingSink : public OperationSink {
 public:
  explicit CheckingSink(const OperationRecorder& recorder) : recorder_(recorder) {}
  bool Dispatch(const OperationRecord& r) override {
    FUZZ_CHECK(recorder_.IsPlaying());
    FUZZ_CHECK(recorder_.CurrentData().data() == r.data.data());
    if (IsCommandKind(r.kind)) FUZZ_CHECK(FindRecordedCommand(r.id) >= 0);
    ++seen;
    return true;
  }
  std::uint32_t seen = 0;

 private:
  const OperationRecorder& recorder_;
};

void CheckImage(const OperationImage& image) {
  FUZZ_CHECK(image.records.size() <= kRecordBufferSize);
  FUZZ_CHECK(image.comment.size() <= kMaxOperationComment);
  FUZZ_CHECK(image.comment.find('\0') == std::string::npos);
  FUZZ_CHECK(RecordsWalkCleanly(image.records, image.count));
}

void CheckFile(std::string_view bytes) {
  OperationImage image;
  const OperationParse r = ParseOperationFile(bytes, image);
  if (r != OperationParse::kLoaded) {
    FUZZ_CHECK(image.records.empty() && image.comment.empty() && image.count == 0);
    FUZZ_CHECK((r == OperationParse::kRefused) == !ReadOperationHeader(bytes).has_value());
    return;
  }
  CheckImage(image);
  const std::string again = BuildOperationFile(image.comment, image.records, image.count);
  OperationImage back;
  FUZZ_CHECK(ParseOperationFile(again, back) == OperationParse::kLoaded);
  FUZZ_CHECK(back.records == image.records && back.comment == image.comment && back.count == image.count);

  QuietHost host;
  MemoryFileSystem fs;
  FUZZ_CHECK(fs.WriteFile("C:\\f.mac", std::string(bytes)));
  OperationRecorder recorder(host, [](std::size_t) { return true; });
  FUZZ_CHECK(recorder.Load(fs, "C:\\f.mac") == OperationParse::kLoaded);
  FUZZ_CHECK(recorder.Records() == image.records);
  CheckingSink sink(recorder);
  const PlayOutcome played = recorder.Play(sink);
  FUZZ_CHECK(played == (image.count == 0 ? PlayOutcome::kEmpty : PlayOutcome::kFinished));
  FUZZ_CHECK(sink.seen == image.count && !recorder.IsPlaying());
}

// The bytes as older records, counted as far as their 16-bit headers walk.
void CheckLegacyRecords(std::string_view bytes) {
  std::uint32_t count = 0;
  for (std::size_t pos = 0; bytes.size() - pos >= 6; ++count) {
    const std::size_t length = std::uint8_t(bytes[pos + 4]) | std::size_t(std::uint8_t(bytes[pos + 5])) << 8;
    if (length > bytes.size() - pos - 6) break;
    pos += 6 + length;
  }
  const auto converted = ConvertLegacyRecords(bytes, count);
  if (!converted) return;
  FUZZ_CHECK(converted->size() <= kRecordBufferSize);
  FUZZ_CHECK(RecordsWalkCleanly(*converted, count));
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = quelt::fuzz::AsText(data, size);
  quelt::CheckFile(bytes);
  quelt::CheckLegacyRecords(bytes);
  return 0;
}
