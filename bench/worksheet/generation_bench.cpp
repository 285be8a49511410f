// One generation run against the built-in Word stand-in, from the press of the button to the
// end of the connection, with the carried lists loaded and the host platform layer.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "lists/word_lists.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_dialogs.h"
#include "platform/host/host_files.h"
#include "platform/host/host_registry.h"
#include "platform/host/host_text.h"
#include "platform/host/host_toolkit.h"
#include "word/word_connection.h"
#include "word/worksheet_template.h"
#include "wordsim/wordsim.h"
#include "worksheet/generate_worksheet.h"
#include "worksheet/texts.h"

namespace {

namespace texts = mochi::worksheet::texts;

void BM_GenerateWorksheet(benchmark::State& state, std::string_view kindRadio) {
  std::string pattern = (std::filesystem::temp_directory_path() / "mochi-bench-XXXXXX").string();
  const std::filesystem::path folder = ::mkdtemp(pattern.data());
  mochi::platform::HostFileSystem files(folder);
  mochi::platform::HostTextCodec codec;
  mochi::lists::WordListTables tables;
  mochi::lists::LoadWordLists(files, mochi::lists::CarriedLists(), tables);
  mochi::platform::HeadlessToolkit toolkit;
  toolkit.SetRadioSelected(kindRadio, true);
  mochi::platform::HostRegistry registry;
  const std::string_view location = texts::kWordPathLocation;
  registry.SetLocalMachineText(location.substr(0, location.rfind('\\')), "Path",
                               "C:\\Program Files\\Microsoft Office\\Office12\\");
  mochi::platform::HostDialogs dialogs(nullptr);
  mochi::platform::HostClock clock;
  const std::span<const char> templateBytes = mochi::word::WorksheetTemplate();
  mochi::worksheet::ProgramState programState;

  for (auto _ : state) {
    // A fresh stand-in each time, so its record of calls does not grow from run to run.
    mochi::wordsim::WordSim word(files, codec, templateBytes);
    mochi::word::WordConnection connection(word, codec);
    mochi::worksheet::GenerateWorksheet({tables, connection, files, registry, dialogs, clock,
                                         toolkit, templateBytes, programState});
    benchmark::DoNotOptimize(word.Trace().size());
    programState.documentsObject.Reset();
  }
  std::filesystem::remove_all(folder);
}

BENCHMARK_CAPTURE(BM_GenerateWorksheet, characters, texts::kRadioCharacters)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GenerateWorksheet, idioms, texts::kRadioIdioms)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
