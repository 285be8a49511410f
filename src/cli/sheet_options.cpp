#include "cli/sheet_options.h"

#include <charconv>
#include <limits>

namespace mochi::cli {

namespace {

ParsedOptions Error(std::string message) { return {std::nullopt, std::move(message)}; }

std::optional<std::uint32_t> ParseSeed(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      value > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace

ParsedOptions ParseSheetOptions(std::span<const std::string_view> arguments) {
  SheetOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view name = arguments[i];
    std::optional<std::string_view> value;
    if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    if (name == "--trace" || name == "--help") {
      if (value) return Error(std::string(name) + " takes no value");
      (name == "--trace" ? options.trace : options.help) = true;
      continue;
    }
    if (name != "--kind" && name != "--ending" && name != "--seed") {
      return Error("unknown option '" + std::string(arguments[i]) +
                   "'; accepted: --kind, --ending, --seed, --trace, --help");
    }
    if (!value) {
      if (i + 1 == arguments.size()) return Error(std::string(name) + " needs a value");
      value = arguments[++i];
    }
    if (name == "--kind") {
      if (*value == "characters") {
        options.kind = SheetKind::Characters;
      } else if (*value == "words") {
        options.kind = SheetKind::Words;
      } else if (*value == "idioms") {
        options.kind = SheetKind::Idioms;
      } else {
        return Error("--kind accepts characters, words or idioms, not '" + std::string(*value) +
                     "'");
      }
    } else if (name == "--ending") {
      if (*value == "motto") {
        options.ending = SheetEnding::Motto;
      } else if (*value == "signature") {
        options.ending = SheetEnding::Signature;
      } else {
        return Error("--ending accepts motto or signature, not '" + std::string(*value) + "'");
      }
    } else {
      options.seed = ParseSeed(*value);
      if (!options.seed) {
        return Error("--seed accepts a whole number from 0 to 4294967295, not '" +
                     std::string(*value) + "'");
      }
    }
  }
  return {options, {}};
}

}  // namespace mochi::cli
