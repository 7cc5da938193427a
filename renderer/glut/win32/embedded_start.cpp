// On Windows every start is the full-screen window: see embedded_start.h.
#include "renderer/glut/embedded_start.h"

std::optional<int> BurnOnGivenWindowIfAsked(int /*argc*/, char** /*argv*/, FireEffect& /*fire*/) {
  return std::nullopt;
}
