// mochi.exe: starts COM on the interface thread, runs the program over the Win32 platform and
// shuts COM down after the clean-up. The command line is ignored.

#include <objbase.h>
#include <windows.h>

#include <cstddef>

#include "app/program.h"
#include "platform/win32/win32_automation.h"
#include "platform/win32/win32_fallback_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window.h"
#include "word/worksheet_template.h"

extern const unsigned char asset_banner_jpg[];
extern const std::size_t asset_banner_jpg_size;

namespace {

int Run() {
  using namespace mochi::platform;
  Win32FallbackFileSystem files;
  Win32Registry registry;
  Win32Clock clock;
  Win32Dialogs dialogs;
  Win32Processes processes;
  Win32TextCodec codec;
  Win32ObjectFactory automation;
  Win32WindowHost window;
  mochi::app::ProgramServices services{
      .files = files,
      .registry = registry,
      .clock = clock,
      .dialogs = dialogs,
      .processes = processes,
      .codec = codec,
      .automation = automation,
      .window = window,
      .templateBytes = mochi::word::WorksheetTemplate(),
      .picture = {asset_banner_jpg, asset_banner_jpg_size},
  };
  // A fatal-error stop ends the process at once: no destructor and no clean-up runs.
  return mochi::app::RunProgram(services,
                                [](int status) { ExitProcess(static_cast<UINT>(status)); });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // OLE (a single-threaded apartment) before any window exists: Word's automation needs it.
  OleInitialize(nullptr);
  const int status = Run();
  OleUninitialize();
  return status;
}
