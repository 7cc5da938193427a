// FireEffect: see fire_effect.h.
#include "renderer/effect/fire_effect.h"

#include <GL/gl.h>

#include <cstdlib>
#include <new>
#include <span>

#include "common/names.h"
#include "platform/paths/drive_letter_path.h"
#include "renderer/core/fire/fire_texture.h"
#include "renderer/core/fire/zoom_step.h"
#include "renderer/effect/palette_image_file.h"

namespace {

struct SquareVertex {
  double s, t;
  float x, y, z;
};

// Two triangles; texture row 0 (the hot bottom row) along the bottom edge.
constexpr SquareVertex kSquare[6] = {
    {0, 0, -5, -5, -10}, {1, 0, 5, -5, -10}, {1, 1, 5, 5, -10},
    {1, 1, 5, 5, -10},   {0, 1, -5, 5, -10}, {0, 0, -5, -5, -10},
};

}  // namespace

void FireEffect::Init() {
  texture.reset(new (std::nothrow) std::uint8_t[blazemere::fire::kTextureBytes]);
  if (!texture) std::exit(1);
  LoadPalette();
}

void FireEffect::LoadPalette() {
  const std::string path = blazemere::platform::MapDriveLetterPath(blazemere::names::kRendererPaletteImagePath);
  palette.reset(blazemere::renderer::LoadDibImage(path.c_str()));
  if (!palette) std::exit(1);  // the reader has shown why
  colours = blazemere::fire::FirePalette::FromImagePixels(palette->data, palette->width, palette->height);
}

void FireEffect::Draw() {
  glTranslatef(0.0f, 0.0f, blazemere::fire::AdvanceZoom(zoomCounter));
  glBegin(GL_TRIANGLES);
  for (const SquareVertex& v : kSquare) {
    glTexCoord2d(v.s, v.t);
    glVertex3f(v.x, v.y, v.z);
  }
  glEnd();
  Step();
}

void FireEffect::Step() {
  blazemere::fire::StepHeatField(heat, random);
  UpdateTexture();
}

void FireEffect::UpdateTexture() {
  blazemere::fire::ConvertHeatToTexture(heat, colours,
                                        std::span<std::uint8_t, blazemere::fire::kTextureBytes>(
                                            texture.get(), blazemere::fire::kTextureBytes));
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, blazemere::fire::kFieldSize, blazemere::fire::kFieldSize, 0, GL_RGB,
               GL_UNSIGNED_BYTE, texture.get());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}
