// The run as a whole: its calls and their order, the refusals, two runs in a row, and Word
// failing part-way.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "worksheet_fixture.h"

namespace mochi::testing {
namespace {

namespace texts = worksheet::texts;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct CountCase {
  Kind kind;
  int bodyTypeTexts;
};

class GenerationCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(GenerationCounts, EveryKindMakesTheSameMovesAndItsOwnTyping) {
  Harness h;
  h.Select(GetParam().kind, false);
  h.Generate();
  EXPECT_EQ(h.CountCalls("Selection.MoveRight(16, 1, 0)"), 157);
  EXPECT_EQ(h.CountCalls("Selection.MoveDown(4, 1, 0)"), 2 + 42);
  EXPECT_EQ(h.CountCalls("Selection.MoveDown(16, 1, 0)"), 1);
  const auto typeTexts =
      std::ranges::count(h.word.Trace(), std::string("TypeText"), &wordsim::Call::member);
  EXPECT_EQ(typeTexts, 2 + GetParam().bodyTypeTexts + 1);  // title block, body, closing line
}

INSTANTIATE_TEST_SUITE_P(Kinds, GenerationCounts,
                         ::testing::Values(CountCase{Kind::Characters, 13},
                                           CountCase{Kind::Words, 26},
                                           CountCase{Kind::Idioms, 52}));

TEST(GenerationRun, CallsComeInTheirOrder) {
  Harness h;
  h.Generate();
  const std::string radio = "radio ";
  const EventLog start(h.log.begin(), h.log.begin() + 16);
  EXPECT_THAT(
      start, ElementsAre("uptime",
                         // the list check reads the kind and the ending first
                         radio + std::string(texts::kRadioCharacters),
                         radio + std::string(texts::kRadioParentSignature),
                         "registry " + std::string(texts::kWordPathLocation),
                         "Word.CreateObject(\"Word.Application\")", "Application.Visible = true",
                         "Application.Documents", "write c:\\windows\\dox.doc",
                         "Documents.FindMember(\"add\")", "Documents.Add(\"c:\\windows\\dox.doc\")",
                         radio + std::string(texts::kRadioCharacters), "Documents.Parent",
                         "Application.Selection", "Selection.TypeText(\"小学生学写汉字练习\")",
                         "Selection.MoveDown(4, 1, 0)", "Selection.MoveDown(4, 1, 0)"));
  // Nothing follows the closing line: ending the connection calls nothing in Word.
  const EventLog end(h.log.end() - 3, h.log.end());
  EXPECT_THAT(
      end, ElementsAre(
               "Selection.MoveDown(4, 1, 0)", radio + std::string(texts::kRadioParentSignature),
               "Selection.TypeText(\"m:" + std::to_string(1 + kSeedOneValues[13] % 397) + "\")"));
  EXPECT_EQ(h.state.worksheetGenerated, 1);
  // The connection let go of documents and selection: the application and documentsObject
  // are all that is still held.
  EXPECT_EQ(h.word.Application(0).liveObjects, 2);
}

struct WordPathCase {
  const char* name;
  std::optional<std::string> path;  // nullopt: no value registered
  bool passes;
};

class WordCheck : public ::testing::TestWithParam<WordPathCase> {};

TEST_P(WordCheck, PassesOnlyWithFficeInWordsPath) {
  Harness h;
  h.registry.values.clear();
  if (GetParam().path) h.SetWordPath(*GetParam().path);
  EXPECT_EQ(worksheet::IsWordInstalled(h.registry), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WordCheck,
    ::testing::Values(
        WordPathCase{"Office", "C:\\Program Files\\Microsoft Office\\Office12\\", true},
        WordPathCase{"AnywhereInThePath", "D:\\suffice", true},
        WordPathCase{"Missing", std::nullopt, false}, WordPathCase{"Empty", "", false},
        WordPathCase{"CapitalsOnly", "C:\\PROGRAM FILES\\MICROSOFT OFFICE\\OFFICE12\\", false},
        // "f" as the second byte of a double-byte character does not start a match.
        WordPathCase{"TrailByte",
                     "C:\\\x81"
                     "ffice",
                     false},
        WordPathCase{"AfterADoubleByteCharacter",
                     "C:\\\xB0\xEC"
                     "ffice",
                     true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerationRun, WithoutWordOnlyTheMessageShows) {
  for (const std::int32_t generatedBefore : {0, 1}) {
    Harness h;
    h.registry.values.clear();
    h.state.worksheetGenerated = generatedBefore;
    h.Generate();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.Wide(h.dialogs.shown[0].text), u"电 脑 没 有 安 装 WORD 软 件.");
    EXPECT_EQ(h.Wide(h.dialogs.shown[0].title), u"无法打开表格：");
    EXPECT_EQ(h.dialogs.shown[0].style.icon, platform::MessageIcon::None);
    EXPECT_TRUE(h.dialogs.shown[0].style.taskModal);
    EXPECT_EQ(h.state.worksheetGenerated, generatedBefore);
    EXPECT_THAT(h.word.Trace(), IsEmpty());
    EXPECT_THAT(h.files.writes, IsEmpty());
    EXPECT_FALSE(h.state.documentsObject);
  }
}

struct MissingListCase {
  const char* name;
  Kind kind;
  bool parentSignature;
  lists::ListTable lists::WordListTables::*emptied;
  const char* file;  // the file the refusal names; nullptr when the run goes on
};

class ListCheck : public ::testing::TestWithParam<MissingListCase> {};

TEST_P(ListCheck, RefusesOnlyWhenAListToDrawFromDidNotLoad) {
  const MissingListCase& c = GetParam();
  Harness h;
  h.Select(c.kind, c.parentSignature);
  h.tables.*c.emptied = lists::ListTable();
  h.Generate();
  if (c.file == nullptr) {
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
    EXPECT_EQ(h.state.worksheetGenerated, 1);
    return;
  }
  ASSERT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.Wide(h.dialogs.shown[0].text), u"词 库 文 件 " + h.Wide(c.file) + u" 读 取 失 败.");
  EXPECT_EQ(h.Wide(h.dialogs.shown[0].title), u"无法生成题库：");
  EXPECT_EQ(h.state.worksheetGenerated, 0);
  EXPECT_THAT(h.word.Trace(), IsEmpty());
  EXPECT_EQ(
      std::ranges::count_if(h.log, [](const std::string& e) { return e.starts_with("registry"); }),
      0);
}

using Tables = lists::WordListTables;
INSTANTIATE_TEST_SUITE_P(
    Lists, ListCheck,
    ::testing::Values(
        MissingListCase{"Characters", Kind::Characters, false, &Tables::CharacterList,
                        "c:\\windows\\zi1.txt"},
        MissingListCase{"SecondWordList", Kind::Words, true, &Tables::WordSecondList,
                        "c:\\windows\\zi3.txt"},
        MissingListCase{"FourthIdiomList", Kind::Idioms, true, &Tables::IdiomCharList4,
                        "c:\\windows\\zi7.txt"},
        MissingListCase{"Mottos", Kind::Words, false, &Tables::MottoList, "c:\\windows\\my.txt"},
        MissingListCase{"MottosWithoutKind", Kind::None, false, &Tables::MottoList,
                        "c:\\windows\\my.txt"},
        MissingListCase{"MottosNotNeeded", Kind::Idioms, true, &Tables::MottoList, nullptr},
        MissingListCase{"OtherKindsListNotNeeded", Kind::Characters, false, &Tables::WordFirstList,
                        nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerationRun, AListShortOfItsEntriesIsRefusedToo) {
  Harness h;
  h.tables.CharacterList = lists::ListTable();
  h.tables.CharacterList.SetRowCount(lists::kCharacterCount - 1);
  h.Generate();
  EXPECT_EQ(h.dialogs.shown.size(), 1u);
  EXPECT_EQ(h.state.worksheetGenerated, 0);
}

TEST(GenerationRun, TwoRunsMakeTwoDocumentsAndKeepTheSecondDocuments) {
  Harness h;
  h.Generate();
  const word::DocumentText firstDocument = h.LatestDocument();
  h.clock.uptime = 2;
  h.Generate();

  ASSERT_EQ(h.word.ApplicationCount(), 2u);
  EXPECT_EQ(h.word.Application(0).documents.size(), 1u);
  EXPECT_EQ(h.word.Application(0).documents[0].Text().boxes, firstDocument.boxes);
  EXPECT_EQ(h.word.Application(1).documents.size(), 1u);
  EXPECT_EQ(h.word.ApplicationOf(h.state.documentsObject.get()), 1u);
  // The first run's application and Documents were both let go of.
  EXPECT_EQ(h.word.Application(0).liveObjects, 0);
  EXPECT_EQ(h.word.Application(1).liveObjects, 2);
  // The template is written at every run, even unchanged.
  EXPECT_EQ(h.files.writes["c:\\windows\\dox.doc"], 2);
  EXPECT_EQ(h.files.contents["c:\\windows\\dox.doc"], kFixtureTemplate);
}

TEST(GenerationRun, WordFailingFromAnyCallOnStillEndsTheRunNormally) {
  Harness reference;
  reference.Generate();
  const std::size_t callsOfARun = reference.word.Trace().size();
  for (const std::size_t failFrom : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{4},
                                     std::size_t{5}, std::size_t{50}, callsOfARun - 1}) {
    SCOPED_TRACE(failFrom);
    Harness h;
    h.word.SetFailureRule(wordsim::FailFromCall(failFrom));
    h.Generate();
    EXPECT_EQ(h.state.worksheetGenerated, 1);
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
    // No call after the failing one reached Word and succeeded.
    for (const wordsim::Call& call : h.word.Trace()) {
      if (call.index >= failFrom) {
        EXPECT_TRUE(call.failed) << Describe(call);
      }
    }
    // A next run, with Word well again, makes a whole worksheet.
    h.word.SetFailureRule(nullptr);
    h.Generate();
    EXPECT_EQ(h.LatestDocument().paragraphs[0], u"小学生学写汉字练习");
  }
}

TEST(GenerationRun, WithoutAnApplicationNothingMoreIsAskedOfWord) {
  Harness h;
  h.word.SetFailureRule(wordsim::FailMember("Word", "CreateObject"));
  h.Generate();
  ASSERT_EQ(h.word.Trace().size(), 1u);
  EXPECT_EQ(h.word.Trace()[0].member, "CreateObject");
  EXPECT_EQ(h.state.worksheetGenerated, 1);
  EXPECT_FALSE(h.state.documentsObject);
  EXPECT_EQ(h.files.writes["c:\\windows\\dox.doc"], 1);
}

}  // namespace
}  // namespace mochi::testing
