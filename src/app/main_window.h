#pragma once
// The main window's four event handlers over the program-wide state: the created event loads
// the word lists, the timer updates the clock, the generate button makes a worksheet, and the
// will-be-destroyed event runs the exit action. The window owns the list tables and the Word
// components, which live as long as it.

#include <span>

#include "lists/word_lists.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/window.h"
#include "word/word_connection.h"
#include "worksheet/program_state.h"

namespace mochi::app {

// What the program runs on; everything outlives the program's run.
struct ProgramServices {
  platform::FileSystem& files;
  platform::Registry& registry;
  platform::Clock& clock;
  platform::Dialogs& dialogs;
  platform::Processes& processes;
  platform::TextCodec& codec;
  word::ObjectFactory& automation;
  platform::WindowHost& window;
  std::span<const char> templateBytes;
  std::span<const unsigned char> picture;
};

// UpdateClock: part 0 of the status bar shows the date-time text of now.
void UpdateClock(platform::Clock& clock, platform::Toolkit& toolkit);

// OpenMakerPage: after a generation got past the Word check, opens the maker's page with
// explorer.exe; otherwise does nothing.
void OpenMakerPage(const worksheet::ProgramState& state, platform::Processes& processes);

class MainWindow final : public platform::WindowEvents {
 public:
  MainWindow(ProgramServices& services, worksheet::ProgramState& state);

  void OnCreated() override;
  void OnWillBeDestroyed() override;
  void OnTimer(std::string_view timer) override;
  void OnClicked(std::string_view button) override;

  const lists::WordListTables& tables() const { return tables_; }

 private:
  ProgramServices& services_;
  worksheet::ProgramState& state_;
  lists::WordListTables tables_;
  word::WordConnection connection_;
};

}  // namespace mochi::app
