#include "word/automation.h"

#include <utility>

namespace mochi::word {

Ref Ref::Adopt(Object* object) { return Ref(object); }

Ref Ref::Share(Object* object) {
  if (object != nullptr) object->AddRef();
  return Ref(object);
}

Ref::Ref(const Ref& other) : object_(other.object_) {
  if (object_ != nullptr) object_->AddRef();
}

Ref::Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}

Ref& Ref::operator=(Ref other) noexcept {
  std::swap(object_, other.object_);
  return *this;
}

Ref::~Ref() { Reset(); }

void Ref::Reset() {
  if (Object* object = std::exchange(object_, nullptr)) object->Release();
}

}  // namespace mochi::word
