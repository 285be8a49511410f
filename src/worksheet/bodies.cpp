#include "worksheet/bodies.h"

#include <array>
#include <span>

#include "word/template_layout.h"
#include "worksheet/cursor_moves.h"

namespace mochi::worksheet {

namespace {

// Types `rows` entries of lists.size() characters, drawn from rows 1 to `entries`. Words and
// idioms keep their draw in the program-wide drawn row, so all characters of an entry come from
// the same row; a single character is typed straight from its draw.
void FillRows(const GenerationContext& context, RandomGenerator& generator,
              std::span<const lists::ListTable* const> lists, int entries) {
  const int characters = static_cast<int>(lists.size());
  for (int row = 1; row <= word::layout::kRows; ++row) {
    const int drawn = DrawRow(generator, entries);
    if (characters > 1) context.state.drawnRow = drawn;
    for (int i = 0; i < characters; ++i) {
      if (i > 0) BoxSteps(context.connection, 1);
      const int entry = characters > 1 ? context.state.drawnRow : drawn;
      context.connection.TypeText(lists[i]->GetCell(entry, 1));
    }
    if (row < word::layout::kRows)
      BoxSteps(context.connection, word::layout::kColumns + 1 - characters);
  }
}

}  // namespace

void FillCharacters(const GenerationContext& context, RandomGenerator& generator) {
  const std::array lists = {&context.tables.CharacterList};
  FillRows(context, generator, lists, lists::kCharacterCount);
}

void FillWords(const GenerationContext& context, RandomGenerator& generator) {
  const std::array lists = {&context.tables.WordFirstList, &context.tables.WordSecondList};
  FillRows(context, generator, lists, lists::kWordCount);
}

void FillIdioms(const GenerationContext& context, RandomGenerator& generator) {
  const std::array lists = {&context.tables.IdiomCharList1, &context.tables.IdiomCharList2,
                            &context.tables.IdiomCharList3, &context.tables.IdiomCharList4};
  FillRows(context, generator, lists, lists::kIdiomCount);
}

}  // namespace mochi::worksheet
