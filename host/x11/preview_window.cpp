// Preview window: see preview_window.h.
#include "host/x11/preview_window.h"

#include <optional>

#include "common/names.h"
#include "host/core/preview/preview_picture.h"
#include "host/resources/preview/preview_pictures.h"
#include "host/x11/x11_picture_window.h"
#include "platform/jpeg/jpeg_decode.h"

namespace blazemere::host {

void RunPreview(platform::X11Connection& connection, std::uint32_t parentHandle) {
  // A handle naming no window would leave an unseen preview nobody destroys.
  const std::optional<WindowSize> size = SizeOfWindow(connection, parentHandle);
  if (!size) return;

  const RgbImage still = platform::DecodeJpeg(resources::PreviewStillJpeg()).value_or(RgbImage{});
  const RgbImage grid = platform::DecodeJpeg(resources::PreviewGridJpeg()).value_or(RgbImage{});
  const RgbImage picture = ComposePreview(still, grid, size->width, size->height);

  X11PictureWindow window(connection, parentHandle, size->width, size->height, names::kPreviewWindowTitle,
                          picture.pixels);
  window.RunUntilDestroyed();
}

}  // namespace blazemere::host
