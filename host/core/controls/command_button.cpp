// The Command button's state machine, properties and stored form.
#include "host/core/controls/command_button.h"

#include <cstdint>
#include <limits>
#include <utility>

namespace blazemere::controls {
namespace {

constexpr const char* kCaptionOnCreation = "Command";
constexpr const char* kCaptionWhenNotStored = "Command1";

}  // namespace

CommandButton::CommandButton(int widthPixels, int heightPixels)
    : font_(std::make_shared<CaptionFont>()),
      width_(std::max(widthPixels, 0)),
      height_(std::max(heightPixels, 0)),
      surface_(width_, height_, kControlBackground),
      captionBox_(PlaceCaption(width_, height_)) {}

void CommandButton::Initialize() {
  state_ = ButtonState::kNormal;
  hoverPollRunning_ = true;
}

Effects CommandButton::FocusGained() {
  if (!enabled_) return {};
  if (state_ == ButtonState::kHighLight) {
    state_ = ButtonState::kHighLightSelect;
    PaintSkin(StatePicture::kPressed);
  } else {
    state_ = ButtonState::kSelected;
    PaintSkin(StatePicture::kSelected);
  }
  return TakeEffects();
}

Effects CommandButton::FocusLost() {
  if (!enabled_) return {};
  if (state_ != ButtonState::kNormal) {
    state_ = ButtonState::kNormal;
    PaintSkin(StatePicture::kNormal);
  }
  return TakeEffects();
}

Effects CommandButton::PointerMoved() {
  if (!enabled_) return {};
  if (state_ == ButtonState::kNormal) {
    state_ = ButtonState::kHighLight;
    PaintSkin(StatePicture::kHighLight);
  } else if (state_ == ButtonState::kSelected && !buttonDown_) {
    state_ = ButtonState::kHighLightSelect;
    PaintSkin(StatePicture::kHighLightSelect);
  }
  return TakeEffects();
}

Effects CommandButton::ButtonPressed(PointerButton button) {
  if (!enabled_) return {};
  if (button == PointerButton::kLeft) {
    PaintSkin(StatePicture::kPressed);
    buttonDown_ = true;
  }
  return TakeEffects();
}

Effects CommandButton::ButtonReleased(PointerButton button) {
  if (!enabled_) return {};
  if (button == PointerButton::kLeft) {
    if (state_ == ButtonState::kHighLight) {
      PaintSkin(StatePicture::kNormal);
    } else if (state_ == ButtonState::kHighLightSelect) {
      PaintSkin(StatePicture::kHighLightSelect);
    }
    buttonDown_ = false;
  }
  // A release after the pointer has been found outside (state Selected)
  // cancels the click, whichever button it was.
  if (state_ != ButtonState::kSelected) Emit(Effect::Kind::kClick);
  return TakeEffects();
}

Effects CommandButton::TimerTick(bool pointerOverControl) {
  if (!hoverPollRunning_ || pointerOverControl) return {};
  return PointerLeft();
}

Effects CommandButton::PointerLeft() {
  if (!enabled_) return {};
  if (state_ == ButtonState::kHighLight) {
    state_ = ButtonState::kNormal;
    PaintSkin(StatePicture::kNormal);
  } else if (state_ == ButtonState::kHighLightSelect) {
    state_ = ButtonState::kSelected;
    PaintSkin(StatePicture::kSelected);
  }
  return TakeEffects();
}

Effects CommandButton::Resized(int widthPixels, int heightPixels) {
  width_ = std::max(widthPixels, 0);
  height_ = std::max(heightPixels, 0);
  ShowEnabledLook();
  return TakeEffects();
}

Effects CommandButton::SetCaption(const std::string& text) {
  caption_ = text;
  Notify("Caption");
  return TakeEffects();
}

bool CommandButton::ReadEnabled() {
  if (firstRun_ == 0) {
    // A fresh instance switches itself on the first time anyone asks.
    ResetLook();
    firstRun_ = 1;
    enabled_ = true;
  }
  const bool result = enabled_;
  ShowEnabledLook();
  return result;
}

Effects CommandButton::WriteEnabled(bool enabled) {
  enabled_ = enabled;
  Notify("Enabled");
  ShowEnabledLook();
  return TakeEffects();
}

Effects CommandButton::SetFont(SharedCaptionFont font) {
  if (font) font_ = std::move(font);  // a missing font object keeps the caption's font
  Notify("Font");
  return TakeEffects();
}

std::uint32_t CommandButton::ReadFontColour() {
  const std::uint32_t result = fontColour_;
  ResetLook();
  return result;
}

Effects CommandButton::WriteFontColour(std::uint32_t bgr) {
  fontColour_ = bgr;
  ResetLook();
  Notify("FontColour");
  return TakeEffects();
}

int CommandButton::ReadVisible() {
  if (!bodyShown_) return 0;
  ResetLook();
  return 255;
}

Effects CommandButton::WriteVisible(int mode) {
  if (mode != 0) {
    bodyShown_ = true;
    ResetLook();
  } else {
    bodyShown_ = false;
  }
  Notify("Visible");
  return TakeEffects();
}

Effects CommandButton::TakeEffects() { return std::exchange(effects_, {}); }

Effects CommandButton::LoadStoredProperties(const StoredProperties& stored, const CaptionFont& containerFont) {
  // Each key is applied right after it is read; a value that does not
  // convert leaves its property as it was.
  if (const auto enabled = StoredAsBool(stored.Read("Enabled", true))) enabled_ = *enabled;
  if (const auto caption = StoredAsText(stored.Read("Caption", std::string(kCaptionWhenNotStored)))) {
    caption_ = *caption;
  }
  if (const auto font = StoredAsFont(stored.Read("Font", containerFont))) {
    font_ = std::make_shared<CaptionFont>(*font);
  }
  if (const auto firstRun = StoredAsInteger(stored.Read("FirstRun", std::string("1")), 0, 255)) {
    firstRun_ = static_cast<std::uint8_t>(*firstRun);
  }
  if (const auto colour = StoredAsInteger(stored.Read("FontColour", std::string("0")),
                                          std::numeric_limits<std::int32_t>::min(),
                                          std::numeric_limits<std::uint32_t>::max())) {
    fontColour_ = static_cast<std::uint32_t>(*colour);
  }
  if (const auto mode = StoredAsInteger(stored.Read("Visible", std::string("1")), 0, 1)) {
    bodyShown_ = *mode != 0;
  }
  ResetLook();
  return TakeEffects();
}

Effects CommandButton::SaveStoredProperties(StoredProperties& stored, const CaptionFont& containerFont) {
  stored.Write("Enabled", enabled_, true);
  stored.Write("Caption", caption_, std::string(kCaptionOnCreation));
  stored.Write("FirstRun", std::int64_t{firstRun_}, std::string("1"));
  stored.Write("Font", *font_, containerFont);
  stored.Write("FontColour", std::int64_t{fontColour_}, std::string("0"));
  stored.Write("Visible", std::int64_t{bodyShown_ ? 1 : 0}, std::string("1"));
  ResetLook();
  return TakeEffects();
}

void CommandButton::ResetLook() {
  if (!enabled_) return;
  captionShownEnabled_ = true;
  if (firstRun_ == 0) fontColour_ = 0;
  PaintSkin(StatePicture::kNormal);
}

void CommandButton::ShowEnabledLook() {
  if (enabled_) {
    PaintSkin(StatePicture::kNormal);
    captionShownEnabled_ = true;
  } else {
    PaintSkin(StatePicture::kDisable);
    captionShownEnabled_ = false;
  }
}

void CommandButton::PaintSkin(StatePicture picture) {
  // The gradient follows the state, not the picture: a focused hover keeps
  // whatever direction the previous drawing chose.
  if (state_ == ButtonState::kNormal || state_ == ButtonState::kSelected) invertGradient_ = false;
  if (state_ == ButtonState::kHighLight) invertGradient_ = true;
  surface_ = controls::PaintSkin(StatePictureImage(picture), width_, height_, invertGradient_);
  captionBox_ = PlaceCaption(width_, height_);
  Effect paint;
  paint.kind = Effect::Kind::kPaint;
  paint.picture = picture;
  effects_.push_back(paint);
}

void CommandButton::Notify(const char* property) {
  Effect notify;
  notify.kind = Effect::Kind::kNotify;
  notify.property = property;
  effects_.push_back(notify);
}

void CommandButton::Emit(Effect::Kind kind) {
  Effect effect;
  effect.kind = kind;
  effects_.push_back(effect);
}

}  // namespace blazemere::controls
