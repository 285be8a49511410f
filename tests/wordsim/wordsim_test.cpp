// The stand-in's objects: creation, member lookup, Documents.Add and its template check, the
// selection, injected failures, reference counting, and the trace and print-outs.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "native_platform.h"
#include "word/word_ids.h"
#include "wordsim/document_print.h"
#include "wordsim/utf8.h"
#include "wordsim/wordsim.h"

namespace mochi::wordsim {
namespace {

namespace ids = word::ids;
using word::InvokeKind;
using word::Ref;
using word::Value;

constexpr std::string_view kTemplate = "carried template bytes";

class WordSimTest : public ::testing::Test {
 protected:
  Ref Application() {
    word::CreateResult created = sim.Create(u"Word.Application");
    EXPECT_FALSE(created.error);
    return std::move(created.object);
  }
  static Ref Get(const Ref& object, word::DispId member) {
    word::InvokeResult result = object->Invoke(member, InvokeKind::PropertyGet, {});
    EXPECT_TRUE(result.ok());
    return std::get<Ref>(std::move(result.value));
  }
  word::InvokeResult Add(const Ref& documents, std::string_view fileName) {
    std::array<Value, 1> arguments = {Path(fileName)};
    return documents->Invoke(ids::kDocumentsAdd, InvokeKind::Method, arguments);
  }
  std::u16string Path(std::string_view fileName) {
    const std::string path = files.ProgramPath(fileName);
    return std::u16string(path.begin(), path.end());
  }
  void WriteFile(std::string_view fileName, std::string_view bytes) {
    files.files().WriteWholeFile(files.ProgramPath(fileName), bytes);
  }
  static word::InvokeResult TypeText(const Ref& selection, std::u16string text) {
    std::array<Value, 1> arguments = {std::move(text)};
    return selection->Invoke(ids::kSelectionTypeText, InvokeKind::Method, arguments);
  }

