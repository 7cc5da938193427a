// The Command button's core: its state table and the click rules that follow
// from it, and its stored form (defaults, key case, orders, bad values). A
// short script of inputs ("move", "focus", "pressL", "out", ...) drives the
// button and its effects come back spelt as text, so the tables read like the
// behaviour they check.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>

#include "host/core/controls/command_button.h"

namespace blazemere::controls {
namespace {

std::string Describe(const Effects& effects) {
  std::string text;
  for (const Effect& effect : effects) {
    if (!text.empty()) text += " ";
    if (effect.kind == Effect::Kind::kPaint) text += std::string("Paint(") + StatePictureName(effect.picture) + ")";
    if (effect.kind == Effect::Kind::kClick) text += "Click";
    if (effect.kind == Effect::Kind::kNotify) text += "Notify(" + effect.property + ")";
  }
  return text;
}

// Runs the blank-separated inputs and returns the effects of all of them.
std::string RunScript(CommandButton& button, const std::string& script) {
  std::istringstream words(script);
  std::string word;
  Effects all;
  while (words >> word) {
    Effects some;
    if (word == "move") some = button.PointerMoved();
    else if (word == "focus") some = button.FocusGained();
    else if (word == "blur") some = button.FocusLost();
    else if (word == "pressL") some = button.ButtonPressed(PointerButton::kLeft);
    else if (word == "pressR") some = button.ButtonPressed(PointerButton::kOther);
    else if (word == "releaseL") some = button.ButtonReleased(PointerButton::kLeft);
    else if (word == "releaseR") some = button.ButtonReleased(PointerButton::kOther);
    else if (word == "out") some = button.TimerTick(false);
    else if (word == "over") some = button.TimerTick(true);
    else if (word == "resize") some = button.Resized(button.Width(), button.Height());
    else if (word == "disable") some = button.WriteEnabled(false);
    else return "unknown input " + word;
    all.insert(all.end(), some.begin(), some.end());
  }
  return Describe(all);
}

// An enabled button as the settings dialog has it after loading: restored
// from stored properties that hold nothing of note, then initialised.
CommandButton LoadedButton(bool initialise = true) {
  CommandButton button(81, 25);
  button.LoadStoredProperties(StoredProperties{}, CaptionFont{});
  if (initialise) button.Initialize();
  return button;
}

using enum ButtonState;

// `setup` brings the button to the starting point. Where an input acts alike
// in several states, one of them stands for the rest.
struct Transition { const char *name, *setup, *input; ButtonState after; const char* effects; bool buttonDown; };

const Transition kTransitions[] = {
    {"focus from Normal", "", "focus", kSelected, "Paint(Selected)", false},
    {"focus from HighLight shows Pressed", "move", "focus", kHighLightSelect, "Paint(Pressed)", false},
    {"focus while HighLightSelect", "focus move", "focus", kSelected, "Paint(Selected)", false},
    {"blur from HighLightSelect", "focus move", "blur", kNormal, "Paint(Normal)", false},
    {"blur while Normal draws nothing", "", "blur", kNormal, "", false},
    {"left press draws Pressed", "", "pressL", kNormal, "Paint(Pressed)", true},
    {"right press draws nothing", "move", "pressR", kHighLight, "", false},
    {"move from Normal", "", "move", kHighLight, "Paint(HighLight)", false},
    {"move from Selected", "focus", "move", kHighLightSelect, "Paint(HighLightSelect)", false},
    {"move from Selected while held", "focus pressL", "move", kSelected, "", true},
    {"move while HighLight", "move", "move", kHighLight, "", false},
    {"left release in HighLight", "move pressL", "releaseL", kHighLight, "Paint(Normal) Click", false},
    {"left release in HighLightSelect", "focus move pressL", "releaseL", kHighLightSelect,
     "Paint(HighLightSelect) Click", false},
    {"left release in Selected", "focus pressL", "releaseL", kSelected, "", false},
    {"left release in Normal", "pressL", "releaseL", kNormal, "Click", false},
    {"right release in HighLightSelect", "focus move", "releaseR", kHighLightSelect, "Click", false},
    {"right release in Selected", "focus", "releaseR", kSelected, "", false},
    {"right release keeps a left hold", "focus move pressL", "releaseR", kHighLightSelect, "Click", true},
    {"tick outside HighLight", "move", "out", kNormal, "Paint(Normal)", false},
    {"tick outside HighLightSelect", "focus move", "out", kSelected, "Paint(Selected)", false},
    {"tick outside Selected", "focus", "out", kSelected, "", false},
    {"tick over HighLight", "move", "over", kHighLight, "", false},
    {"resize while HighLight", "move", "resize", kHighLight, "Paint(Normal)", false},
};

TEST(CommandButtonTransitions, EveryRowOfTheTable) {
  for (const Transition& row : kTransitions) {
    SCOPED_TRACE(row.name);
    CommandButton button = LoadedButton();
    RunScript(button, row.setup);
    EXPECT_EQ(RunScript(button, row.input), row.effects);
    EXPECT_EQ(button.State(), row.after);
    EXPECT_EQ(button.ButtonDown(), row.buttonDown);
  }
}

struct Story { const char* name; bool initialise; const char *script, *effects; ButtonState after; bool invertGradient; };

const Story kStories[] = {
    {"click on an unfocused button", true, "move focus pressL releaseL",
     "Paint(HighLight) Paint(Pressed) Paint(Pressed) Paint(HighLightSelect) Click", kHighLightSelect, true},
    {"press, drag off, release", true, "move focus pressL out releaseL",
     "Paint(HighLight) Paint(Pressed) Paint(Pressed) Paint(Selected)", kSelected, false},
    {"moving back while held does not re-arm", true, "move focus pressL out move releaseL",
     "Paint(HighLight) Paint(Pressed) Paint(Pressed) Paint(Selected)", kSelected, false},
    {"right click on a hovered button", true, "move pressR releaseR", "Paint(HighLight) Click", kHighLight, true},
    {"release in HighLight: hover comes back only after the poll", true,
     "move pressL releaseL move out move",
     "Paint(HighLight) Paint(Pressed) Paint(Normal) Click Paint(Normal) Paint(HighLight)", kHighLight, true},
    {"disabled button ignores input", true, "disable move focus pressL releaseL releaseR out blur",
     "Notify(Enabled) Paint(Disable)", kNormal, false},
    {"before Initialize moves change nothing and a release clicks", false, "move out releaseL", "Click",
     kUninitialised, false},
};

TEST(CommandButtonTransitions, ConsequencesOfTheTable) {
  for (const Story& story : kStories) {
    SCOPED_TRACE(story.name);
    CommandButton button = LoadedButton(story.initialise);
    button.TakeEffects();
    EXPECT_EQ(RunScript(button, story.script), story.effects);
    EXPECT_EQ(button.State(), story.after);
    EXPECT_EQ(button.InvertGradient(), story.invertGradient);
  }
}

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
