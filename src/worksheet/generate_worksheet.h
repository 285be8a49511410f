#pragma once
// The generate command: one press makes one worksheet in Word.

#include <optional>
#include <string_view>

#include "worksheet/generation_context.h"
#include "worksheet/random_generator.h"

namespace mochi::worksheet {

// The whole run: seeds the generator from the uptime, refuses when a list to draw from did not
// load or when Word is not installed (a message box each), else makes the worksheet.
void GenerateWorksheet(const GenerationContext& context);

// Whether Word's registered path contains "ffice".
bool IsWordInstalled(platform::Registry& registry);

// The file of the first list this run would draw from (the selected kind's lists, and the
// mottos unless the parent-signature line is chosen) whose table has fewer rows than its list's
// entries; nullopt when all are loaded.
std::optional<std::string_view> MissingListFile(const lists::WordListTables& tables,
                                                platform::Toolkit& toolkit);

// The run from the Word check on: the connection, the document from the template, the title
// block and body of the selected kind, the closing line, the end of the connection.
void MakeWorksheet(const GenerationContext& context, RandomGenerator& generator);

}  // namespace mochi::worksheet
