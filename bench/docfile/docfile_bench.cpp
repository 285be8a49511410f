// Writing the worksheet template, and a finished idiom worksheet, as .doc bytes.
#include <benchmark/benchmark.h>

#include "docfile/worksheet_doc.h"
#include "worksheet_fixture.h"

namespace {

void WriteDocument(benchmark::State& state, const mochi::word::DocumentText& text) {
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string bytes = mochi::docfile::WriteWorksheetDocument(text);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_WriteTemplate(benchmark::State& state) { WriteDocument(state, {}); }
BENCHMARK(BM_WriteTemplate)->Unit(benchmark::kMicrosecond);

void BM_WriteFinishedWorksheet(benchmark::State& state) {
  WriteDocument(state, mochi::docfile::testing::IdiomWorksheetFixture());
}
BENCHMARK(BM_WriteFinishedWorksheet)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
