// The fire burning on another program's window: XScreenSaver's (one per
// monitor), a settings panel's preview, or any window given by its id. The
// same frames, zoom and pacing as the full-screen program, fitted to that
// window as the full-screen window fits them to the screen (the whole
// window, aspect 1.0), following its size. It takes no keyboard and leaves
// the pointer alone. It ends, with status 0, on SIGTERM or SIGINT, when the
// window is destroyed or when the X server goes away.
#pragma once

#include "renderer/effect/fire_effect.h"
#include "renderer/glx_embed/embed_target.h"

namespace blazemere::renderer {

// Burns `fire` on `target` (not kOwnWindow) until the run ends; returns the
// program's status: 0 at the end of a run, 1 when there is no display or
// no such window, 2 for an unusable target. Like the GLUT program, ends the
// process with status 1 when the palette cannot be had.
[[nodiscard]] int RunEmbeddedFire(const EmbedTarget& target, FireEffect& fire);

}  // namespace blazemere::renderer
