#include "worksheet/finish_worksheet.h"

#include "word/word_ids.h"
#include "worksheet/cursor_moves.h"
#include "worksheet/date_time_text.h"
#include "worksheet/gbk_search.h"
#include "worksheet/texts.h"

namespace mochi::worksheet {

namespace {

// From the end of row 13 to the end of the last paragraph, below the grid.
constexpr int kParagraphStepsToClosing = 42;

}  // namespace

std::string ParentSignatureLine(const platform::LocalDateTime& now) {
  const std::string dateTime = DateTimeText(now);
  const int day = FindGbk(dateTime, texts::kDay);
  // Both bytes of 日 are kept; the time of day is dropped.
  const std::size_t kept = day > 0 ? static_cast<std::size_t>(day) + 1 : dateTime.size();
  return std::string(texts::kParentSignature) + dateTime.substr(0, kept);
}

void FinishWorksheet(const GenerationContext& context, RandomGenerator& generator) {
  word::WordConnection& connection = context.connection;
  if (context.toolkit.IsRadioSelected(texts::kRadioCharacters)) {
    BoxSteps(connection, 12);
  } else if (context.toolkit.IsRadioSelected(texts::kRadioWords)) {
    BoxSteps(connection, 11);
  } else {
    BoxSteps(connection, 9);
  }
  connection.MoveDown(word::ids::kUnitItem, 1, 0);
  ParagraphSteps(connection, kParagraphStepsToClosing);

  std::string closingLine;
  if (context.toolkit.IsRadioSelected(texts::kRadioParentSignature)) {
    closingLine = ParentSignatureLine(context.clock.Now());
  } else {
    closingLine = context.tables.MottoList.GetCell(DrawRow(generator, lists::kMottoCount), 1);
  }
  connection.TypeText(closingLine);
}

}  // namespace mochi::worksheet
