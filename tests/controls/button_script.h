// Drives a Command button core through a short script of inputs ("move",
// "focus", "pressL", "out", ...) and spells its effects as text, so tables
// of cases read like the behaviour they check.
#pragma once

#include <sstream>
#include <string>

#include "host/core/controls/command_button.h"

namespace blazemere::controls::script {

inline std::string Describe(const Effects& effects) {
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
inline std::string RunScript(CommandButton& button, const std::string& script) {
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
inline CommandButton LoadedButton(bool initialise = true) {
  CommandButton button(81, 25);
  button.LoadStoredProperties(StoredProperties{}, CaptionFont{});
  if (initialise) button.Initialize();
  return button;
}

}  // namespace blazemere::controls::script
