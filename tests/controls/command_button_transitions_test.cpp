// The button's state table and the click rules that follow from it.
#include <gtest/gtest.h>

#include "tests/controls/button_script.h"

namespace blazemere::controls {
namespace {

using namespace script;

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

}  // namespace
}  // namespace blazemere::controls
