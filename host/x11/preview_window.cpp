// Preview window: see preview_window.h.
#include "host/x11/preview_window.h"

#include "common/names.h"
#include "host/core/preview/preview_picture.h"
#include "host/resources/preview/preview_pictures.h"
#include "host/x11/x11_picture_window.h"
#include "platform/jpeg/jpeg_decode.h"

namespace blazemere::host {

void RunPreview(Display* display, std::uint32_t parentHandle) {
  int width = 0;
  int height = 0;
  // A handle naming no window would leave an unseen preview nobody destroys.
  if (display == nullptr || parentHandle == 0 || !platform::WindowSize(display, parentHandle, width, height)) return;

  const RgbImage still = platform::DecodeJpeg(resources::PreviewStillJpeg()).value_or(RgbImage{});
  const RgbImage grid = platform::DecodeJpeg(resources::PreviewGridJpeg()).value_or(RgbImage{});
  const RgbImage picture = ComposePreview(still, grid, width, height);

  platform::X11PictureWindow window(display, parentHandle, width, height, names::kPreviewWindowTitle, picture.pixels);
  window.RunUntilDestroyed();
}

}  // namespace blazemere::host
