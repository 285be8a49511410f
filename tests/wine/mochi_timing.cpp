// Times mochi.exe under Wine and prints the figures (a benchmark, not a test): start-up from the
// process start to the shown main window, and one generation (the generate button's click
// until it returns) against the test Word in process and as a local server.
// Run through scripts/wine-bench.sh.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/control_table.h"
#include "mochi_driver.h"
#include "platform/win32/win32_window.h"

namespace {

using namespace mochi::driver;

constexpr int kRounds = 5;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

void Print(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %8.1f ms   min %8.1f ms   max %8.1f ms   (%zu runs)\n", what,
              times[times.size() / 2], times.front(), times.back(), times.size());
}

HWND GenerateButton(HWND window) {
  const auto controls = mochi::app::MainWindowControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].name == mochi::app::names::kGenerateButton) {
      return GetDlgItem(window, mochi::platform::kFirstControlId + static_cast<int>(i));
    }
  }
  return nullptr;
}

// Start-up times of kRounds programs, and the generation times of kRounds clicks in the last.
void Measure(const std::wstring& exe, const char* server) {
  std::vector<double> startUps;
  std::vector<double> generations;
  for (int round = 0; round < kRounds; ++round) {
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    RunningProgram program(exe, L"mochi.exe", mochi::platform::kMainWindowClass);
    QueryPerformanceCounter(&shown);
    if (program.window() == nullptr) {
      std::printf("mochi.exe did not show its window\n");
      return;
    }
    startUps.push_back(Milliseconds(start, shown));
    if (round == kRounds - 1) {
      HWND button = GenerateButton(program.window());
      for (int click = 0; click < kRounds; ++click) {
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        program.Send(button, BM_CLICK, 0, 0);
        QueryPerformanceCounter(&after);
        generations.push_back(Milliseconds(before, after));
      }
    }
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    program.WaitForExit(10000);
  }
  std::string label = std::string("start-up to the shown window (") + server + ")";
  Print(label.c_str(), startUps);
  label = std::string("one generation, test Word ") + server;
  Print(label.c_str(), generations);
}

}  // namespace

int main() {
  const std::wstring folder = MakeScratchFolder(L"mochi-timing");
  CopyInto(WindowsPath(MOCHI_EXE), folder, L"mochi.exe");
  CopyInto(WindowsPath(STUB_EXPLORER), folder, L"explorer.exe");
  SetWordPath(true);
  RegisterTestWord(ServerKind::InProcess, WindowsPath(TEST_WORD_DLL));
  Measure(folder + L"mochi.exe", "in process");
  RegisterTestWord(ServerKind::LocalServer, WindowsPath(TEST_WORD_EXE));
  ReadyLocalServer(WindowsPath(ACTIVATE_WORD));
  Measure(folder + L"mochi.exe", "local server");
  RegisterTestWord(ServerKind::InProcess, WindowsPath(TEST_WORD_DLL));
  return 0;
}
