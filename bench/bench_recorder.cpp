// Operation recording: a full record buffer of typical records (typed
// words, caret keys, view commands, deletions) appended, and played through
// a sink that only looks at each record.
#include <benchmark/benchmark.h>

#include <string>

#include "app/command_ids.h"
#include "bench_host.h"
#include "record/operation_recorder.h"

namespace quelt {
namespace {

using bench::QuietHost;

class CountingSink : public OperationSink {
 public:
  bool Dispatch(const OperationRecord& r) override {
    sum += r.kind + r.id + r.data.size();
    return true;
  }
  std::size_t sum = 0;
};

// Appends until the buffer is full; returns the number of records.
int FillBuffer(OperationRecorder& recorder) {
  static const std::string kWords[] = {"\x93\xFA\x96\x7B\x8C\xEA", "hello, ", "record",
                                       "\x83\x65\x83\x4C\x83\x58\x83\x67 "};
  recorder.StartRecording();
  for (int i = 0;; ++i) {
    bool added = false;
    switch (i % 6) {
      case 0:
      case 3:
        added = recorder.Record(kOpTypedText, 0, kWords[(i / 6) % 4]);
        break;
      case 1:
        added = recorder.Record(kOpKeyRight, (i / 6) % 4 == 0 ? kOpModShift : 0);
        break;
      case 2:
        added = recorder.Record(kOpViewCommand, (i / 6) % 2 ? kCmdEditCopy : kCmdEditPaste);
        break;
      case 4:
        added = recorder.Record(kOpKeyDown, 0);
        break;
      default:
        added = recorder.Record(kOpDelete, 1);
        break;
    }
    if (!added) return i;
  }
}

void BM_RecordFullBuffer(benchmark::State& state) {
  QuietHost host;
  OperationRecorder recorder(host, [](std::size_t) { return true; });
  int records = 0;
  for (auto _ : state) {
    records = FillBuffer(recorder);
    benchmark::DoNotOptimize(recorder.BytesUsed());
  }
  state.counters["records"] = records;
}
BENCHMARK(BM_RecordFullBuffer)->Unit(benchmark::kMicrosecond);

void BM_PlayFullBuffer(benchmark::State& state) {
  QuietHost host;
  OperationRecorder recorder(host, [](std::size_t) { return true; });
  FillBuffer(recorder);
  CountingSink sink;
  for (auto _ : state) {
    recorder.Play(sink);
    benchmark::DoNotOptimize(sink.sum);
  }
  state.counters["records"] = recorder.Count();
}
BENCHMARK(BM_PlayFullBuffer)->Unit(benchmark::kMicrosecond);

void BM_RecordAndPlayFullBuffer(benchmark::State& state) {
  QuietHost host;
  OperationRecorder recorder(host, [](std::size_t) { return true; });
  CountingSink sink;
  for (auto _ : state) {
    FillBuffer(recorder);
    recorder.Play(sink);
    benchmark::DoNotOptimize(sink.sum);
  }
}
BENCHMARK(BM_RecordAndPlayFullBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
