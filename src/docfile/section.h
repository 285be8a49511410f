#pragma once
// The document's one section: its properties (SEPX, kept in WordDocument) and the section table
// (PlcfSed, in the table stream) that points at them.

#include <cstdint>
#include <string>

namespace mochi::docfile {

// The SEPX: a 16-bit size, then the section sprms.
std::string WriteSepx(const std::string& sectionSprms);

// One section covering CPs [0, cpEnd), its SEPX at fcSepx in WordDocument.
std::string WritePlcfSed(std::uint32_t cpEnd, std::uint32_t fcSepx);

}  // namespace mochi::docfile
