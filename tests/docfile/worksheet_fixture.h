#pragma once
// A finished idiom worksheet typed by hand: the title, the header line, the four characters of
// an idiom in columns 1 to 4 of every row, and a closing line.

#include "word/document_text.h"

namespace mochi::docfile::testing {

inline constexpr int kFixtureColumns = 4;

word::DocumentText IdiomWorksheetFixture();

}  // namespace mochi::docfile::testing
