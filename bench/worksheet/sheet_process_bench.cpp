// mochi-sheet as a whole process: start, list loading, one worksheet, print-out, exit.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

namespace {

void BM_SheetProcess(benchmark::State& state) {
  std::array<char*, 6> argv = {
      const_cast<char*>(MOCHI_SHEET_PATH), const_cast<char*>("--kind"), const_cast<char*>("idioms"),
      const_cast<char*>("--seed"),         const_cast<char*>("1"),      nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("mochi-sheet could not be started");
      break;
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("mochi-sheet failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

BENCHMARK(BM_SheetProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
