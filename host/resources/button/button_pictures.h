// The six built-in state pictures of the Command button, 64 x 25 pixels
// each, drawn at build time by host/resources/button's generator.
#pragma once

#include "common/rgb_image.h"

namespace blazemere::controls {

enum class StatePicture { kNormal, kHighLight, kSelected, kHighLightSelect, kPressed, kDisable };

inline constexpr int kStatePictureWidth = 64;
inline constexpr int kStatePictureHeight = 25;

[[nodiscard]] const RgbImage& StatePictureImage(StatePicture picture);
const char* StatePictureName(StatePicture picture);

}  // namespace blazemere::controls
