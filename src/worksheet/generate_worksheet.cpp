#include "worksheet/generate_worksheet.h"

#include <string>
#include <vector>

#include "worksheet/bodies.h"
#include "worksheet/cursor_moves.h"
#include "worksheet/finish_worksheet.h"
#include "worksheet/gbk_search.h"
#include "worksheet/texts.h"

namespace mochi::worksheet {

namespace {

// Refusals show an OK button only, no icon, task-modal.
constexpr platform::MessageBoxStyle kRefusalStyle{platform::MessageIcon::None, true};

enum class WorksheetKind { None, Characters, Words, Idioms };

// The first kind radio button that reads as selected, in the window's order.
WorksheetKind SelectedKind(platform::Toolkit& toolkit) {
  if (toolkit.IsRadioSelected(texts::kRadioCharacters)) return WorksheetKind::Characters;
  if (toolkit.IsRadioSelected(texts::kRadioWords)) return WorksheetKind::Words;
  if (toolkit.IsRadioSelected(texts::kRadioIdioms)) return WorksheetKind::Idioms;
  return WorksheetKind::None;
}

struct ListNeed {
  const lists::ListTable* table;
  int entries;
  std::string_view file;
};

// The file of the i-th list in loading order.
std::string_view FileOf(int i) { return lists::CarriedLists()[static_cast<std::size_t>(i)].path; }

std::vector<ListNeed> ListsToDrawFrom(const lists::WordListTables& tables,
                                      platform::Toolkit& toolkit) {
  std::vector<ListNeed> needs;
  switch (SelectedKind(toolkit)) {
    case WorksheetKind::Characters:
      needs = {{&tables.CharacterList, lists::kCharacterCount, FileOf(0)}};
      break;
    case WorksheetKind::Words:
      needs = {{&tables.WordFirstList, lists::kWordCount, FileOf(1)},
               {&tables.WordSecondList, lists::kWordCount, FileOf(2)}};
      break;
    case WorksheetKind::Idioms:
      needs = {{&tables.IdiomCharList1, lists::kIdiomCount, FileOf(3)},
               {&tables.IdiomCharList2, lists::kIdiomCount, FileOf(4)},
               {&tables.IdiomCharList3, lists::kIdiomCount, FileOf(5)},
               {&tables.IdiomCharList4, lists::kIdiomCount, FileOf(6)}};
      break;
    case WorksheetKind::None:
      break;
  }
  if (!toolkit.IsRadioSelected(texts::kRadioParentSignature)) {
    needs.push_back({&tables.MottoList, lists::kMottoCount, FileOf(7)});
  }
  return needs;
}

void TypeTitleBlock(word::WordConnection& connection, std::string_view title,
                    std::string_view header) {
  connection.TypeText(title);
  ParagraphSteps(connection, 2);
  connection.TypeText(header);
  BoxSteps(connection, 1);
}

}  // namespace

bool IsWordInstalled(platform::Registry& registry) {
  const std::string_view location = texts::kWordPathLocation;
  const std::size_t lastBackslash = location.rfind('\\');
  const std::string path = registry.ReadLocalMachineText(location.substr(0, lastBackslash),
                                                         location.substr(lastBackslash + 1));
  return FindGbk(path, texts::kWordPathMark) > 0;
}

std::optional<std::string_view> MissingListFile(const lists::WordListTables& tables,
                                                platform::Toolkit& toolkit) {
  for (const ListNeed& need : ListsToDrawFrom(tables, toolkit)) {
    if (need.table->RowCount() < need.entries) return need.file;
  }
  return std::nullopt;
}

void GenerateWorksheet(const GenerationContext& context) {
  RandomGenerator generator;
  generator.Seed(context.clock.UptimeMilliseconds());

  // A worksheet drawn from a list that did not load would come out blank: say which file.
  if (const std::optional<std::string_view> file =
          MissingListFile(context.tables, context.toolkit)) {
    const std::string text = std::string(texts::kListUnreadableText) + std::string(*file) +
                             std::string(texts::kListUnreadableEnding);
    context.dialogs.ShowMessage(text, texts::kListUnreadableTitle, kRefusalStyle);
    return;
  }
  if (!IsWordInstalled(context.registry)) {
    context.dialogs.ShowMessage(texts::kNoWordText, texts::kNoWordTitle, kRefusalStyle);
    return;
  }
  MakeWorksheet(context, generator);
}

void MakeWorksheet(const GenerationContext& context, RandomGenerator& generator) {
  word::WordConnection& connection = context.connection;
  context.state.worksheetGenerated = 1;
  connection.CreateApplication();
  connection.SetVisible(true);
  connection.AttachDocuments();
  context.state.documentsObject.Reset();
  context.state.documentsObject = connection.TakeDocuments();
  context.files.WriteWholeFile(texts::kTemplatePath, context.templateBytes);
  // Where the platform had to put the template elsewhere, Word gets the path it is at.
  connection.InvokeByName(context.state.documentsObject, texts::kAddMember,
                          context.files.PathInUse(texts::kTemplatePath));

  switch (SelectedKind(context.toolkit)) {
    case WorksheetKind::Characters:
      TypeTitleBlock(connection, texts::kCharactersTitle, texts::kCharactersHeader);
      FillCharacters(context, generator);
      break;
    case WorksheetKind::Words:
      TypeTitleBlock(connection, texts::kWordsTitle, texts::kWordsHeader);
      FillWords(context, generator);
      break;
    case WorksheetKind::Idioms:
      TypeTitleBlock(connection, texts::kIdiomsTitle, texts::kIdiomsHeader);
      FillIdioms(context, generator);
      break;
    case WorksheetKind::None:
      break;
  }
  FinishWorksheet(context, generator);
  connection.ReleaseDocuments();
}

}  // namespace mochi::worksheet
