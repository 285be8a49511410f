#include "app/fatal_error.h"

#include <gtest/gtest.h>

namespace mochi::app {
namespace {

// 运行时出错! and the two labels, in GBK.
const std::string kHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";
const std::string kCode = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";
const std::string kMessage = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";

TEST(FatalErrorTest, TheTextHoldsTheCodeAndTheMessageWhenThereAreAny) {
  struct Case {
    std::optional<int> code;
    std::string message;
    std::string expected;
  };
  const Case cases[] = {
      {std::nullopt, "boom", kHeading + kMessage + "boom\r\n"},
      {-2147467259, "boom", kHeading + kCode + "-2147467259\r\n\r\n" + kMessage + "boom\r\n"},
      {7, "", kHeading + kCode + "7\r\n\r\n"},
      {std::nullopt, "", kHeading},
  };
  for (const Case& c : cases) EXPECT_EQ(FatalErrorText(c.code, c.message), c.expected);
}

}  // namespace
}  // namespace mochi::app
