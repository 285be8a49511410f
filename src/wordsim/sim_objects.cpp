#include "wordsim/sim_objects.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "word/word_ids.h"
#include "wordsim/utf8.h"

namespace mochi::wordsim {

namespace ids = word::ids;
using word::InvokeKind;
using word::InvokeResult;
using word::Value;

namespace {

// HRESULTs as automation reports them; Word's own errors carry its error number.
constexpr std::int32_t kMemberNotFound = static_cast<std::int32_t>(0x80020003);
constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x80020005);
constexpr std::int32_t kBadParamCount = static_cast<std::int32_t>(0x8002000E);
constexpr std::int32_t WordError(int number) {
  return static_cast<std::int32_t>(0x800A0000u + static_cast<unsigned>(number));
}
constexpr int kErrNoDocumentOpen = 4248;
constexpr int kErrFileNotFound = 5174;
constexpr int kErrCommandFailed = 4198;
constexpr std::int32_t kInjectedFailure = static_cast<std::int32_t>(0x80010105);  // server fault
constexpr word::DispId kUnknownDispId = -1;

InvokeResult Failure(std::int32_t code, std::u16string description) {
  return InvokeResult{word::Error{code, std::move(description)}, {}};
}

InvokeResult Success(Value value) { return InvokeResult{std::nullopt, std::move(value)}; }

TracedValue Trace(const Value& value) {
  struct Visitor {
    TracedValue operator()(std::monostate) const { return std::monostate{}; }
    TracedValue operator()(std::int32_t v) const { return v; }
    TracedValue operator()(word::IntByRef v) const {
      if (v.target == nullptr) return std::monostate{};
      return *v.target;
    }
    TracedValue operator()(bool v) const { return v; }
    TracedValue operator()(const std::u16string& v) const { return v; }
    TracedValue operator()(const word::Ref& v) const {
      const auto* object = dynamic_cast<const SimObject*>(v.get());
      return ObjectArgument{object != nullptr ? object->Kind() : "object"};
    }
  };
  return std::visit(Visitor{}, value);
}

std::string Utf8Name(std::u16string_view name) { return Utf8FromUtf16(name); }

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return Lower(x) == Lower(y); });
}

// An optional integer argument: the default when absent, nullopt when of another type.
std::optional<std::int32_t> IntArgument(std::span<Value> arguments, std::size_t index,
                                        std::int32_t fallback) {
  if (index >= arguments.size()) return fallback;
  const Value& value = arguments[index];
  if (std::holds_alternative<std::monostate>(value)) return fallback;
  if (const auto* v = std::get_if<std::int32_t>(&value)) return *v;
  if (const auto* v = std::get_if<word::IntByRef>(&value)) {
    if (v->target != nullptr) return *v->target;
  }
  return std::nullopt;
}

SimDocument* ActiveDocument(SimApplication& application) {
  if (application.documents.empty()) return nullptr;
  return &application.documents.back();
}

constexpr std::array<Member, 3> kApplicationMembers = {{
    {u"Selection", ids::kApplicationSelection, false, false},
    {u"Documents", ids::kApplicationDocuments, false, false},
    {u"Visible", ids::kApplicationVisible, false, true},
}};
constexpr std::array<Member, 3> kDocumentsMembers = {{
    {u"Count", ids::kDocumentsCount, false, false},
    {u"Add", ids::kDocumentsAdd, true, false},
    {u"Parent", ids::kParent, false, false},
}};
constexpr std::array<Member, 1> kDocumentMembers = {{
    {u"Parent", ids::kParent, false, false},
}};
constexpr std::array<Member, 3> kSelectionMembers = {{
    {u"MoveRight", ids::kSelectionMoveRight, true, false},
    {u"MoveDown", ids::kSelectionMoveDown, true, false},
    {u"TypeText", ids::kSelectionTypeText, true, false},
}};

}  // namespace

SimObject::SimObject(std::string kind, std::span<const Member> members,
                     std::shared_ptr<Session> session, std::shared_ptr<SimApplication> application)
    : kind_(std::move(kind)),
      members_(members),
      session_(std::move(session)),
      application_(std::move(application)) {
  ++application_->liveObjects;
}

