#include "docfile/worksheet_format.h"

#include "docfile/sprm.h"
#include "word/template_layout.h"

namespace mochi::docfile::worksheet {

namespace {

namespace layout = word::layout;

// Font indices, in the order of Fonts().
constexpr std::uint16_t kTimesFont = 0;
constexpr std::uint16_t kSimSunFont = 3;
constexpr std::uint16_t kCambriaFont = 4;
constexpr std::uint16_t kKaiTiFont = 5;

constexpr std::uint8_t kAnsiCharset = 0;
constexpr std::uint8_t kSymbolCharset = 2;
constexpr std::uint8_t kGb2312Charset = 134;
constexpr std::uint32_t kLatin1 = 0x00000001;
constexpr std::uint32_t kLatin1AndSimplifiedChinese = 0x00040001;
constexpr std::uint32_t kSymbolCodePage = 0x80000000;

constexpr std::uint16_t kLidEnglishUs = 0x0409;
constexpr std::uint16_t kLidChinesePrc = 0x0804;
constexpr std::uint32_t kCentred = 1;
constexpr std::uint32_t kJustified = 3;
constexpr std::uint32_t kKernFromOnePoint = 2;  // half-points
constexpr std::uint32_t kGridLinesOnly = 2;
constexpr std::uint16_t kStiNormal = 0;
constexpr std::uint16_t kStiTitle = 62;
constexpr std::uint16_t kStiDefaultParagraphFont = 65;
constexpr std::uint16_t kDefaultParagraphFontStyle = 10;

// The layout names the Western fonts in ASCII.
std::u16string Ascii(const char* text) {
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::string NormalChpx() {
  return Grpprl()
      .Add(sprm::kCRgFtc0, kTimesFont)
      .Add(sprm::kCRgFtc1, kSimSunFont)
      .Add(sprm::kCRgFtc2, kTimesFont)
      .Add(sprm::kCHps, layout::kNormalSizeHalfPoints)
      .Add(sprm::kCHpsBi, layout::kNormalSizeHalfPoints)
      .Add(sprm::kCHpsKern, kKernFromOnePoint)
      .Add(sprm::kCRgLid0_80, kLidEnglishUs)
      .Add(sprm::kCRgLid1_80, kLidChinesePrc)
      .Add(sprm::kCRgLid0, kLidEnglishUs)
      .Add(sprm::kCRgLid1, kLidChinesePrc)
      .bytes();
}

std::string TitleChpx() {
  // No East Asian font of its own: the title keeps Normal's.
  return Grpprl()
      .Add(sprm::kCRgFtc0, kCambriaFont)
      .Add(sprm::kCRgFtc2, kCambriaFont)
      .Add(sprm::kCFBold, 1)
      .Add(sprm::kCHps, layout::kTitleSizeHalfPoints)
      .Add(sprm::kCHpsBi, layout::kTitleSizeHalfPoints)
      .bytes();
}

}  // namespace

std::vector<Font> Fonts() {
  using F = FontFamily;
  using P = FontPitch;
  return {
      {Ascii(layout::kWesternFont),
       u"",
       F::Roman,
       P::Variable,
       kAnsiCharset,
       {2, 2, 6, 3, 5, 4, 5, 2, 3, 4},
       kLatin1},
      {u"Symbol",
       u"",
       F::Roman,
       P::Variable,
       kSymbolCharset,
       {5, 5, 1, 2, 1, 7, 6, 2, 5, 7},
       kSymbolCodePage},
      {u"Arial",
       u"",
       F::Swiss,
       P::Variable,
       kAnsiCharset,
       {2, 11, 6, 4, 2, 2, 2, 2, 2, 4},
       kLatin1},
      {layout::kEastAsianFont,
       u"SimSun",
       F::DontCare,
       P::Variable,
       kGb2312Charset,
       {2, 1, 6, 0, 3, 1, 1, 1, 1, 1},
       kLatin1AndSimplifiedChinese},
      {Ascii(layout::kTitleWesternFont),
       u"",
       F::Roman,
       P::Variable,
       kAnsiCharset,
       {2, 4, 5, 3, 5, 4, 6, 3, 2, 4},
       kLatin1},
      {layout::kBoxFont,
       u"KaiTi",
       F::Modern,
       P::Fixed,
       kGb2312Charset,
       {2, 1, 6, 9, 6, 1, 1, 1, 1, 1},
       kLatin1AndSimplifiedChinese},
  };
}

std::array<std::uint16_t, 3> DefaultFonts() { return {kTimesFont, kSimSunFont, kTimesFont}; }

std::vector<Style> Styles() {
  const std::string normalPapx =
      Grpprl().Add(sprm::kPJc80, kJustified).Add(sprm::kPFWidowControl, 0).bytes();
  const std::string titlePapx = Grpprl()
                                    .Add(sprm::kPJc80, kCentred)
                                    .Add(sprm::kPOutLvl, 0)
                                    .Add(sprm::kPDyaBefore, layout::kTitleSpaceBefore)
                                    .Add(sprm::kPDyaAfter, layout::kTitleSpaceAfter)
                                    .bytes();
  return {
      {kNormalStyle, u"Normal", kStiNormal, StyleKind::Paragraph, kNoBaseStyle, kNormalStyle,
       normalPapx, NormalChpx()},
      {kDefaultParagraphFontStyle, u"Default Paragraph Font", kStiDefaultParagraphFont,
       StyleKind::Character, kNoBaseStyle, kDefaultParagraphFontStyle, "", ""},
      {kTitleStyle, u"Title", kStiTitle, StyleKind::Paragraph, kNormalStyle, kNormalStyle,
       titlePapx, TitleChpx()},
  };
}

std::string AnchorChpx() { return Grpprl().Add(sprm::kCFSpec, 1).bytes(); }

std::string TitleMarkChpx() {
  return Grpprl()
      .Add(sprm::kCHps, layout::kTitleMarkSizeHalfPoints)
      .Add(sprm::kCHpsBi, layout::kTitleMarkSizeHalfPoints)
      .bytes();
}

std::string BoxFirstMarkChpx(int column) {
  const layout::BoxTextFormat format = layout::BoxFirstParagraphFormat(column);
  Grpprl chpx;
  if (format.boxFont) {
    chpx.Add(sprm::kCRgFtc0, kKaiTiFont)
        .Add(sprm::kCRgFtc1, kKaiTiFont)
        .Add(sprm::kCRgFtc2, kKaiTiFont);
  }
  return chpx.Add(sprm::kCHps, format.sizeHalfPoints)
      .Add(sprm::kCHpsBi, format.sizeHalfPoints)
      .bytes();
}

std::string CentredPapx() { return Grpprl().Add(sprm::kPJc80, kCentred).bytes(); }

std::string BoxFirstParagraphPapx(int column) {
  if (layout::BoxFirstParagraphFormat(column).snapToGrid) return "";
  return Grpprl().Add(sprm::kPFUsePgsuSettings, 0).bytes();
}

std::string SectionSprms() {
  return Grpprl()
      .Add(sprm::kSXaPage, layout::kPageWidth)
      .Add(sprm::kSYaPage, layout::kPageHeight)
      .Add(sprm::kSDxaLeft, layout::kMarginLeft)
      .Add(sprm::kSDxaRight, layout::kMarginRight)
      .Add(sprm::kSDyaTop, layout::kMarginTop)
      .Add(sprm::kSDyaBottom, layout::kMarginBottom)
      .Add(sprm::kSDyaHdrTop, layout::kHeaderDistance)
      .Add(sprm::kSDyaHdrBottom, layout::kFooterDistance)
      .Add(sprm::kSDzaGutter, layout::kGutter)
      .Add(sprm::kSClm, kGridLinesOnly)
      .Add(sprm::kSDyaLinePitch, layout::kLinePitch)
      .bytes();
}

}  // namespace mochi::docfile::worksheet
