#pragma once
// The carried worksheet template: the Word 97-2003 document every worksheet is made from.

#include <span>

namespace mochi::word {

std::span<const char> WorksheetTemplate();

}  // namespace mochi::word
