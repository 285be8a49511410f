#pragma once
// Late-bound automation, as IDispatch offers it: objects whose members are invoked by DISPID
// with a list of arguments and found by name in their type information. Errors are values;
// nothing here throws. The Windows layer puts real COM objects behind this interface; the
// built-in Word stand-in implements it directly.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace mochi::word {

using DispId = std::int32_t;

enum class InvokeKind { Method, PropertyGet, PropertyPut };

class Object;

// One counted reference to an object, released when the Ref is cleared or destroyed.
class Ref {
 public:
  Ref() = default;
  // Takes over a reference the caller already holds (a fresh object, or one returned by a call).
  static Ref Adopt(Object* object);
  // Adds a reference of its own to the object.
  static Ref Share(Object* object);

  Ref(const Ref& other);
  Ref(Ref&& other) noexcept;
  Ref& operator=(Ref other) noexcept;
  ~Ref();

  // Releases the reference, once; clearing an empty Ref does nothing.
  void Reset();
  Object* get() const { return object_; }
  Object* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  explicit Ref(Object* object) : object_(object) {}
  Object* object_ = nullptr;
};

// A 32-bit integer argument passed by reference (VT_I4 | VT_BYREF): the callee may change it.
struct IntByRef {
  std::int32_t* target = nullptr;
};

// One argument or result: nothing, a 32-bit integer, an integer by reference, a boolean,
// a text (UTF-16) or an object.
using Value = std::variant<std::monostate, std::int32_t, IntByRef, bool, std::u16string, Ref>;

// An error raised by the object or by the automation layer (an HRESULT and its description).
struct Error {
  std::int32_t code = 0;
  std::u16string description;
};

struct InvokeResult {
  std::optional<Error> error;
  Value value;
  bool ok() const { return !error.has_value(); }
};

class Object {
 public:
  virtual void AddRef() = 0;
  virtual void Release() = 0;
  // Invokes a member. Arguments stand in their natural order, the first parameter first;
  // a property put takes the new value as its only argument.
  virtual InvokeResult Invoke(DispId member, InvokeKind kind, std::span<Value> arguments) = 0;
  // Finds the member called `name` in the object's type information, comparing names without
  // regard to case and taking a method before a property of the same name.
  virtual std::optional<DispId> FindMember(std::u16string_view name) = 0;

 protected:
  ~Object() = default;  // objects end through Release, never through delete
};

struct CreateResult {
  Ref object;
  std::optional<Error> error;
};

// Makes automation objects from ProgIDs, like CLSIDFromProgID with CoCreateInstance.
class ObjectFactory {
 public:
  virtual ~ObjectFactory() = default;
  virtual CreateResult Create(std::u16string_view progId) = 0;
};

}  // namespace mochi::word
