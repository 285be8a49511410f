#include "wordsim/wordsim.h"

#include <algorithm>

#include "wordsim/sim_objects.h"
#include "wordsim/sim_session.h"

namespace mochi::wordsim {

namespace {

constexpr std::int32_t kClassNotRegistered = static_cast<std::int32_t>(0x80040154);
constexpr std::int32_t kInjectedFailure = static_cast<std::int32_t>(0x80010105);

bool IsWordProgId(std::u16string_view progId) {
  constexpr std::u16string_view kWord = u"word.application";
  return std::ranges::equal(progId, kWord, [](char16_t a, char16_t b) {
    return (a >= u'A' && a <= u'Z' ? a - u'A' + u'a' : a) == b;
  });
}

}  // namespace

WordSim::WordSim(platform::FileSystem& files, platform::TextCodec& codec,
                 std::span<const char> templateBytes)
    : session_(std::make_shared<Session>(files, codec, templateBytes)) {}

WordSim::~WordSim() = default;

word::CreateResult WordSim::Create(std::u16string_view progId) {
  Call call;
  call.object = "Word";
  call.member = "CreateObject";
  call.arguments.push_back(std::u16string(progId));
  if (session_->Record(std::move(call))) {
    return {{}, word::Error{kInjectedFailure, u"wordsim: this call was told to fail"}};
  }
  if (!IsWordProgId(progId)) return {{}, word::Error{kClassNotRegistered, u"Class not registered"}};
  auto application = std::make_shared<SimApplication>();
  session_->applications.push_back(application);
  return {SimObject::Make<ApplicationObject>(session_, application), std::nullopt};
}

std::size_t WordSim::ApplicationCount() const { return session_->applications.size(); }

const SimApplication& WordSim::Application(std::size_t index) const {
  return *session_->applications.at(index);
}

std::optional<std::size_t> WordSim::ApplicationOf(const word::Object* object) const {
  const auto* simObject = dynamic_cast<const SimObject*>(object);
  if (simObject == nullptr) return std::nullopt;
  const auto& applications = session_->applications;
  const auto found = std::ranges::find(applications, simObject->Application());
  if (found == applications.end()) return std::nullopt;
  return static_cast<std::size_t>(found - applications.begin());
}

const std::vector<Call>& WordSim::Trace() const { return session_->trace; }

void WordSim::SetFailureRule(std::function<bool(const Call&)> rule) {
  session_->failureRule = std::move(rule);
}

void WordSim::SetCallObserver(std::function<void(const Call&)> observer) {
  session_->observer = std::move(observer);
}

std::function<bool(const Call&)> FailFromCall(std::size_t index) {
  return [index](const Call& call) { return call.index >= index; };
}

std::function<bool(const Call&)> FailMember(std::string object, std::string member) {
  return [object = std::move(object), member = std::move(member)](const Call& call) {
    return call.object == object && call.member == member;
  };
}

}  // namespace mochi::wordsim
