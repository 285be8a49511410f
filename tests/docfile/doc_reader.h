#pragma once
// A small reader of Word 97-2003 files for the tests, written from the file format alone and
// sharing no code with the writer: the compound file, the FIB, the text, the formatting of any
// character or paragraph, the shape anchors, the text-box story and the drawing's records.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mochi::docfile::testing {

std::uint32_t ReadU32(std::string_view bytes, std::size_t offset);
std::uint16_t ReadU16(std::string_view bytes, std::size_t offset);

// Streams of a compound file by name; empty when the container is malformed.
std::map<std::u16string, std::string> ReadCompoundFile(std::string_view file);

struct Sprm {
  std::uint16_t opcode;
  std::uint32_t operand;
};

struct ShapeAnchor {
  std::uint32_t cp;
  std::uint32_t shapeId;
  std::int32_t left, top, right, bottom;
  std::uint16_t flags;
};

struct TextBoxRange {
  std::uint32_t cpStart, cpEnd;  // in the text-box story
  std::uint32_t shapeId;         // of the text box; 0 for the spare range
};

// One OfficeArt record; containers hold their children.
struct ArtRecord {
  std::uint16_t version, instance, type;
  std::string body;  // for atoms
  std::vector<ArtRecord> children;
  const ArtRecord* Find(std::uint16_t childType) const;
  std::vector<const ArtRecord*> FindAll(std::uint16_t childType) const;
};

class WordFile {
 public:
  explicit WordFile(std::string_view file);

  bool ok() const { return ok_; }
  const std::map<std::u16string, std::string>& streams() const { return streams_; }
  std::uint32_t FibLong(std::size_t offset) const { return ReadU32(document_, offset); }
  std::uint32_t ccpText() const { return FibLong(0x4C); }
  std::uint32_t ccpTxbx() const { return FibLong(0x64); }
  // The (fc, lcb) pair i of the FIB.
  std::pair<std::uint32_t, std::uint32_t> Pair(int index) const;

  // Every character of every story, from the piece table.
  const std::u16string& text() const { return text_; }
  std::u16string MainText() const { return text_.substr(0, ccpText()); }
  std::u16string TextBoxStory() const { return text_.substr(ccpText(), ccpTxbx()); }

  // The character sprms of the run holding cp (empty for default formatting).
  std::vector<Sprm> CharacterSprms(std::uint32_t cp) const;
  // The style index and paragraph sprms of the paragraph holding cp.
  std::pair<std::uint16_t, std::vector<Sprm>> ParagraphProperties(std::uint32_t cp) const;

  std::vector<ShapeAnchor> ShapeAnchors() const;
  std::vector<TextBoxRange> TextBoxRanges() const;
  // The top-level records of the drawing group data after the drawing-group container.
  std::optional<ArtRecord> Drawing() const;
  // Font names and character sets of the font table.
  std::vector<std::pair<std::u16string, std::uint8_t>> Fonts() const;
  // The section's sprms.
  std::vector<Sprm> SectionSprms() const;

 private:
  std::string_view Table(int pairIndex) const;
  std::uint32_t FcOfCp(std::uint32_t cp) const;
  // The FKP page and entry index covering fc, from a bin table.
  std::optional<std::pair<std::string_view, int>> FindFkpEntry(int binTablePair,
                                                               std::uint32_t fc) const;

  bool ok_ = false;
  std::map<std::u16string, std::string> streams_;
  std::string document_, table_;
  std::u16string text_;
  std::uint32_t textFc_ = 0;
};

std::vector<Sprm> ParseSprms(std::string_view bytes);
// The operand of the first sprm with this opcode, if any.
std::optional<std::uint32_t> FindSprm(const std::vector<Sprm>& sprms, std::uint16_t opcode);

}  // namespace mochi::docfile::testing
