#pragma once
// The command line of mochi-sheet.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mochi::cli {

enum class SheetKind { Characters, Words, Idioms };
enum class SheetEnding { Motto, Signature };

struct SheetOptions {
  SheetKind kind = SheetKind::Characters;
  SheetEnding ending = SheetEnding::Motto;
  std::optional<std::uint32_t> seed;  // else the uptime, as the window program seeds
  bool trace = false;                 // print every automation call
  bool help = false;
};

struct ParsedOptions {
  std::optional<SheetOptions> options;
  std::string error;  // one line naming what is accepted, when options is empty
};

// Options as "--name value" or "--name=value".
ParsedOptions ParseSheetOptions(std::span<const std::string_view> arguments);

inline constexpr std::string_view kSheetUsage =
    "usage: mochi-sheet [--kind characters|words|idioms] [--ending motto|signature] "
    "[--seed N] [--trace]";

}  // namespace mochi::cli
