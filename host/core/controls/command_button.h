// The behaviour of the `Command` push button without any window system: its
// interaction state, the pointer, focus and timer rules that move it, when it
// raises Click, its properties and their stored form, and the surface it
// paints. The widget shell feeds input in and carries the effects out; every
// input returns the effects in the order they happened, so "Click after the
// redraw" is something a caller can see.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/rgb_image.h"
#include "host/core/controls/caption_font.h"
#include "host/core/controls/skin_painter.h"
#include "host/core/controls/stored_properties.h"
#include "host/resources/button/button_pictures.h"

namespace blazemere::controls {

enum class ButtonState : std::uint8_t {
  kUninitialised = 0,
  kNormal = 1,
  kHighLight = 2,
  kSelected = 3,
  kHighLightSelect = 4,
};

enum class PointerButton { kLeft, kOther };

struct Effect {
  enum class Kind {
    kPaint,   // the surface was repainted with `picture`
    kClick,   // raise Click
    kNotify,  // `property` changed; the container should save
  };
  Kind kind = Kind::kPaint;
  StatePicture picture = StatePicture::kNormal;
  std::string property;

  bool operator==(const Effect&) const = default;
};
using Effects = std::vector<Effect>;

class CommandButton {
 public:
  CommandButton(int widthPixels, int heightPixels);

  // The public operation: Normal state and the hover poll from now on.
  void Initialize();

  // Input. Each returns what it caused, in order.
  Effects FocusGained();
  Effects FocusLost();
  Effects PointerMoved();
  Effects ButtonPressed(PointerButton button);
  Effects ButtonReleased(PointerButton button);
  Effects TimerTick(bool pointerOverControl);
  Effects PointerLeft();
  Effects Resized(int widthPixels, int heightPixels);

  // Properties. Reads may repaint; their effects are fetched with
  // TakeEffects() afterwards. Writes return their effects.
  std::string Caption() const { return caption_; }
  Effects SetCaption(const std::string& text);
  bool ReadEnabled();
  Effects WriteEnabled(bool enabled);
  SharedCaptionFont Font() const { return font_; }
  Effects SetFont(SharedCaptionFont font);
  std::uint32_t ReadFontColour();
  Effects WriteFontColour(std::uint32_t bgr);
  int ReadVisible();
  Effects WriteVisible(int mode);
  Effects TakeEffects();

  Effects LoadStoredProperties(const StoredProperties& stored, const CaptionFont& containerFont);
  Effects SaveStoredProperties(StoredProperties& stored, const CaptionFont& containerFont);

  // Routines the properties and the widget share.
  void ResetLook();
  void ShowEnabledLook();

  // What the shell shows.
  ButtonState State() const { return state_; }
  bool ButtonDown() const { return buttonDown_; }
  bool InvertGradient() const { return invertGradient_; }
  bool EnabledField() const { return enabled_; }  // without the read's side effects
  std::uint8_t FirstRun() const { return firstRun_; }
  std::uint32_t FontColourField() const { return fontColour_; }  // 0x00BBGGRR
  bool CaptionShownEnabled() const { return captionShownEnabled_; }
  bool BodyShown() const { return bodyShown_; }
  const RgbImage& Surface() const { return surface_; }
  CaptionPlacement CaptionBox() const { return captionBox_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void PaintSkin(StatePicture picture);
  void Notify(const char* property);
  void Emit(Effect::Kind kind);

  ButtonState state_ = ButtonState::kUninitialised;
  bool buttonDown_ = false;
  bool invertGradient_ = false;
  bool enabled_ = false;
  std::uint8_t firstRun_ = 0;
  bool hoverPollRunning_ = false;

  std::string caption_ = "Command";
  SharedCaptionFont font_;
  std::uint32_t fontColour_ = 0;
  bool captionShownEnabled_ = true;
  bool bodyShown_ = true;

  int width_ = 0;
  int height_ = 0;
  RgbImage surface_;
  CaptionPlacement captionBox_;
  Effects effects_;
};

}  // namespace blazemere::controls
