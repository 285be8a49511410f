#pragma once
// The document's characters, all stories one after another, with the formatting of every run of
// characters and every paragraph; and the piece table that maps them into the WordDocument
// stream as one piece of UTF-16 text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mochi::docfile {

namespace chars {
inline constexpr char16_t kParagraphMark = 0x0D;
inline constexpr char16_t kLineBreak = 0x0B;
inline constexpr char16_t kDrawnObject = 0x08;  // anchor of a drawn object
}  // namespace chars

// Characters up to cpEnd (exclusive) since the previous run share these character sprms.
struct CharacterRun {
  std::uint32_t cpEnd;
  std::string chpx;
};

// The paragraph ending just before cpEnd (its mark is cpEnd - 1).
struct ParagraphFormat {
  std::uint32_t cpEnd;
  std::uint16_t istd;
  std::string papx;  // paragraph sprms, without the style index
};

class TextContent {
 public:
  // Appends characters formatted with chpx; runs with the same formatting merge.
  void Append(std::u16string_view characters, std::string_view chpx);
  // Appends a paragraph mark carrying markChpx and ends the paragraph with its properties.
  void EndParagraph(std::string_view markChpx, std::uint16_t istd, std::string_view papx);

  std::uint32_t cp() const { return static_cast<std::uint32_t>(text_.size()); }
  const std::u16string& text() const { return text_; }
  const std::vector<CharacterRun>& runs() const { return runs_; }
  const std::vector<ParagraphFormat>& paragraphs() const { return paragraphs_; }

 private:
  std::u16string text_;
  std::vector<CharacterRun> runs_;
  std::vector<ParagraphFormat> paragraphs_;
};

// UTF-16LE bytes of the text, as stored at textFc in WordDocument.
std::string TextBytes(const std::u16string& text);

// The Clx: a piece table of one uncompressed piece covering CPs [0, cpCount) at textFc.
std::string WriteClx(std::uint32_t cpCount, std::uint32_t textFc);

}  // namespace mochi::docfile
