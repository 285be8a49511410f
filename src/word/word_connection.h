#pragma once
// The Word objects of one generation run and the operations the run needs of them. Every
// operation swallows Word's errors: a failed call has no further effect, and with no application
// or no documents the later operations do nothing. The same code drives real Word and the
// built-in stand-in, through the automation interface.

#include <string_view>

#include "platform/text.h"
#include "word/automation.h"

namespace mochi::word {

class WordConnection {
 public:
  WordConnection(ObjectFactory& factory, platform::TextCodec& codec);

  // Releases the application of an earlier run (that Word keeps running) and makes a new one
  // from "Word.Application".
  void CreateApplication();
  // Application.Visible.
  void SetVisible(bool visible);
  // Lets go of the documents and the selection, then takes Application.Documents.
  void AttachDocuments();
  // Another reference to the documents (empty if none), for the caller to keep.
  Ref TakeDocuments() const;
  // Finds the member `name` (GBK) in the object's type information and invokes it with one text
  // argument (GBK), later optional parameters omitted; the result is dropped.
  void InvokeByName(const Ref& object, std::string_view name, std::string_view text);
  // Selection.TypeText with the GBK text as UTF-16.
  void TypeText(std::string_view text);
  // Selection.MoveRight and Selection.MoveDown; the moved count is dropped.
  void MoveRight(int unit, int count, int extend);
  void MoveDown(int unit, int count, int extend);
  // Lets go of the documents and the selection; the application stays.
  void ReleaseDocuments();

 private:
  // The selection, taken on first use as Documents.Parent.Selection; empty when that fails.
  Object* Selection();
  void Move(DispId member, int unit, int count, int extend);

  ObjectFactory& factory_;
  platform::TextCodec& codec_;
  Ref application_;
  Ref documents_;
  Ref selection_;
};

}  // namespace mochi::word
