// FireEffect: the renderer's one fire object, holding the texture buffer, the
// heat field and the palette image for the whole life of the program, and
// doing one frame of the animation on the GL context of the fire window.
#pragma once

#include <cstdint>

#include "renderer/core/dib/dib_decoder.h"
#include "renderer/core/fire/crt_random.h"
#include "renderer/core/fire/fire_palette.h"
#include "renderer/core/fire/heat_field.h"

class FireEffect {
 public:
  // The object lives in static storage, so everything starts zero (cold
  // field, no buffers); the generator starts from its fixed state.
  FireEffect() = default;
  virtual ~FireEffect();  // runs from the exit handler, maybe before Init finished
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
  std::uint8_t* texture;  // kTextureBytes, owned
  blazemere::fire::HeatField heat;
  blazemere::renderer::PaletteImage* palette;  // owned
  blazemere::fire::FirePalette colours;  // first 256 pixels of `palette`, black beyond the image
  blazemere::fire::CrtRandom random;
};
