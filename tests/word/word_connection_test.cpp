// WordConnection against the built-in stand-in: the calls each operation makes, the selection
// taken once through Documents.Parent, references let go of, and Word's errors swallowed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "native_platform.h"
#include "word/word_connection.h"
#include "wordsim/wordsim.h"

namespace mochi::word {
namespace {

using ::testing::ElementsAre;

constexpr std::string_view kTemplate = "template";

class WordConnectionTest : public ::testing::Test {
 protected:
  WordConnectionTest() { files.files().WriteWholeFile(templatePath, kTemplate); }
  std::vector<std::string> Calls() const {
    std::vector<std::string> calls;
    for (const wordsim::Call& call : sim.Trace()) calls.push_back(Describe(call));
    return calls;
  }
  void Open() {
    connection.CreateApplication();
    connection.SetVisible(true);
    connection.AttachDocuments();
  }

  testing::NativeFiles files;
  std::string templatePath = files.ProgramPath("dox.doc");
  std::unique_ptr<platform::TextCodec> codec = testing::MakeNativeTextCodec();
  wordsim::WordSim sim{files.files(), *codec,
                       std::span<const char>(kTemplate.data(), kTemplate.size())};
  WordConnection connection{sim, *codec};
};

TEST_F(WordConnectionTest, EachOperationMakesItsCallsAndTheSelectionIsTakenOnce) {
  Open();
  const Ref documents = connection.TakeDocuments();
  connection.InvokeByName(documents, "add", templatePath);
  connection.TypeText("\xD2\xBB");  // 一
  connection.MoveRight(16, 1, 0);
  connection.MoveDown(4, 1, 0);
  connection.TypeText("x");
  connection.ReleaseDocuments();
  const std::string path = "\"" + templatePath + "\"";
  EXPECT_THAT(Calls(), ElementsAre("Word.CreateObject(\"Word.Application\")",
                                   "Application.Visible = true", "Application.Documents",
                                   "Documents.FindMember(\"add\")", "Documents.Add(" + path + ")",
                                   "Documents.Parent", "Application.Selection",
                                   "Selection.TypeText(\"一\")", "Selection.MoveRight(16, 1, 0)",
                                   "Selection.MoveDown(4, 1, 0)", "Selection.TypeText(\"x\")"));
  EXPECT_TRUE(sim.Application(0).visible);
  const DocumentText& typed = sim.Application(0).documents.at(0).Text();
  EXPECT_EQ(typed.paragraphs[0], u"一");
  EXPECT_EQ(typed.boxes[0][1], u"x");
}

TEST_F(WordConnectionTest, LetsGoOfEverythingButTheApplicationAndWhatTheCallerTook) {
  Open();
  Ref documents = connection.TakeDocuments();
  connection.InvokeByName(documents, "add", templatePath);
  connection.TypeText("x");
  EXPECT_EQ(sim.Application(0).liveObjects, 3);  // application, documents, selection
  connection.ReleaseDocuments();
  EXPECT_EQ(sim.Application(0).liveObjects, 2);
  documents.Reset();
  EXPECT_EQ(sim.Application(0).liveObjects, 1);
  // A new application lets go of the old one; that Word keeps its documents.
  connection.CreateApplication();
  EXPECT_EQ(sim.Application(0).liveObjects, 0);
  EXPECT_EQ(sim.Application(0).documents.size(), 1u);
  EXPECT_EQ(sim.Application(1).liveObjects, 1);
}

TEST_F(WordConnectionTest, WithoutAnApplicationNothingIsAskedOfWord) {
  sim.SetFailureRule(wordsim::FailMember("Word", "CreateObject"));
  Open();
  EXPECT_FALSE(connection.TakeDocuments());
  connection.InvokeByName(connection.TakeDocuments(), "add", templatePath);
  connection.TypeText("x");
  connection.MoveRight(16, 1, 0);
  EXPECT_THAT(Calls(), ElementsAre("Word.CreateObject(\"Word.Application\") -> error"));
}

TEST_F(WordConnectionTest, WithoutDocumentsTheSelectionIsNeverSought) {
  sim.SetFailureRule(wordsim::FailMember("Application", "Documents"));
  Open();
  connection.TypeText("x");
  connection.MoveDown(4, 1, 0);
  EXPECT_THAT(Calls(), ElementsAre("Word.CreateObject(\"Word.Application\")",
                                   "Application.Visible = true", "Application.Documents -> error"));
}

TEST_F(WordConnectionTest, AFailedParentIsAskedAgainAtTheNextOperation) {
  Open();
  connection.InvokeByName(connection.TakeDocuments(), "add", templatePath);
  sim.SetFailureRule(wordsim::FailMember("Documents", "Parent"));
  connection.TypeText("x");
  sim.SetFailureRule(nullptr);
  connection.TypeText("y");
  const std::vector<std::string> calls = Calls();
  EXPECT_THAT(std::vector(calls.end() - 4, calls.end()),
              ElementsAre("Documents.Parent -> error", "Documents.Parent", "Application.Selection",
                          "Selection.TypeText(\"y\")"));
  EXPECT_EQ(sim.Application(0).documents.at(0).Text().paragraphs[0], u"y");
}

TEST_F(WordConnectionTest, AnUnknownMemberOrEmptyObjectInvokesNothing) {
  Open();
  connection.InvokeByName(connection.TakeDocuments(), "nosuchmember", templatePath);
  connection.InvokeByName(Ref(), "add", templatePath);
  const std::vector<std::string> calls = Calls();
  EXPECT_EQ(calls.back(), "Documents.FindMember(\"nosuchmember\")");
  EXPECT_TRUE(sim.Application(0).documents.empty());
}

}  // namespace
}  // namespace mochi::word
