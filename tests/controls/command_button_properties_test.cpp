// Properties, their repaints, and the stored form of a Command button.
#include <gtest/gtest.h>

#include <functional>

#include "tests/controls/button_script.h"

namespace blazemere::controls {
namespace {

using script::Describe;
using script::LoadedButton;

CaptionFont DialogFont() { return CaptionFont{}; }

CaptionFont OtherFont() {
  CaptionFont font;
  font.name = "Arial";
  font.sizePoints = 12;
  font.weight = 700;
  font.characterSet = 0;
  return font;
}

TEST(CommandButtonStored, LoadingNothingGivesTheDefaults) {
  CommandButton button(81, 25);
  const Effects effects = button.LoadStoredProperties(StoredProperties{}, OtherFont());
  EXPECT_TRUE(button.EnabledField());
  EXPECT_EQ(button.Caption(), "Command1");
  EXPECT_EQ(*button.Font(), OtherFont());
  EXPECT_EQ(button.FirstRun(), 1);
  EXPECT_EQ(button.FontColourField(), 0u);
  EXPECT_TRUE(button.BodyShown());
  EXPECT_EQ(Describe(effects), "Paint(Normal)");
}

TEST(CommandButtonStored, DialogKeysInLowerCaseAreFound) {
  StoredProperties stored;
  stored.Set("_extentx", std::int64_t{2143});
  stored.Set("_extenty", std::int64_t{661});
  stored.Set("caption", std::string("設定"));
  stored.Set("font", DialogFont());
  CommandButton button(81, 25);
  button.LoadStoredProperties(stored, OtherFont());
  EXPECT_EQ(button.Caption(), "設定");
  EXPECT_EQ(*button.Font(), DialogFont());
  EXPECT_TRUE(button.EnabledField());
}

struct Conversion {
  const char* name;
  const char* key;
  StoredValue value;
  std::function<bool(const CommandButton&)> holds;
};

// A value that does not convert leaves its property as a first load set
// it, and the keys after it are still read.
TEST(CommandButtonStored, UnconvertibleValuesLeaveThePropertyAlone) {
  const Conversion kCases[] = {
      {"Enabled as a word", "Enabled", std::string("perhaps"), [](auto& b) { return !b.EnabledField(); }},
      {"Enabled as a font", "Enabled", DialogFont(), [](auto& b) { return !b.EnabledField(); }},
      {"Caption as a font", "Caption", OtherFont(), [](auto& b) { return b.Caption() == "Kept"; }},
      {"Font as text", "Font", std::string("Arial"), [](auto& b) { return *b.Font() == OtherFont(); }},
      {"FirstRun too big", "FirstRun", std::int64_t{256}, [](auto& b) { return b.FirstRun() == 0; }},
      {"FontColour as a name", "FontColour", std::string("red"),
       [](auto& b) { return b.FontColourField() == 0xFFu; }},
      {"FontColour too big", "FontColour", std::int64_t{1LL << 33},
       [](auto& b) { return b.FontColourField() == 0xFFu; }},
      {"Visible out of range", "Visible", std::int64_t{70000}, [](auto& b) { return !b.BodyShown(); }},
  };
  for (const Conversion& row : kCases) {
    SCOPED_TRACE(row.name);
    StoredProperties first;
    first.Set("Enabled", false);
    first.Set("Caption", std::string("Kept"));
    first.Set("Font", OtherFont());
    first.Set("FirstRun", std::int64_t{0});
    first.Set("FontColour", std::int64_t{0xFF});
    first.Set("Visible", std::int64_t{0});
    CommandButton button(81, 25);
    button.LoadStoredProperties(first, DialogFont());
    StoredProperties second = first;
    second.Set(row.key, row.value);
    second.Set("Visible", std::string(row.key == std::string("Visible") ? "70000" : "0"));
    button.LoadStoredProperties(second, DialogFont());
    EXPECT_TRUE(row.holds(button));
  }
}

TEST(CommandButtonStored, DefaultsAreNotWrittenAndWriteOrderHolds) {
  CommandButton button = LoadedButton();
  StoredProperties stored;
  stored.Set("_extentx", std::int64_t{2143});
  button.SaveStoredProperties(stored, DialogFont());
  EXPECT_EQ(stored.Keys(), (std::vector<std::string>{"_extentx", "Caption"}));

  button.SetCaption("Command");
  button.SetFont(std::make_shared<CaptionFont>(OtherFont()));
  button.WriteFontColour(0x00FF00);
  button.WriteVisible(0);
  button.WriteEnabled(false);
  StoredProperties all;
  button.SaveStoredProperties(all, DialogFont());
  EXPECT_EQ(all.Keys(), (std::vector<std::string>{"Enabled", "Font", "FontColour", "Visible"}));

  CommandButton reloaded(81, 25);
  reloaded.LoadStoredProperties(all, DialogFont());
  EXPECT_EQ(reloaded.Caption(), "Command1");  // "Command" was not stored
  EXPECT_FALSE(reloaded.EnabledField());
  EXPECT_EQ(reloaded.FontColourField(), 0x00FF00u);
  EXPECT_FALSE(reloaded.BodyShown());
}

TEST(CommandButtonStored, FreshInstanceSavesDisabledAndSwitchesOnAtFirstRead) {
  CommandButton fresh(81, 25);
  EXPECT_FALSE(fresh.EnabledField());
  StoredProperties stored;
  fresh.SaveStoredProperties(stored, DialogFont());
  EXPECT_EQ(stored.Keys(), (std::vector<std::string>{"Enabled", "FirstRun"}));

  CommandButton loaded(81, 25);
  loaded.LoadStoredProperties(stored, CaptionFont{.name = "Other"});
  EXPECT_FALSE(loaded.EnabledField());
  EXPECT_EQ(loaded.FirstRun(), 0);
  EXPECT_TRUE(loaded.ReadEnabled());
  EXPECT_EQ(Describe(loaded.TakeEffects()), "Paint(Normal)");
  EXPECT_EQ(loaded.FirstRun(), 1);
}

struct PropertyCall {
  const char* name;
  bool enabled;
  std::function<Effects(CommandButton&)> call;  // the effects of one read or write
  const char* effects;
};

TEST(CommandButtonProperties, RepaintsAndNotifications) {
  const PropertyCall kCalls[] = {
      {"read Enabled", true, [](auto& b) { b.ReadEnabled(); return b.TakeEffects(); }, "Paint(Normal)"},
      {"read Enabled, disabled", false, [](auto& b) { b.ReadEnabled(); return b.TakeEffects(); }, "Paint(Disable)"},
      {"write Enabled false", true, [](auto& b) { return b.WriteEnabled(false); }, "Notify(Enabled) Paint(Disable)"},
      {"write Enabled true again", true, [](auto& b) { return b.WriteEnabled(true); }, "Notify(Enabled) Paint(Normal)"},
      {"read FontColour", true, [](auto& b) { b.ReadFontColour(); return b.TakeEffects(); }, "Paint(Normal)"},
      {"read FontColour, disabled", false, [](auto& b) { b.ReadFontColour(); return b.TakeEffects(); }, ""},
      {"write FontColour", true, [](auto& b) { return b.WriteFontColour(0xFF); }, "Paint(Normal) Notify(FontColour)"},
      {"read Visible", true, [](auto& b) { b.ReadVisible(); return b.TakeEffects(); }, "Paint(Normal)"},
      {"read Visible, disabled", false, [](auto& b) { b.ReadVisible(); return b.TakeEffects(); }, ""},
      {"hide body", true, [](auto& b) { return b.WriteVisible(0); }, "Notify(Visible)"},
      {"show body", true, [](auto& b) { return b.WriteVisible(7); }, "Paint(Normal) Notify(Visible)"},
      {"write Caption", true, [](auto& b) { return b.SetCaption("x"); }, "Notify(Caption)"},
      {"write Font", true, [](auto& b) { return b.SetFont(std::make_shared<CaptionFont>()); }, "Notify(Font)"},
  };
  for (const PropertyCall& row : kCalls) {
    SCOPED_TRACE(row.name);
    CommandButton button = LoadedButton();
    button.PointerMoved();  // hovering: repaints must not touch the state
    if (!row.enabled) button.WriteEnabled(false);
    button.TakeEffects();
    EXPECT_EQ(Describe(row.call(button)), row.effects);
    EXPECT_EQ(button.State(), ButtonState::kHighLight);
  }
}

TEST(CommandButtonProperties, FontColourStaysBlackUntilFirstRun) {
  for (const int firstRun : {0, 1}) {
    SCOPED_TRACE("FirstRun " + std::to_string(firstRun));
    StoredProperties stored;
    stored.Set("FirstRun", std::int64_t{firstRun});
    CommandButton button(81, 25);
    button.LoadStoredProperties(stored, DialogFont());
    button.WriteFontColour(0x0000FF);
    EXPECT_EQ(button.FontColourField(), firstRun == 0 ? 0u : 0x0000FFu);
  }
}

TEST(CommandButtonProperties, VisibleReadsZeroOr255AndDisabledCaptionLook) {
  CommandButton button = LoadedButton();
  button.WriteVisible(0);
  EXPECT_EQ(button.ReadVisible(), 0);
  button.WriteVisible(-3);
  EXPECT_EQ(button.ReadVisible(), 255);
  button.WriteEnabled(false);
  EXPECT_FALSE(button.CaptionShownEnabled());
  button.WriteEnabled(true);
  EXPECT_TRUE(button.CaptionShownEnabled());
}

}  // namespace
}  // namespace blazemere::controls
