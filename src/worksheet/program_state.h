#pragma once
// The program-wide state that generation runs write and the window's end reads.

#include <cstdint>

#include "word/automation.h"

namespace mochi::worksheet {

struct ProgramState {
  // 1 once a run got past the Word check; never reset.
  std::int32_t worksheetGenerated = 0;
  // The Documents collection of the latest run, replaced at each run.
  word::Ref documentsObject;
  // The row drawn for the word or idiom being typed.
  std::int32_t drawnRow = 0;
};

}  // namespace mochi::worksheet
