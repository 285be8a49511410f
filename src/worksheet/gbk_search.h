#pragma once
// Searching GBK text the way the program searches: bytes compared case-sensitively from the
// first byte, stepping over double-byte characters whole, so a match never starts on the second
// byte of a character.

#include <string_view>

namespace mochi::worksheet {

// The 1-based byte position of the first occurrence of `what` in `text`, or -1.
int FindGbk(std::string_view text, std::string_view what);

}  // namespace mochi::worksheet
