#include "worksheet_fixture.h"

#include <array>

namespace mochi::docfile::testing {

namespace layout = word::layout;

word::DocumentText IdiomWorksheetFixture() {
  static constexpr std::array<const char16_t*, layout::kRows> kIdioms = {
      u"一心一意", u"三心二意", u"四面八方", u"五湖四海", u"七上八下", u"九牛一毛", u"十全十美",
      u"百发百中", u"千言万语", u"万紫千红", u"山清水秀", u"鸟语花香", u"春暖花开"};
  word::DocumentText text;
  text.paragraphs[layout::kTitleParagraph - 1] = u"小学生学写成语练习";
  text.paragraphs[layout::kHeaderParagraph - 1] =
      u"常用成语大全" + std::u16string(26, u' ') + u"姓名：" + std::u16string(17, u' ') + u"评分：";
  for (int row = 1; row <= layout::kRows; ++row) {
    for (int column = 1; column <= kFixtureColumns; ++column) {
      text.boxes[layout::BoxNumber(row, column) - 1][0] =
          std::u16string(1, kIdioms[row - 1][column - 1]);
    }
  }
  text.paragraphs[layout::kClosingParagraph - 1] = u"书山有路勤为径，学海无涯苦作舟。";
  return text;
}

}  // namespace mochi::docfile::testing
