#include "app/main_window.h"

#include <string>

#include "app/control_table.h"
#include "worksheet/date_time_text.h"
#include "worksheet/generate_worksheet.h"

namespace mochi::app {

void UpdateClock(platform::Clock& clock, platform::Toolkit& toolkit) {
  toolkit.SetStatusPartText(names::kStatusBar, 0, worksheet::DateTimeText(clock.Now()));
}

void OpenMakerPage(const worksheet::ProgramState& state, platform::Processes& processes) {
  if (state.worksheetGenerated != 1) return;
  processes.StartCommandLine("explorer.exe " + std::string(MakerPage()), 1000);
}

MainWindow::MainWindow(ProgramServices& services, worksheet::ProgramState& state)
    : services_(services), state_(state), connection_(services.automation, services.codec) {}

void MainWindow::OnCreated() {
  lists::LoadWordLists(services_.files, lists::CarriedLists(), tables_);
}

void MainWindow::OnWillBeDestroyed() { OpenMakerPage(state_, services_.processes); }

void MainWindow::OnTimer(std::string_view timer) {
  if (timer == names::kClockTimer) UpdateClock(services_.clock, services_.window);
}

void MainWindow::OnClicked(std::string_view button) {
  if (button != names::kGenerateButton) return;
  worksheet::GenerateWorksheet(
      worksheet::GenerationContext{.tables = tables_,
                                   .connection = connection_,
                                   .files = services_.files,
                                   .registry = services_.registry,
                                   .dialogs = services_.dialogs,
                                   .clock = services_.clock,
                                   .toolkit = services_.window,
                                   .templateBytes = services_.templateBytes,
                                   .state = state_});
}

}  // namespace mochi::app