SimObject::~SimObject() { --application_->liveObjects; }

void SimObject::AddRef() { ++count_; }

void SimObject::Release() {
  if (--count_ > 0) return;
  // Dropping the last self-reference ends this object; nothing of it is touched afterwards.
  std::shared_ptr<SimObject> last = std::move(self_);
}

InvokeResult SimObject::Invoke(word::DispId id, InvokeKind kind, std::span<Value> arguments) {
  const auto member = std::ranges::find(members_, id, &Member::id);
  Call call;
  call.object = kind_;
  call.member = member != members_.end() ? Utf8Name(member->name) : std::to_string(id);
  call.dispId = id;
  call.kind = kind;
  for (const Value& argument : arguments) call.arguments.push_back(Trace(argument));
  if (session_->Record(std::move(call))) {
    return Failure(kInjectedFailure, u"wordsim: this call was told to fail");
  }
  if (member == members_.end()) return Failure(kMemberNotFound, u"Unknown name.");
  // Methods answer a property get too, as VB-style callers make them.
  const bool callable = member->method ? kind != InvokeKind::PropertyPut
                                       : kind != InvokeKind::Method || arguments.empty();
  const bool putAllowed = kind != InvokeKind::PropertyPut || member->writable;
  if (!callable || !putAllowed) return Failure(kMemberNotFound, u"Member not found.");
  return Perform(*member, kind, arguments);
}

std::optional<word::DispId> SimObject::FindMember(std::u16string_view name) {
  Call call;
  call.object = kind_;
  call.member = "FindMember";
  call.dispId = kUnknownDispId;
  call.arguments.push_back(std::u16string(name));
  if (session_->Record(std::move(call))) return std::nullopt;
  // Methods first: a method and a property of the same name give the method.
  for (const bool method : {true, false}) {
    for (const Member& member : members_) {
      if (member.method == method && SameNameIgnoringCase(member.name, name)) return member.id;
    }
  }
  return std::nullopt;
}

ApplicationObject::ApplicationObject(std::shared_ptr<Session> session,
                                     std::shared_ptr<SimApplication> application)
    : SimObject("Application", kApplicationMembers, std::move(session), std::move(application)) {}

InvokeResult ApplicationObject::Perform(const Member& member, InvokeKind kind,
                                        std::span<Value> arguments) {
  switch (member.id) {
    case ids::kApplicationVisible:
      if (kind == InvokeKind::PropertyPut) {
        if (arguments.size() != 1) return Failure(kBadParamCount, u"Wrong number of arguments.");
        const bool* visible = std::get_if<bool>(&arguments[0]);
        if (visible == nullptr) return Failure(kTypeMismatch, u"Type mismatch.");
        Application()->visible = *visible;
        return Success({});
      }
      return Success(Application()->visible);
    case ids::kApplicationDocuments:
      return Success(MakeSibling<DocumentsObject>());
    default:  // kApplicationSelection
      return Success(MakeSibling<SelectionObject>());
  }
}

DocumentsObject::DocumentsObject(std::shared_ptr<Session> session,
                                 std::shared_ptr<SimApplication> application)
    : SimObject("Documents", kDocumentsMembers, std::move(session), std::move(application)) {}

InvokeResult DocumentsObject::Perform(const Member& member, InvokeKind,
                                      std::span<Value> arguments) {
  switch (member.id) {
    case ids::kDocumentsCount:
      return Success(static_cast<std::int32_t>(Application()->documents.size()));
    case ids::kDocumentsAdd:
      return Add(arguments);
    default:  // kParent
      return Success(MakeSibling<ApplicationObject>());
  }
}

