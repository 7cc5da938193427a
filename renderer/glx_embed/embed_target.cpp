// The embedding options: see embed_target.h.
#include "renderer/glx_embed/embed_target.h"

#include <cstdlib>

#include "common/number_text.h"

namespace blazemere::renderer {

namespace {

EmbedTarget Invalid(std::string problem) { return {EmbedTarget::Kind::kInvalid, 0, std::move(problem)}; }

}  // namespace

EmbedTarget EmbedTargetOf(const std::vector<std::string_view>& arguments, const char* xscreensaverWindow) {
  bool root = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--root") root = true;
    if (arguments[i] != "--window-id") continue;
    if (i + 1 == arguments.size()) return Invalid("--window-id needs a window id");
    if (const std::optional<std::uint32_t> id = ReadWindowId(arguments[i + 1])) {
      return {EmbedTarget::Kind::kWindow, *id, {}};
    }
    return Invalid("--window-id: '" + std::string(arguments[i + 1]) + "' is no window id");
  }
  if (!root) return {};
  // XScreenSaver always names its window; without it, the desktop's own.
  if (xscreensaverWindow == nullptr || xscreensaverWindow[0] == '\0') return {EmbedTarget::Kind::kRootWindow, 0, {}};
  if (const std::optional<std::uint32_t> id = ReadWindowId(xscreensaverWindow)) {
    return {EmbedTarget::Kind::kWindow, *id, {}};
  }
  return Invalid("XSCREENSAVER_WINDOW: '" + std::string(xscreensaverWindow) + "' is no window id");
}

EmbedTarget EmbedTargetOf(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return EmbedTargetOf(arguments, std::getenv("XSCREENSAVER_WINDOW"));
}

}  // namespace blazemere::renderer
