#include "word/word_connection.h"

#include <array>
#include <cstdint>
#include <utility>

#include "word/word_ids.h"

namespace mochi::word {

namespace {

// The object a property get returned, or an empty Ref when the call failed or gave no object.
Ref GetObject(Object& object, DispId member) {
  InvokeResult result = object.Invoke(member, InvokeKind::PropertyGet, {});
  if (!result.ok()) return {};
  if (Ref* ref = std::get_if<Ref>(&result.value)) return std::move(*ref);
  return {};
}

}  // namespace

WordConnection::WordConnection(ObjectFactory& factory, platform::TextCodec& codec)
    : factory_(factory), codec_(codec) {}

void WordConnection::CreateApplication() {
  application_.Reset();
  CreateResult created = factory_.Create(u"Word.Application");
  if (!created.error) application_ = std::move(created.object);
}

void WordConnection::SetVisible(bool visible) {
  if (!application_) return;
  std::array<Value, 1> arguments = {visible};
  application_->Invoke(ids::kApplicationVisible, InvokeKind::PropertyPut, arguments);
}

void WordConnection::AttachDocuments() {
  documents_.Reset();
  selection_.Reset();
  if (!application_) return;
  documents_ = GetObject(*application_.get(), ids::kApplicationDocuments);
}

Ref WordConnection::TakeDocuments() const { return documents_; }

void WordConnection::InvokeByName(const Ref& object, std::string_view name, std::string_view text) {
  if (!object) return;
  const std::optional<std::u16string> wideName = codec_.GbkToUtf16(name);
  const std::optional<std::u16string> wideText = codec_.GbkToUtf16(text);
  if (!wideName || !wideText) return;
  const std::optional<DispId> member = object->FindMember(*wideName);
  if (!member) return;
  std::array<Value, 1> arguments = {*wideText};
  object->Invoke(*member, InvokeKind::Method, arguments);
}

void WordConnection::TypeText(std::string_view text) {
  Object* selection = Selection();
  if (selection == nullptr) return;
  std::optional<std::u16string> wide = codec_.GbkToUtf16(text);
  if (!wide) return;
  std::array<Value, 1> arguments = {std::move(*wide)};
  selection->Invoke(ids::kSelectionTypeText, InvokeKind::Method, arguments);
}

void WordConnection::MoveRight(int unit, int count, int extend) {
  Move(ids::kSelectionMoveRight, unit, count, extend);
}

void WordConnection::MoveDown(int unit, int count, int extend) {
  Move(ids::kSelectionMoveDown, unit, count, extend);
}

void WordConnection::Move(DispId member, int unit, int count, int extend) {
  Object* selection = Selection();
  if (selection == nullptr) return;
  std::int32_t unitArgument = unit;
  std::int32_t countArgument = count;
  std::int32_t extendArgument = extend;
  std::array<Value, 3> arguments = {IntByRef{&unitArgument}, IntByRef{&countArgument},
                                    IntByRef{&extendArgument}};
  selection->Invoke(member, InvokeKind::Method, arguments);
}

void WordConnection::ReleaseDocuments() {
  documents_.Reset();
  selection_.Reset();
}

Object* WordConnection::Selection() {
  if (!selection_ && documents_) {
    if (Ref application = GetObject(*documents_.get(), ids::kParent)) {
      selection_ = GetObject(*application.get(), ids::kApplicationSelection);
    }
  }
  return selection_.get();
}

}  // namespace mochi::word