// Documents.Add(Template, NewTemplate, DocumentType, Visible): only a document from the carried
// worksheet template is modelled, so Template must name a file holding exactly its bytes.
InvokeResult DocumentsObject::Add(std::span<Value> arguments) {
  if (arguments.size() > 4) return Failure(kBadParamCount, u"Wrong number of arguments.");
  const std::u16string* path =
      arguments.empty() ? nullptr : std::get_if<std::u16string>(&arguments[0]);
  if (path == nullptr) {
    return Failure(WordError(kErrCommandFailed),
                   u"wordsim: only documents made from the worksheet template are modelled");
  }
  const std::optional<std::string> gbkPath = session().codec.Utf16ToGbk(*path);
  std::unique_ptr<platform::OpenFile> file =
      gbkPath ? session().files.OpenExisting(*gbkPath) : nullptr;
  if (file == nullptr)
    return Failure(WordError(kErrFileNotFound), u"This file could not be found.");
  const std::span<const char> expected = session().templateBytes;
  std::vector<char> bytes(expected.size() + 1);
  const std::size_t read = file->ReadAt(0, bytes);
  if (file->Size() != expected.size() || read != expected.size() ||
      !std::equal(expected.begin(), expected.end(), bytes.begin())) {
    return Failure(WordError(kErrCommandFailed),
                   u"wordsim: the file is not the carried worksheet template");
  }
  Application()->documents.emplace_back();
  return Success(MakeSibling<DocumentObject>());
}

DocumentObject::DocumentObject(std::shared_ptr<Session> session,
                               std::shared_ptr<SimApplication> application)
    : SimObject("Document", kDocumentMembers, std::move(session), std::move(application)) {}

InvokeResult DocumentObject::Perform(const Member&, InvokeKind, std::span<Value>) {
  return Success(MakeSibling<DocumentsObject>());  // a document's Parent is its Documents
}

SelectionObject::SelectionObject(std::shared_ptr<Session> session,
                                 std::shared_ptr<SimApplication> application)
    : SimObject("Selection", kSelectionMembers, std::move(session), std::move(application)) {}

InvokeResult SelectionObject::Perform(const Member& member, InvokeKind,
                                      std::span<Value> arguments) {
  if (ActiveDocument(*Application()) == nullptr) {
    return Failure(WordError(kErrNoDocumentOpen),
                   u"This command is not available because no document is open.");
  }
  if (member.id != ids::kSelectionTypeText) return Move(member, arguments);
  if (arguments.size() != 1) return Failure(kBadParamCount, u"Wrong number of arguments.");
  const std::u16string* text = std::get_if<std::u16string>(&arguments[0]);
  if (text == nullptr) return Failure(kTypeMismatch, u"Type mismatch.");
  if (std::optional<std::u16string> refused = ActiveDocument(*Application())->TypeText(*text)) {
    return Failure(WordError(kErrCommandFailed), std::move(*refused));
  }
  return Success({});
}

// MoveRight(Unit, Count, Extend) and MoveDown(Unit, Count, Extend). The modelled units are the
// item (16) for both and the paragraph (4) for MoveDown; only moves, no extending.
InvokeResult SelectionObject::Move(const Member& member, std::span<Value> arguments) {
  if (arguments.size() > 3) return Failure(kBadParamCount, u"Wrong number of arguments.");
  const std::optional<std::int32_t> unit = IntArgument(arguments, 0, 1);
  const std::optional<std::int32_t> count = IntArgument(arguments, 1, 1);
  const std::optional<std::int32_t> extend = IntArgument(arguments, 2, 0);
  if (!unit || !count || !extend) return Failure(kTypeMismatch, u"Type mismatch.");
  if (*extend != 0 || *count < 0) {
    return Failure(WordError(kErrCommandFailed), u"wordsim: only plain forward moves are modelled");
  }
  SimDocument& document = *ActiveDocument(*Application());
  const bool down = member.id == ids::kSelectionMoveDown;
  if (*unit == ids::kUnitItem) {
    return Success(down ? document.ItemStepsDown(*count) : document.BoxSteps(*count));
  }
  if (down && *unit == ids::kUnitParagraph) return Success(document.ParagraphSteps(*count));
  return Failure(WordError(kErrCommandFailed), u"wordsim: this unit is not modelled here");
}

}  // namespace mochi::wordsim
