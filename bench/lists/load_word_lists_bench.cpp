// The start-up load of the eight lists, beside the floor: writing and reading the same bytes
// with plain system calls and nothing else.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lists/word_lists.h"
#include "platform/host/host_files.h"

namespace {

std::filesystem::path MakeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "mochi-bench-XXXXXX").string();
  return ::mkdtemp(pattern.data());
}

void LoadWordLists(benchmark::State& state) {
  const std::filesystem::path folder = MakeFolder();
  mochi::platform::HostFileSystem files(folder);
  for (auto _ : state) {
    mochi::lists::WordListTables tables;
    mochi::lists::LoadWordLists(files, mochi::lists::CarriedLists(), tables);
    benchmark::DoNotOptimize(tables.MottoList.RowCount());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(LoadWordLists)->Unit(benchmark::kMicrosecond);

void PlainWriteAndRead(benchmark::State& state) {
  const std::filesystem::path folder = MakeFolder();
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
    std::size_t total = 0;
    for (const auto& list : mochi::lists::CarriedLists()) {
      const std::string path = (folder / std::string(list.path.substr(11))).string();
      int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      benchmark::DoNotOptimize(::write(fd, list.bytes.data(), list.bytes.size()));
      ::close(fd);
      fd = ::open(path.c_str(), O_RDONLY);
      for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) total += got;
      ::close(fd);
    }
    benchmark::DoNotOptimize(total);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(PlainWriteAndRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
