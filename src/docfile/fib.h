#pragma once
// The file information block (FIB) at the start of WordDocument, in its Word 97 form: where
// every structure lies and how long each story is.

#include <array>
#include <cstdint>
#include <string>

namespace mochi::docfile {

inline constexpr std::uint32_t kFibSize = 900;

// Indices of the (fc, lcb) pairs used, in the Word 97 pair array.
enum class FibPair : std::size_t {
  StshfOrig = 0,
  Stshf = 1,
  PlcfSed = 6,
  PlcfBteChpx = 12,
  PlcfBtePapx = 13,
  SttbfFfn = 15,
  Dop = 31,
  Clx = 33,
  PlcSpaMom = 40,
  DggInfo = 50,
  PlcftxbxTxt = 56,
  PlcfTxbxBkd = 75,
};
inline constexpr std::size_t kFibPairCount = 93;

struct TableLocation {
  std::uint32_t fc = 0;  // offset in the table stream
  std::uint32_t lcb = 0;
};

struct Fib {
  std::uint32_t textFc = 0;  // first and end byte of the text in WordDocument
  std::uint32_t textEnd = 0;
  std::uint32_t streamSize = 0;  // length of WordDocument
  std::uint32_t ccpText = 0;
  std::uint32_t ccpTxbx = 0;
  std::uint32_t firstChpxPage = 0;
  std::uint32_t chpxPageCount = 0;
  std::uint32_t firstPapxPage = 0;
  std::uint32_t papxPageCount = 0;
  std::array<TableLocation, kFibPairCount> pairs{};

  TableLocation& operator[](FibPair pair) { return pairs[static_cast<std::size_t>(pair)]; }
};

std::string WriteFib(const Fib& fib);

}  // namespace mochi::docfile
