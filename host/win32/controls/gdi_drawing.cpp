// GDI drawing shared by the dialog and the Command button: see gdi_drawing.h.
#include "host/win32/controls/gdi_drawing.h"

#include <cmath>
#include <vector>

#include "platform/win32/wide_text.h"

namespace blazemere::controls {

int FontPixelHeight(const CaptionFont& font) {
  const long pixels = std::lround(font.sizePoints * 96.0 / 72.0);
  return pixels > 0 && pixels < 1000 ? static_cast<int>(pixels) : 13;
}

GdiFont::GdiFont(const CaptionFont& font) {
  const std::wstring face = Wide(font.name);
  // A negative height asks for the character height, as a point size does.
  font_ = CreateFontW(-FontPixelHeight(font), 0, 0, 0, font.weight, font.italic, font.underline, font.strikeThrough,
                      static_cast<DWORD>(font.characterSet), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

GdiFont::~GdiFont() {
  if (font_ != nullptr) DeleteObject(font_);
}

void DrawPicture(HDC dc, const RgbImage& picture, int x, int y) {
  if (picture.width <= 0 || picture.height <= 0) return;
  // 32 bits a pixel: every row is already a whole number of DWORDs.
  std::vector<std::uint8_t> bgrx(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 4);
  for (std::size_t pixel = 0; pixel * 3 + 2 < picture.pixels.size() && pixel * 4 + 3 < bgrx.size(); ++pixel) {
    bgrx[pixel * 4] = picture.pixels[pixel * 3 + 2];
    bgrx[pixel * 4 + 1] = picture.pixels[pixel * 3 + 1];
    bgrx[pixel * 4 + 2] = picture.pixels[pixel * 3];
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0, 0, 0,
                    static_cast<UINT>(picture.height), bgrx.data(), &info, DIB_RGB_COLORS);
}

std::wstring Wide(std::string_view utf8) { return platform::WideFromUtf8(utf8).value_or(std::wstring()); }

int TextWidth(HDC dc, std::string_view utf8) {
  const std::wstring text = Wide(utf8);
  SIZE size{};
  if (text.empty() || !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}

void DrawTextAt(HDC dc, std::string_view utf8, int x, int y, COLORREF colour) {
  const std::wstring text = Wide(utf8);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

OffscreenSurface::OffscreenSurface(HDC windowDc, int width, int height)
    : windowDc_(windowDc), width_(width), height_(height) {
  dc_ = CreateCompatibleDC(windowDc);
  bitmap_ = CreateCompatibleBitmap(windowDc, width > 0 ? width : 1, height > 0 ? height : 1);
  if (dc_ != nullptr && bitmap_ != nullptr) previous_ = SelectObject(dc_, bitmap_);
}

OffscreenSurface::~OffscreenSurface() {
  if (previous_ != nullptr) SelectObject(dc_, previous_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

void OffscreenSurface::Show() const {
  if (previous_ != nullptr) BitBlt(windowDc_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace blazemere::controls
