#pragma once
// The worksheet template's layout as data: page, styles, the 40 main-text paragraphs and the
// 13 x 12 writing boxes. The template writer builds the .doc from it and the built-in Word
// stand-in models the same document from it, so both agree by construction.
// Lengths are in twips (1/1440 inch) unless a name says otherwise.

#include <array>

namespace mochi::word::layout {

// Page and section.
inline constexpr int kPageWidth = 11906;  // A4 portrait
inline constexpr int kPageHeight = 16838;
inline constexpr int kMarginLeft = 947;
inline constexpr int kMarginRight = 947;
inline constexpr int kMarginTop = 1440;
inline constexpr int kMarginBottom = 873;
inline constexpr int kGutter = 0;
inline constexpr int kHeaderDistance = 851;
inline constexpr int kFooterDistance = 992;
inline constexpr int kLinePitch = 312;  // document grid: lines only
inline constexpr int kTextWidth = kPageWidth - kMarginLeft - kMarginRight;
static_assert(kTextWidth == 10012);

// Styles. Sizes in half-points, as Word stores them.
inline constexpr int kNormalSizeHalfPoints = 21;     // 10.5 pt
inline constexpr int kTitleSizeHalfPoints = 32;      // 16 pt
inline constexpr int kTitleMarkSizeHalfPoints = 44;  // paragraph 1's mark: 22 pt
inline constexpr int kTitleSpaceBefore = 240;        // 12 pt
inline constexpr int kTitleSpaceAfter = 60;          // 3 pt
inline constexpr char kWesternFont[] = "Times New Roman";
inline constexpr char kTitleWesternFont[] = "Cambria";
inline constexpr char16_t kEastAsianFont[] = u"宋体";
inline constexpr char16_t kBoxFont[] = u"楷体";  // KaiTi, GB2312 character set

// The writing grid.
inline constexpr int kRows = 13;
inline constexpr int kColumns = 12;
inline constexpr int kBoxes = kRows * kColumns;
inline constexpr int kBoxWidth = 839;
inline constexpr int kBoxHeight = 834;
// Horizontal position of each column's box from the left edge of the text column.
inline constexpr std::array<int, kColumns> kColumnLeft = {0,    831,  1665, 2500, 3334, 4168,
                                                          5002, 5836, 6670, 7504, 8338, 9172};
static_assert(kColumnLeft[kColumns - 1] + kBoxWidth == kTextWidth - 1);

// Main text: 40 paragraphs, numbered from 1.
inline constexpr int kMainParagraphs = 40;
inline constexpr int kTitleParagraph = 1;
inline constexpr int kHeaderParagraph = 3;
inline constexpr int kClosingParagraph = 40;
// Line breaks that open the closing paragraph, so text typed at its end stands below row 13.
inline constexpr int kClosingLineBreaks = 3;

// The paragraph holding the 12 anchors of a grid row (rows 1 to 13): 4, 7, ..., 37, then 40.
constexpr int AnchorParagraph(int row) { return 4 + 3 * (row - 1); }
static_assert(AnchorParagraph(kRows) == kClosingParagraph);

enum class ParagraphRole {
  Title,    // empty, Title style, mark 22 pt: receives the title line
  Empty,    // empty Normal paragraph
  Header,   // empty, Normal, centred: receives the header line
  GridRow,  // the anchors of one row, Normal
  Closing,  // line breaks, then the anchors of row 13, Normal, centred: receives the closing line
};

constexpr ParagraphRole RoleOfParagraph(int paragraph) {
  if (paragraph == kTitleParagraph) return ParagraphRole::Title;
  if (paragraph == kHeaderParagraph) return ParagraphRole::Header;
  if (paragraph == kClosingParagraph) return ParagraphRole::Closing;
  if (paragraph >= AnchorParagraph(1) && (paragraph - AnchorParagraph(1)) % 3 == 0) {
    return ParagraphRole::GridRow;
  }
  return ParagraphRole::Empty;
}

// Row of the grid anchored in a paragraph, 0 when the paragraph anchors no row.
constexpr int RowOfParagraph(int paragraph) {
  const ParagraphRole role = RoleOfParagraph(paragraph);
  if (role != ParagraphRole::GridRow && role != ParagraphRole::Closing) return 0;
  return (paragraph - AnchorParagraph(1)) / 3 + 1;
}

// Within an anchor paragraph the anchors stand from column 12 down to column 1.
constexpr int ColumnOfAnchor(int anchorIndexInParagraph) {
  return kColumns - anchorIndexInParagraph;
}

// Box numbers 1 to 156 in reading order: row 1 columns 1 to 12, then row 2, ... This is also the
// drawing (stacking) order of the groups.
constexpr int BoxNumber(int row, int column) { return (row - 1) * kColumns + column; }

// The first paragraph of each box's text; the second paragraph is plain Normal.
struct BoxTextFormat {
  int sizeHalfPoints;
  bool boxFont;     // 楷体 instead of the Normal fonts
  bool snapToGrid;  // aligned to the document grid
};
constexpr BoxTextFormat BoxFirstParagraphFormat(int column) {
  return column <= 4 ? BoxTextFormat{72, false, true} : BoxTextFormat{60, true, false};
}

// Inside a box, in the group's own coordinates (one unit per twip).
struct Segment {
  int x1, y1, x2, y2;
};
inline constexpr Segment kTextBoxRect = {1, 0, 836, 834};
inline constexpr Segment kHorizontalGuide = {0, 418, 839, 418};
inline constexpr Segment kVerticalGuide = {417, 3, 419, 831};
inline constexpr int kTextBoxBorderEighthPoints = 8;     // 1 pt, black
inline constexpr int kTextBoxInsetLeftRightEmu = 18000;  // 0.5 mm
inline constexpr int kGuideLineWidthEmu = 19050;         // 1.5 pt
inline constexpr int kGuideLineGreyRgb = 0xC0C0C0;       // dotted with round dots

}  // namespace mochi::word::layout
