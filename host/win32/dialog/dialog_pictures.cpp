// The dialog's cursor and icon: see dialog_pictures.h.
#include "host/win32/dialog/dialog_pictures.h"

#include <cstdint>
#include <vector>

#include "host/resources/dialog/dialog_art.h"

namespace blazemere::dialog {
namespace {

// The X bitmap layout (lowest bit leftmost, rows of whole bytes) as the
// rows of whole 16-bit words, highest bit leftmost, that Windows takes.
bool BitAt(const std::uint8_t* bits, int width, int x, int y) {
  const int stride = (width + 7) / 8;
  return ((bits[y * stride + x / 8] >> (x % 8)) & 1) != 0;
}

void SetWindowsBit(std::vector<std::uint8_t>& plane, int width, int x, int y) {
  const int stride = (width + 15) / 16 * 2;
  plane[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
}

}  // namespace

// Windows draws a cursor pixel as (screen AND and-plane) XOR xor-plane:
// and 0 / xor 0 is black, and 0 / xor 1 white, and 1 / xor 0 see-through.
HandCursor::HandCursor() {
  const resources::CursorBitmap hand = resources::HandCursor();
  const std::size_t planeBytes = static_cast<std::size_t>((hand.width + 15) / 16 * 2 * hand.height);
  std::vector<std::uint8_t> andPlane(planeBytes, 0);
  std::vector<std::uint8_t> xorPlane(planeBytes, 0);
  for (int y = 0; y < hand.height; ++y) {
    for (int x = 0; x < hand.width; ++x) {
      if (!BitAt(hand.mask, hand.width, x, y)) {
        SetWindowsBit(andPlane, hand.width, x, y);
      } else if (!BitAt(hand.shape, hand.width, x, y)) {
        SetWindowsBit(xorPlane, hand.width, x, y);
      }
    }
  }
  cursor_ = CreateCursor(GetModuleHandleW(nullptr), hand.hotX, hand.hotY, hand.width, hand.height, andPlane.data(),
                         xorPlane.data());
}

HandCursor::~HandCursor() {
  if (cursor_ != nullptr) DestroyCursor(cursor_);
}

HCURSOR HandCursor::handle() const { return cursor_ != nullptr ? cursor_ : LoadCursorW(nullptr, IDC_ARROW); }

// A 32-bit colour picture with its own alpha, and a mask for systems that
// draw icons without alpha: opaque wherever alpha is at least half.
WindowIcon::WindowIcon() {
  const resources::RgbaPicture flame = resources::WindowIcon();
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = flame.width;
  header.bV5Height = -flame.height;  // top row first
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                    nullptr, 0);
  ReleaseDC(nullptr, screen);
  const std::size_t maskStride = static_cast<std::size_t>((flame.width + 15) / 16 * 2);
  std::vector<std::uint8_t> mask(maskStride * static_cast<std::size_t>(flame.height), 0);
  if (colour != nullptr && bits != nullptr) {
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < flame.height; ++y) {
      for (int x = 0; x < flame.width; ++x) {
        const std::uint8_t* in = flame.pixels + (static_cast<std::size_t>(y * flame.width + x) * 4);
        out[y * flame.width + x] = (std::uint32_t{in[3]} << 24) | (std::uint32_t{in[0]} << 16) |
                                   (std::uint32_t{in[1]} << 8) | in[2];
        if (in[3] < 128) mask[static_cast<std::size_t>(y) * maskStride + static_cast<std::size_t>(x / 8)] |=
            static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    HBITMAP maskBitmap = CreateBitmap(flame.width, flame.height, 1, 1, mask.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = maskBitmap;
    if (maskBitmap != nullptr) icon_ = CreateIconIndirect(&info);
    if (maskBitmap != nullptr) DeleteObject(maskBitmap);
  }
  if (colour != nullptr) DeleteObject(colour);
}

WindowIcon::~WindowIcon() {
  if (icon_ != nullptr) DestroyIcon(icon_);
}

}  // namespace blazemere::dialog
