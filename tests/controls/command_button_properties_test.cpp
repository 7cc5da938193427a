// The stored form of a Command button: defaults, key case, orders, bad values.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "tests/controls/button_script.h"

namespace blazemere::controls {
namespace {

using namespace script;
using Keys = std::vector<std::string>;

const CaptionFont kDialogFont{};
const CaptionFont kOtherFont{.name = "Arial", .sizePoints = 12, .weight = 700, .characterSet = 0};

StoredProperties Stored(std::initializer_list<std::pair<const char*, StoredValue>> values) {
  StoredProperties stored;
  for (const auto& [key, value] : values) stored.Set(key, value);
  return stored;
}

// Lower-case keys, as the settings dialog stores them, are read in the
// dialog's own test of its buttons.
TEST(CommandButtonStored, LoadingGivesTheDefaults) {
  CommandButton button(81, 25);
  EXPECT_EQ(Describe(button.LoadStoredProperties(StoredProperties{}, kOtherFont)), "Paint(Normal)");
  EXPECT_TRUE(button.EnabledField());
  EXPECT_EQ(button.Caption(), "Command1");
  EXPECT_EQ(*button.Font(), kOtherFont);
  EXPECT_EQ(button.FirstRun(), 1);
  EXPECT_EQ(button.FontColourField(), 0u);
  EXPECT_TRUE(button.BodyShown());
}

struct Conversion { const char *name, *key; StoredValue value; std::function<bool(const CommandButton&)> holds; };

// A value that does not convert leaves its property as a first load set
// it, and the keys after it are still read.
TEST(CommandButtonStored, UnconvertibleValuesLeaveThePropertyAlone) {
  const Conversion kCases[] = {
      {"Enabled as a word", "Enabled", std::string("perhaps"), [](auto& b) { return !b.EnabledField(); }},
      {"Font as text", "Font", std::string("Arial"), [](auto& b) { return *b.Font() == kOtherFont; }},
      {"FontColour too big", "FontColour", std::int64_t{1LL << 33}, [](auto& b) { return b.FontColourField() == 0xFFu; }},
      {"Visible out of range", "Visible", std::int64_t{70000}, [](auto& b) { return !b.BodyShown(); }},
  };
  const StoredProperties first = Stored({{"Enabled", false}, {"Caption", std::string("Kept")}, {"Font", kOtherFont},
                                         {"FirstRun", std::int64_t{0}}, {"FontColour", std::int64_t{0xFF}},
                                         {"Visible", std::int64_t{0}}});
  for (const Conversion& row : kCases) {
    SCOPED_TRACE(row.name);
    CommandButton button(81, 25);
    button.LoadStoredProperties(first, kDialogFont);
    StoredProperties second = first;
    second.Set(row.key, row.value);
    second.Set("Visible", std::string(row.key == std::string("Visible") ? "70000" : "0"));
    button.LoadStoredProperties(second, kDialogFont);
    EXPECT_TRUE(row.holds(button));
  }
}

TEST(CommandButtonStored, DefaultsAreNotWrittenAndWriteOrderHolds) {
  CommandButton button = LoadedButton();
  StoredProperties stored = Stored({{"_extentx", std::int64_t{2143}}});
  button.SaveStoredProperties(stored, kDialogFont);
  EXPECT_EQ(stored.Keys(), (Keys{"_extentx", "Caption"}));

  button.SetCaption("Command");
  button.SetFont(std::make_shared<CaptionFont>(kOtherFont));
  button.WriteFontColour(0x00FF00);
  button.WriteVisible(0);
  button.WriteEnabled(false);
  StoredProperties all;
  button.SaveStoredProperties(all, kDialogFont);
  EXPECT_EQ(all.Keys(), (Keys{"Enabled", "Font", "FontColour", "Visible"}));

  CommandButton reloaded(81, 25);
  reloaded.LoadStoredProperties(all, kDialogFont);
  EXPECT_EQ(reloaded.Caption(), "Command1");  // "Command" was not stored
  EXPECT_FALSE(reloaded.EnabledField());
  EXPECT_EQ(reloaded.FontColourField(), 0x00FF00u);
  EXPECT_FALSE(reloaded.BodyShown());
}

TEST(CommandButtonStored, FreshInstanceSavesDisabledAndSwitchesOnAtFirstRead) {
  CommandButton fresh(81, 25);
  EXPECT_FALSE(fresh.EnabledField());
  StoredProperties stored;
  fresh.SaveStoredProperties(stored, kDialogFont);
  EXPECT_EQ(stored.Keys(), (Keys{"Enabled", "FirstRun"}));

  CommandButton loaded(81, 25);
  loaded.LoadStoredProperties(stored, kOtherFont);
  EXPECT_FALSE(loaded.EnabledField());
  EXPECT_EQ(loaded.FirstRun(), 0);
  EXPECT_TRUE(loaded.ReadEnabled());
  EXPECT_EQ(Describe(loaded.TakeEffects()), "Paint(Normal)");
  EXPECT_EQ(loaded.FirstRun(), 1);
}

}  // namespace
}  // namespace blazemere::controls
