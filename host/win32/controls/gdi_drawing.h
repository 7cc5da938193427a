// What the dialog and the Command button share to draw with GDI: the caption
// font as a GDI font, our pictures onto a device context, UTF-8 text drawn
// and measured, and an off-screen surface to paint a window in one piece.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/rgb_image.h"
#include "host/core/controls/caption_font.h"

namespace blazemere::controls {

// A GDI font made from a caption font, by name: "ＭＳ Ｐゴシック" is asked for
// as such and the system supplies it or its replacement. Deletes it at the end.
class GdiFont {
 public:
  explicit GdiFont(const CaptionFont& font);
  ~GdiFont();
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;

  [[nodiscard]] HFONT handle() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

// The caption font's height in pixels at 96 pixels per inch: 9.75 pt is 13.
[[nodiscard]] int FontPixelHeight(const CaptionFont& font);

// The picture one to one with its top-left corner at (x, y).
void DrawPicture(HDC dc, const RgbImage& picture, int x, int y);

// UTF-8 text as the W calls take it; text that is not UTF-8 shows nothing.
[[nodiscard]] std::wstring Wide(std::string_view utf8);

// The width in pixels of UTF-8 text in the font selected into `dc`.
[[nodiscard]] int TextWidth(HDC dc, std::string_view utf8);

// Text on a transparent ground, its top-left corner at (x, y).
void DrawTextAt(HDC dc, std::string_view utf8, int x, int y, COLORREF colour);

// A memory surface the size of a window's client area: paint into dc(),
// then Show() copies it to the window in one step, so nothing flickers.
class OffscreenSurface {
 public:
  OffscreenSurface(HDC windowDc, int width, int height);
  ~OffscreenSurface();
  OffscreenSurface(const OffscreenSurface&) = delete;
  OffscreenSurface& operator=(const OffscreenSurface&) = delete;

  [[nodiscard]] HDC dc() const { return dc_; }
  void Show() const;

 private:
  HDC windowDc_;
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace blazemere::controls
