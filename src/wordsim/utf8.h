#pragma once
// UTF-16 to UTF-8, for printing what the stand-in holds. An unpaired surrogate becomes U+FFFD.

#include <string>
#include <string_view>

namespace mochi::wordsim {

std::string Utf8FromUtf16(std::u16string_view text);

// Columns a text takes on a terminal: two for East Asian wide characters, one for others.
int DisplayWidth(std::u16string_view text);

}  // namespace mochi::wordsim
