#pragma once
// Single property modifiers (sprms): a 16-bit opcode followed by its operand. The opcode's top
// three bits give the operand's size. Only fixed-size operands occur in our documents.

#include <cstdint>
#include <string>

namespace mochi::docfile {

namespace sprm {
// Character properties.
inline constexpr std::uint16_t kCFBold = 0x0835;
inline constexpr std::uint16_t kCFSpec =
    0x0855;                                     // the character is a special (drawn object anchor)
inline constexpr std::uint16_t kCHps = 0x4A43;  // size in half-points
inline constexpr std::uint16_t kCHpsBi = 0x4A61;
inline constexpr std::uint16_t kCHpsKern = 0x484B;
inline constexpr std::uint16_t kCRgFtc0 = 0x4A4F;  // ASCII font
inline constexpr std::uint16_t kCRgFtc1 = 0x4A50;  // East Asian font
inline constexpr std::uint16_t kCRgFtc2 = 0x4A51;  // other font
inline constexpr std::uint16_t kCRgLid0_80 = 0x486D;
inline constexpr std::uint16_t kCRgLid1_80 = 0x486E;
inline constexpr std::uint16_t kCRgLid0 = 0x4873;
inline constexpr std::uint16_t kCRgLid1 = 0x4874;
// Paragraph properties.
inline constexpr std::uint16_t kPJc80 = 0x2403;  // 0 left, 1 centred, 2 right, 3 justified
inline constexpr std::uint16_t kPFWidowControl = 0x2431;
inline constexpr std::uint16_t kPDyaBefore = 0xA413;
inline constexpr std::uint16_t kPDyaAfter = 0xA414;
inline constexpr std::uint16_t kPOutLvl = 0x2640;
inline constexpr std::uint16_t kPFUsePgsuSettings = 0x2447;  // aligned to the document grid
// Section properties.
inline constexpr std::uint16_t kSDyaHdrTop = 0xB017;
inline constexpr std::uint16_t kSDyaHdrBottom = 0xB018;
inline constexpr std::uint16_t kSXaPage = 0xB01F;
inline constexpr std::uint16_t kSYaPage = 0xB020;
inline constexpr std::uint16_t kSDxaLeft = 0xB021;
inline constexpr std::uint16_t kSDxaRight = 0xB022;
inline constexpr std::uint16_t kSDyaTop = 0x9023;
inline constexpr std::uint16_t kSDyaBottom = 0x9024;
inline constexpr std::uint16_t kSDzaGutter = 0xB025;
inline constexpr std::uint16_t kSClm = 0x5032;  // document grid kind
inline constexpr std::uint16_t kSDyaLinePitch = 0x9031;
}  // namespace sprm

// A list of sprms (a grpprl) built up in order.
class Grpprl {
 public:
  Grpprl& Add(std::uint16_t opcode, std::uint32_t operand);
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace mochi::docfile
