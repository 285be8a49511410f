#pragma once
// The worksheet as text for a terminal (UTF-8): the title and header lines, the 13 x 12 grid
// with what each box holds, and the closing line below it, in document order. Any other typed
// paragraph is printed where it stands.

#include <string>

#include "word/document_text.h"

namespace mochi::wordsim {

std::string PrintDocument(const word::DocumentText& document);

}  // namespace mochi::wordsim
