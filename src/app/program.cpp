#include "app/program.h"

#include "app/control_table.h"
#include "app/fatal_error.h"

namespace mochi::app {
namespace {

// Runs ReleaseGlobals once when the program's run ends normally; a fatal-error stop ends the
// process before it runs.
class CleanUp {
 public:
  explicit CleanUp(worksheet::ProgramState& state) : state_(state) {}
  CleanUp(const CleanUp&) = delete;
  CleanUp& operator=(const CleanUp&) = delete;
  ~CleanUp() { ReleaseGlobals(state_); }

 private:
  worksheet::ProgramState& state_;
};

}  // namespace

void InitGlobals(worksheet::ProgramState& state) { state = worksheet::ProgramState{}; }

void ReleaseGlobals(worksheet::ProgramState& state) { state.documentsObject.Reset(); }

int RunProgram(ProgramServices& services, const std::function<void(int)>& endProcess) {
  worksheet::ProgramState state;
  InitGlobals(state);
  CleanUp cleanUp(state);
  // The window, its list tables and its Word components go before the clean-up runs.
  MainWindow window(services, state);
  if (!services.window.Load(MainWindowDescription(services.picture), window)) {
    FatalErrorStop(services.dialogs, endProcess, std::nullopt, kWindowLoadFailed);
    return -1;
  }
  if (services.window.HasWindow()) services.window.RunEventLoop();
  return 0;
}

}  // namespace mochi::app
