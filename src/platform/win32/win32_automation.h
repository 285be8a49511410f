#pragma once
// Automation over real COM: objects are IDispatch pointers, made by CLSIDFromProgID and
// CoCreateInstance. Needs COM initialised on the calling thread.

#include <oaidl.h>

#include "word/automation.h"

namespace mochi::platform {

class Win32ObjectFactory final : public word::ObjectFactory {
 public:
  word::CreateResult Create(std::u16string_view progId) override;
};

// A new Ref that holds a reference of its own to the dispatch pointer (nullptr gives an empty Ref).
word::Ref WrapDispatch(IDispatch* dispatch);

}  // namespace mochi::platform
