#include "app/control_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace mochi::app {
namespace {

using platform::ControlKind;

TEST(ControlTableTest, NamesAreUniqueAndParentsStandBeforeTheirChildren) {
  std::set<std::string_view> seen;
  for (const auto& control : MainWindowControls()) {
    EXPECT_TRUE(seen.insert(control.name).second) << control.name;
    if (!control.parent.empty()) {
      EXPECT_TRUE(seen.contains(control.parent)) << control.name;
    }
  }
}

TEST(ControlTableTest, EachRadioGroupStartsWithExactlyOneSelectedButton) {
  std::map<std::string_view, std::vector<std::string_view>> selectedByGroup;
  for (const auto& control : MainWindowControls()) {
    if (control.kind != ControlKind::RadioButton) continue;
    EXPECT_FALSE(control.parent.empty()) << control.name;
    auto& selected = selectedByGroup[control.parent];
    if (control.selected) selected.push_back(control.name);
  }
  ASSERT_EQ(selectedByGroup.size(), 2u);
  for (const auto& [group, selected] : selectedByGroup) {
    EXPECT_EQ(selected.size(), 1u) << group;
  }
  // The kind group starts on characters, the ending group on mottos.
  const std::set<std::string_view> starting = {selectedByGroup.begin()->second.front(),
                                               std::next(selectedByGroup.begin())->second.front()};
  EXPECT_EQ(starting, (std::set<std::string_view>{names::kCharactersRadio, names::kMottoRadio}));
}

TEST(ControlTableTest, TheHandlersFindTheirControls) {
  struct Need {
    std::string_view name;
    ControlKind kind;
  };
  const Need needs[] = {
      {names::kCharactersRadio, ControlKind::RadioButton},
      {names::kWordsRadio, ControlKind::RadioButton},
      {names::kIdiomsRadio, ControlKind::RadioButton},
      {names::kMottoRadio, ControlKind::RadioButton},
      {names::kSignatureRadio, ControlKind::RadioButton},
      {names::kGenerateButton, ControlKind::Button},
      {names::kStatusBar, ControlKind::StatusBar},
      {names::kClockTimer, ControlKind::Timer},
  };
  for (const Need& need : needs) {
    int found = 0;
    for (const auto& control : MainWindowControls()) {
      if (control.name == need.name && control.kind == need.kind) ++found;
    }
    EXPECT_EQ(found, 1) << need.name;
  }
}

TEST(ControlTableTest, TheStatusBarHasTheClockAndTheFixedPhrase) {
  for (const auto& control : MainWindowControls()) {
    if (control.name != names::kStatusBar) continue;
    ASSERT_EQ(control.parts.size(), 2u);
    EXPECT_EQ(control.parts[0].width, 161);
    EXPECT_EQ(control.parts[0].text, "");
    EXPECT_EQ(control.parts[1].width, 65);
    EXPECT_EQ(control.parts[1].text, " \xD5\xE4\xCF\xA7\xCD\xAF\xC4\xEA ");  // " 珍惜童年 "
  }
}

}  // namespace
}  // namespace mochi::app
