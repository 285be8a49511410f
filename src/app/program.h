#pragma once
// The program's life from start to end: InitGlobals, the clean-up ReleaseGlobals, the main
// window and its event loop.

#include <functional>

#include "app/main_window.h"
#include "worksheet/program_state.h"

namespace mochi::app {

// Sets every item of the program-wide state to its initial value.
void InitGlobals(worksheet::ProgramState& state);
// Releases the program-wide state: the Documents reference of the latest run, if any.
void ReleaseGlobals(worksheet::ProgramState& state);

// The program entry after the platform has started (COM initialised on this thread): loads the
// main window, whose created event loads the word lists, runs the event loop until the window
// is gone, and returns 0 after ReleaseGlobals. When the window cannot be loaded it ends in the
// fatal-error stop through endProcess.
int RunProgram(ProgramServices& services, const std::function<void(int)>& endProcess);

}  // namespace mochi::app
