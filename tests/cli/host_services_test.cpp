// The host's stand-ins for the registry, the toolkit, the dialogs and the clock, which
// mochi-sheet runs on.

#include <gtest/gtest.h>

#include <string>

#include "platform/host/host_clock.h"
#include "platform/host/host_dialogs.h"
#include "platform/host/host_registry.h"
#include "platform/host/host_toolkit.h"

namespace mochi::platform {
namespace {

TEST(HostRegistry, AnswersSetValuesWithoutRegardToCaseAndEmptyOtherwise) {
  HostRegistry registry;
  registry.SetLocalMachineText("SOFTWARE\\Vendor\\App", "Path", "C:\\Office\\");
  EXPECT_EQ(registry.ReadLocalMachineText("software\\VENDOR\\app", "path"), "C:\\Office\\");
  EXPECT_EQ(registry.ReadLocalMachineText("SOFTWARE\\Vendor\\App", "Other"), "");
  EXPECT_EQ(registry.ReadLocalMachineText("SOFTWARE\\Vendor", "App\\Pat"), "");
}

TEST(HeadlessToolkit, HoldsRadioStatesAndStatusTextsWithinTheBarsParts) {
  HeadlessToolkit toolkit;
  EXPECT_FALSE(toolkit.IsRadioSelected("r1"));
  toolkit.SetRadioSelected("r1", true);
  toolkit.SetRadioSelected("r2", false);
  EXPECT_TRUE(toolkit.IsRadioSelected("r1"));
  EXPECT_FALSE(toolkit.IsRadioSelected("r2"));

  toolkit.AddStatusBar("bar", 2);
  toolkit.SetStatusPartText("bar", 0, "clock");
  toolkit.SetStatusPartText("bar", 2, "outside");
  toolkit.SetStatusPartText("bar", -1, "outside");
  toolkit.SetStatusPartText("nobar", 0, "nowhere");
  EXPECT_EQ(toolkit.StatusPartText("bar", 0), "clock");
  EXPECT_EQ(toolkit.StatusPartText("bar", 1), "");
  EXPECT_EQ(toolkit.StatusPartText("bar", 2), "");
  EXPECT_EQ(toolkit.StatusPartText("nobar", 0), "");
}

TEST(HostDialogs, HandsEachMessageToItsOwner) {
  std::string shown;
  HostDialogs dialogs([&shown](std::string_view text, std::string_view title) {
    shown += std::string(title) + "|" + std::string(text) + ";";
  });
  dialogs.ShowMessage("text", "title", {});
  dialogs.ShowMessage("again", "t", {MessageIcon::Error, true});
  EXPECT_EQ(shown, "title|text;t|again;");
}

TEST(HostClock, GivesALocalDateAndTimeInRange) {
  HostClock clock;
  const LocalDateTime now = clock.Now();
  EXPECT_GE(now.year, 2020);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.hour, 23);
  EXPECT_LE(now.minute, 59);
  EXPECT_LE(now.second, 60);
}

}  // namespace
}  // namespace mochi::platform
