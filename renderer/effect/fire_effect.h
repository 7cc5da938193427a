// FireEffect: the renderer's one fire object, holding the texture buffer, the
// heat field and the palette image for the whole life of the program, and
// doing one frame of the animation on whatever GL context is current: the
// GLUT program's window, or any other a renderer shell makes current.
#pragma once

#include <cstdint>
#include <memory>

#include "renderer/core/dib/dib_decoder.h"
#include "renderer/core/fire/crt_random.h"
#include "renderer/core/fire/fire_palette.h"
#include "renderer/core/fire/heat_field.h"

class FireEffect {
 public:
  // The object lives in static storage: a cold field, no buffers yet, the
  // generator at its fixed start.
  FireEffect() = default;
  FireEffect(const FireEffect&) = delete;
  FireEffect& operator=(const FireEffect&) = delete;

  // Allocates the texture buffer and loads the palette; ends the program
  // with status 1 if either fails.
  void Init();
  void LoadPalette();

  // One frame: zoom step, the square with last frame's texture, then Step.
  void Draw();
  void Step();
  void UpdateTexture();

 private:
  std::unique_ptr<std::uint8_t[]> texture;  // kTextureBytes
  blazemere::fire::HeatField heat;
  blazemere::renderer::PaletteImageHandle palette;
  blazemere::fire::FirePalette colours;  // first 256 pixels of `palette`, black beyond the image
  blazemere::fire::CrtRandom random;
  // Frames into the current zoom cycle; the translations it drives pile up on
  // the projection matrix, which nothing ever reloads.
  std::int32_t zoomCounter = 0;
};
