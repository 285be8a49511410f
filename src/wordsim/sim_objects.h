#pragma once
// The stand-in's automation objects: Application, Documents, Document and Selection. Each is
// reference counted; it keeps itself alive through a shared_ptr to itself while clients hold
// references, and ends when the last one is released.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "word/automation.h"
#include "wordsim/sim_session.h"

namespace mochi::wordsim {

struct Member {
  std::u16string_view name;
  word::DispId id;
  bool method;    // else a property
  bool writable;  // a property that takes a put
};

class SimObject : public word::Object {
 public:
  SimObject(std::string kind, std::span<const Member> members, std::shared_ptr<Session> session,
            std::shared_ptr<SimApplication> application);
  virtual ~SimObject();

  void AddRef() override;
  void Release() override;
  word::InvokeResult Invoke(word::DispId member, word::InvokeKind kind,
                            std::span<word::Value> arguments) override;
  std::optional<word::DispId> FindMember(std::u16string_view name) override;

  const std::string& Kind() const { return kind_; }
  const std::shared_ptr<SimApplication>& Application() const { return application_; }

  // A new object with one reference, held by the returned Ref.
  template <class T>
  static word::Ref Make(std::shared_ptr<Session> session,
                        std::shared_ptr<SimApplication> application) {
    auto object = std::make_shared<T>(std::move(session), std::move(application));
    object->self_ = object;
    object->count_ = 1;
    return word::Ref::Adopt(object.get());
  }

 protected:
  // Carries out a call that was recorded and not failed.
  virtual word::InvokeResult Perform(const Member& member, word::InvokeKind kind,
                                     std::span<word::Value> arguments) = 0;
  Session& session() { return *session_; }
  template <class T>
  word::Ref MakeSibling() {
    return Make<T>(session_, application_);
  }

 private:
  std::string kind_;
  std::span<const Member> members_;
  std::shared_ptr<Session> session_;
  std::shared_ptr<SimApplication> application_;
  std::shared_ptr<SimObject> self_;
  int count_ = 0;
};

class ApplicationObject final : public SimObject {
 public:
  ApplicationObject(std::shared_ptr<Session> session, std::shared_ptr<SimApplication> application);

 private:
  word::InvokeResult Perform(const Member& member, word::InvokeKind kind,
                             std::span<word::Value> arguments) override;
};

class DocumentsObject final : public SimObject {
 public:
  DocumentsObject(std::shared_ptr<Session> session, std::shared_ptr<SimApplication> application);

 private:
  word::InvokeResult Perform(const Member& member, word::InvokeKind kind,
                             std::span<word::Value> arguments) override;
  word::InvokeResult Add(std::span<word::Value> arguments);
};

class DocumentObject final : public SimObject {
 public:
  DocumentObject(std::shared_ptr<Session> session, std::shared_ptr<SimApplication> application);

 private:
  word::InvokeResult Perform(const Member& member, word::InvokeKind kind,
                             std::span<word::Value> arguments) override;
};

class SelectionObject final : public SimObject {
 public:
  SelectionObject(std::shared_ptr<Session> session, std::shared_ptr<SimApplication> application);

 private:
  word::InvokeResult Perform(const Member& member, word::InvokeKind kind,
                             std::span<word::Value> arguments) override;
  word::InvokeResult Move(const Member& member, std::span<word::Value> arguments);
};

}  // namespace mochi::wordsim