  testing::NativeFiles files;
  std::unique_ptr<platform::TextCodec> codec = testing::MakeNativeTextCodec();
  WordSim sim{files.files(), *codec, std::span<const char>(kTemplate.data(), kTemplate.size())};
};

TEST_F(WordSimTest, MakesApplicationsOnlyForWord) {
  EXPECT_FALSE(sim.Create(u"word.APPLICATION").error);
  const word::CreateResult other = sim.Create(u"Excel.Application");
  EXPECT_TRUE(other.error);
  EXPECT_FALSE(other.object);
  EXPECT_EQ(sim.ApplicationCount(), 1u);
}

TEST_F(WordSimTest, FindsMembersWithoutRegardToCase) {
  const Ref application = Application();
  const Ref documents = Get(application, ids::kApplicationDocuments);
  EXPECT_EQ(documents->FindMember(u"add"), ids::kDocumentsAdd);
  EXPECT_EQ(documents->FindMember(u"ADD"), ids::kDocumentsAdd);
  EXPECT_EQ(documents->FindMember(u"parent"), ids::kParent);
  EXPECT_EQ(documents->FindMember(u"Close"), std::nullopt);
  EXPECT_EQ(application->FindMember(u"visible"), ids::kApplicationVisible);
}

TEST_F(WordSimTest, AddsADocumentOnlyFromAFileHoldingTheCarriedTemplate) {
  const Ref documents = Get(Application(), ids::kApplicationDocuments);
  WriteFile("longer.doc", std::string(kTemplate) + "x");
  WriteFile("shorter.doc", kTemplate.substr(1));
  WriteFile("changed.doc", std::string(kTemplate.size(), 'x'));
  WriteFile("dox.doc", kTemplate);
  for (const char* fileName : {"missing.doc", "longer.doc", "shorter.doc", "changed.doc"}) {
    EXPECT_FALSE(Add(documents, fileName).ok()) << fileName;
  }
  EXPECT_TRUE(sim.Application(0).documents.empty());
  const word::InvokeResult added = Add(documents, "dox.doc");
  ASSERT_TRUE(added.ok());
  EXPECT_TRUE(std::holds_alternative<Ref>(added.value));
  EXPECT_EQ(sim.Application(0).documents.size(), 1u);
  const word::InvokeResult count =
      documents->Invoke(ids::kDocumentsCount, InvokeKind::PropertyGet, {});
  EXPECT_EQ(std::get<std::int32_t>(count.value), 1);
}

TEST_F(WordSimTest, TheSelectionWorksOnTheActiveDocument) {
  const Ref application = Application();
  const Ref selection = Get(application, ids::kApplicationSelection);
  EXPECT_FALSE(TypeText(selection, u"x").ok());  // no document open yet

  const Ref documents = Get(application, ids::kApplicationDocuments);
  WriteFile("dox.doc", kTemplate);
  ASSERT_TRUE(Add(documents, "dox.doc").ok());
  ASSERT_TRUE(Add(documents, "dox.doc").ok());
  ASSERT_TRUE(TypeText(selection, u"汉字").ok());
  std::int32_t unit = ids::kUnitItem, count = 1, extend = 0;
  std::array<Value, 3> move = {word::IntByRef{&unit}, word::IntByRef{&count},
                               word::IntByRef{&extend}};
  const word::InvokeResult moved =
      selection->Invoke(ids::kSelectionMoveRight, InvokeKind::Method, move);
  EXPECT_EQ(std::get<std::int32_t>(moved.value), 1);
  unit = 2;  // a line: not modelled
  EXPECT_FALSE(selection->Invoke(ids::kSelectionMoveDown, InvokeKind::Method, move).ok());

  const auto& opened = sim.Application(0).documents;
  EXPECT_EQ(opened[0].Text().paragraphs[0], u"");
  EXPECT_EQ(opened[1].Text().paragraphs[0], u"汉字");
  EXPECT_EQ(opened[1].InsertionPoint().box, 1);
}

TEST_F(WordSimTest, VisibleIsAPropertyThatTakesABoolean) {
  const Ref application = Application();
  std::array<Value, 1> visible = {true};
  ASSERT_TRUE(application->Invoke(ids::kApplicationVisible, InvokeKind::PropertyPut, visible).ok());
  EXPECT_TRUE(sim.Application(0).visible);
  std::array<Value, 1> notBoolean = {std::int32_t{1}};
  EXPECT_FALSE(
      application->Invoke(ids::kApplicationVisible, InvokeKind::PropertyPut, notBoolean).ok());
  std::array<Value, 1> put = {true};
  EXPECT_FALSE(application->Invoke(ids::kApplicationDocuments, InvokeKind::PropertyPut, put).ok());
  EXPECT_FALSE(application->Invoke(12345, InvokeKind::PropertyGet, {}).ok());
}

TEST_F(WordSimTest, AFailedCallHasNoEffectAndIsMarkedInTheTrace) {
  const Ref application = Application();
  const Ref documents = Get(application, ids::kApplicationDocuments);
  WriteFile("dox.doc", kTemplate);
  sim.SetFailureRule(FailMember("Documents", "Add"));
  const word::InvokeResult failed = Add(documents, "dox.doc");
  EXPECT_FALSE(failed.ok());
  EXPECT_TRUE(sim.Application(0).documents.empty());
  ASSERT_FALSE(sim.Trace().empty());
  EXPECT_TRUE(sim.Trace().back().failed);
  EXPECT_EQ(Describe(sim.Trace().back()),
            "Documents.Add(\"" + files.ProgramPath("dox.doc") + "\") -> error");
  sim.SetFailureRule(nullptr);
  EXPECT_TRUE(Add(documents, "dox.doc").ok());
}

TEST_F(WordSimTest, ObjectsEndWithTheirLastReferenceAndMayOutliveTheStandIn) {
  Ref kept;
  {
    WordSim local(files.files(), *codec, std::span<const char>(kTemplate.data(), kTemplate.size()));
    Ref application = local.Create(u"Word.Application").object;
    Ref documents = Get(application, ids::kApplicationDocuments);
    Ref copy = documents;
    EXPECT_EQ(local.Application(0).liveObjects, 2);
    documents.Reset();
    copy.Reset();
    EXPECT_EQ(local.Application(0).liveObjects, 1);
    EXPECT_EQ(local.ApplicationOf(application.get()), 0u);
    kept = std::move(application);
  }
  // The application still answers after its maker is gone.
  EXPECT_TRUE(Get(kept, ids::kApplicationDocuments));
}

Call MakeCall(std::string object, std::string member, InvokeKind kind,
              std::vector<TracedValue> arguments) {
  Call call;
  call.object = std::move(object);
  call.member = std::move(member);
  call.kind = kind;
  call.arguments = std::move(arguments);
  return call;
}

TEST(CallTrace, DescribesEachKindOfCall) {
  EXPECT_EQ(Describe(MakeCall("Application", "Visible", InvokeKind::PropertyPut, {true})),
            "Application.Visible = true");
  EXPECT_EQ(Describe(MakeCall("Application", "Documents", InvokeKind::PropertyGet, {})),
            "Application.Documents");
  EXPECT_EQ(Describe(MakeCall("Selection", "MoveRight", InvokeKind::Method,
                              {std::int32_t{16}, std::int32_t{1}, std::int32_t{0}})),
            "Selection.MoveRight(16, 1, 0)");
  EXPECT_EQ(
      Describe(MakeCall("Selection", "TypeText", InvokeKind::Method, {std::u16string(u"一")})),
      "Selection.TypeText(\"一\")");
}

TEST(Utf8, ConvertsSurrogatePairsAndReplacesLoneSurrogates) {
  EXPECT_EQ(Utf8FromUtf16(u"a一€"), "a一€");
  EXPECT_EQ(Utf8FromUtf16(u"\U00020000"), "\U00020000");
  EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t{0xD800}) + u"x"), "\uFFFDx");
  EXPECT_EQ(DisplayWidth(u"a一，"), 5);
}

TEST(PrintDocument, ShowsTitleHeaderGridAndClosingLineInOrder) {
  word::DocumentText document;
  document.paragraphs[0] = u"标题";
  document.paragraphs[2] = u"表头";
  document.boxes[0][0] = u"一";
  document.boxes[word::layout::BoxNumber(13, 2) - 1][0] = u"二";
  document.paragraphs[39] = u"结尾";
  const std::string printed = PrintDocument(document);
  const std::string border = "+----+----+----+----+----+----+----+----+----+----+----+----+\n";
  const std::string blank = "|    |    |    |    |    |    |    |    |    |    |\n";
  EXPECT_NE(printed.find("标题\n"), std::string::npos);
  EXPECT_NE(printed.find("表头\n\n" + border + "| 一 |    " + blank + border), std::string::npos);
  EXPECT_NE(printed.find(border + "|    | 二 " + blank + border + "\n"), std::string::npos);
  EXPECT_LT(printed.find("标题"), printed.find("表头"));
  EXPECT_LT(printed.find("二"), printed.find("结尾"));
  EXPECT_EQ(printed.substr(printed.size() - 7), "结尾\n");
}

}  // namespace
}  // namespace mochi::wordsim
