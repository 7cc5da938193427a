// Burning on a given window through GLX: see embedded_start.h.
#include "renderer/glut/embedded_start.h"

#include "renderer/glx_embed/embedded_fire.h"

std::optional<int> BurnOnGivenWindowIfAsked(int argc, char** argv, FireEffect& fire) {
  const blazemere::renderer::EmbedTarget target = blazemere::renderer::EmbedTargetOf(argc, argv);
  if (target.kind == blazemere::renderer::EmbedTarget::Kind::kOwnWindow) return std::nullopt;
  return blazemere::renderer::RunEmbeddedFire(target, fire);
}
