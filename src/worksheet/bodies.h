#pragma once
// The worksheet bodies: thirteen drawn entries, one per grid row, one character per box from
// column 1; the rest of each row stays blank. Each starts in column 1 of row 1 and ends just
// after the last character typed in row 13.

#include "worksheet/generation_context.h"
#include "worksheet/random_generator.h"

namespace mochi::worksheet {

// One character a row from CharacterList.
void FillCharacters(const GenerationContext& context, RandomGenerator& generator);
// One word a row: WordFirstList and WordSecondList, the same row of both.
void FillWords(const GenerationContext& context, RandomGenerator& generator);
// One idiom a row: IdiomCharList1 to IdiomCharList4, the same row of all four.
void FillIdioms(const GenerationContext& context, RandomGenerator& generator);

}  // namespace mochi::worksheet
