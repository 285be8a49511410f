#pragma once
// The end of the page: the box steps out of row 13, the moves below the grid, and the closing
// line: a drawn motto, or the parent-signature line with today's date.

#include <string>

#include "platform/clock.h"
#include "worksheet/generation_context.h"
#include "worksheet/random_generator.h"

namespace mochi::worksheet {

void FinishWorksheet(const GenerationContext& context, RandomGenerator& generator);

// "家长签字：", 34 spaces, and the date part of the date-time text (up to its first 日).
std::string ParentSignatureLine(const platform::LocalDateTime& now);

}  // namespace mochi::worksheet
