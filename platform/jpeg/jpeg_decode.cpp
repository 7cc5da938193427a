// JPEG decoding: see jpeg_decode.h. libjpeg's own error handler ends the
// process, so errors jump back here instead.
#include "platform/jpeg/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace blazemere::platform {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(manager->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Everything that must survive the longjmp lives outside the function that
// calls setjmp, so no local object is skipped or clobbered.
bool DecodeInto(jpeg_decompress_struct& info, ErrorManager& errors, std::span<const std::uint8_t> data,
                RgbImage& picture) {
  if (setjmp(errors.jump) != 0) return false;
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > kLargestJpegSide ||
      info.image_height > kLargestJpegSide) {
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) return false;
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height * 3, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.pixels.data() + static_cast<std::size_t>(info.output_scanline) * picture.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  // libjpeg patches over damaged or cut data with warnings; such a picture
  // is not the one that was built in.
  return errors.base.num_warnings == 0;
}

}  // namespace

std::optional<RgbImage> DecodeJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) return std::nullopt;
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOnError;
  errors.base.output_message = IgnoreMessage;
  jpeg_create_decompress(&info);
  RgbImage picture;
  const bool decoded = DecodeInto(info, errors, data, picture);
  jpeg_destroy_decompress(&info);
  if (!decoded) return std::nullopt;
  return picture;
}

}  // namespace blazemere::platform
