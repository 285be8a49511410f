#pragma once
// Everything a generation run works with, passed in by the program that owns it.

#include <span>

#include "lists/word_lists.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/toolkit.h"
#include "word/word_connection.h"
#include "worksheet/program_state.h"

namespace mochi::worksheet {

struct GenerationContext {
  const lists::WordListTables& tables;
  // The window's Word components; the application lives from one run to the next.
  word::WordConnection& connection;
  platform::FileSystem& files;
  platform::Registry& registry;
  platform::Dialogs& dialogs;
  platform::Clock& clock;
  // The window's radio buttons.
  platform::Toolkit& toolkit;
  // The worksheet template's bytes, written to the template path at every run.
  std::span<const char> templateBytes;
  ProgramState& state;
};

}  // namespace mochi::worksheet
