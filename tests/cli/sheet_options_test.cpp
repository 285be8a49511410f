// mochi-sheet's options.

#include <gtest/gtest.h>

#include <vector>

#include "cli/sheet_options.h"

namespace mochi::cli {
namespace {

ParsedOptions Parse(std::vector<std::string_view> arguments) {
  return ParseSheetOptions(arguments);
}

TEST(SheetOptions, DefaultsToCharactersWithAMottoAndTheUptimeAsSeed) {
  const ParsedOptions parsed = Parse({});
  ASSERT_TRUE(parsed.options);
  EXPECT_EQ(parsed.options->kind, SheetKind::Characters);
  EXPECT_EQ(parsed.options->ending, SheetEnding::Motto);
  EXPECT_FALSE(parsed.options->seed);
  EXPECT_FALSE(parsed.options->trace);
}

TEST(SheetOptions, TakesValuesAfterASpaceOrAnEqualsSign) {
  const ParsedOptions parsed =
      Parse({"--kind", "idioms", "--ending=signature", "--seed", "4294967295", "--trace"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->kind, SheetKind::Idioms);
  EXPECT_EQ(parsed.options->ending, SheetEnding::Signature);
  EXPECT_EQ(parsed.options->seed, 4294967295u);
  EXPECT_TRUE(parsed.options->trace);
  EXPECT_EQ(Parse({"--kind=words"}).options->kind, SheetKind::Words);
  EXPECT_EQ(Parse({"--seed=0"}).options->seed, 0u);
}

struct BadCase {
  std::vector<std::string_view> arguments;
  std::string_view errorMentions;
};

class SheetOptionErrors : public ::testing::TestWithParam<BadCase> {};

TEST_P(SheetOptionErrors, NameWhatIsAccepted) {
  const ParsedOptions parsed = Parse(GetParam().arguments);
  EXPECT_FALSE(parsed.options);
  EXPECT_NE(parsed.error.find(GetParam().errorMentions), std::string::npos) << parsed.error;
  EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SheetOptionErrors,
    ::testing::Values(BadCase{{"--kind", "word"}, "characters, words or idioms"},
                      BadCase{{"--kind"}, "needs a value"},
                      BadCase{{"--ending", "sign"}, "motto or signature"},
                      BadCase{{"--seed", "-1"}, "0 to 4294967295"},
                      BadCase{{"--seed", "4294967296"}, "0 to 4294967295"},
                      BadCase{{"--seed", "12x"}, "0 to 4294967295"},
                      BadCase{{"--seed="}, "0 to 4294967295"},
                      BadCase{{"--trace=yes"}, "takes no value"},
                      BadCase{{"idioms"}, "accepted: --kind, --ending, --seed, --trace"},
                      BadCase{{"-k", "idioms"}, "accepted: --kind"}));

}  // namespace
}  // namespace mochi::cli
