#pragma once
// Formatted disk pages (FKPs): the character (CHPX) and paragraph (PAPX) properties of the text,
// packed into 512-byte pages of WordDocument, and the bin tables (PlcBteChpx, PlcBtePapx) that
// index those pages by file position.

#include <cstdint>
#include <string>
#include <vector>

#include "docfile/text.h"

namespace mochi::docfile {

inline constexpr std::uint32_t kFkpPageSize = 512;

struct FormattingPages {
  std::string pages;     // whole 512-byte pages, to be placed at firstPage * 512
  std::string binTable;  // the PLC of page numbers, for the table stream
  std::uint32_t pageCount = 0;
};

// Each page is filled greedily; every entry gets its own copy of its properties.
FormattingPages WriteChpxFkps(const std::vector<CharacterRun>& runs, std::uint32_t textFc,
                              std::uint32_t firstPage);
FormattingPages WritePapxFkps(const std::vector<ParagraphFormat>& paragraphs, std::uint32_t textFc,
                              std::uint32_t firstPage);

}  // namespace mochi::docfile
