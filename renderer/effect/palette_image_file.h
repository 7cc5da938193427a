// The renderer's bitmap reader, its file half: reads the palette image file
// and hands its bytes to the decoder; whatever goes wrong is shown to the
// user in a box titled "Error".
#pragma once

#include "renderer/core/dib/dib_decoder.h"

namespace blazemere::renderer {

// Reads the file at `path` and decodes it. On failure shows the message in a
// box titled "Error" (standard error without a display) and returns null.
[[nodiscard]] PaletteImage* LoadDibImage(const char* path);

}  // namespace blazemere::renderer
