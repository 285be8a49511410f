#pragma once
// A record of every call made into the stand-in, for tests and for mochi-sheet --trace.

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "word/automation.h"

namespace mochi::wordsim {

// An argument as it was passed: nothing, a 32-bit integer (by value or by reference), a boolean,
// a text, or an object (named by its kind).
struct ObjectArgument {
  std::string kind;
  friend bool operator==(const ObjectArgument&, const ObjectArgument&) = default;
};
using TracedValue =
    std::variant<std::monostate, std::int32_t, bool, std::u16string, ObjectArgument>;

struct Call {
  std::size_t index = 0;  // position in the session's sequence of calls, from 0
  std::string object;     // "Word" for object creation, else "Application", "Documents", ...
  std::string member;     // the member's name, or "CreateObject" / "FindMember"
  word::DispId dispId = 0;
  word::InvokeKind kind = word::InvokeKind::Method;
  std::vector<TracedValue> arguments;
  bool failed = false;  // the call returned an error
};

// One line in UTF-8: "Selection.MoveRight(16, 1, 0)", "Application.Visible = true",
// "Documents.Add(\"c:\\windows\\dox.doc\")"; a failed call ends in " -> error".
std::string Describe(const Call& call);

}  // namespace mochi::wordsim
