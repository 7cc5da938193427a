// The renderer's other way to start: burning on a window another program
// gives it (X11 only: XScreenSaver's window, a preview panel). On Windows
// the host's preview is its own still picture, so nothing is asked of us.
#pragma once

#include <optional>

#include "renderer/effect/fire_effect.h"

// The exit status once the fire has burned on the window the command line
// names; nullopt when it names none and the full-screen window is wanted.
[[nodiscard]] std::optional<int> BurnOnGivenWindowIfAsked(int argc, char** argv, FireEffect& fire);
