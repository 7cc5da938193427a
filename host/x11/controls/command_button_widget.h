// The skinned push button `Command` as an FLTK widget: a child window with
// an X window of its own, showing the persistent image that the button's
// core paints, polling the pointer every 100 ms to end the hover look, and
// raising Click from pointer releases only.
//
// Use: create it inside the parent window's begin()/end() like any widget
// (the constructor closes its own group again), restore it with
// LoadStoredProperties, call Initialize once the form has loaded.
#pragma once

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/controls/caption_font.h"
#include "host/core/controls/command_button.h"
#include "host/core/controls/stored_properties.h"

namespace blazemere::controls {

class CommandButtonWidget : public Fl_Window {
 public:
  CommandButtonWidget(int x, int y, int w, int h);
  ~CommandButtonWidget() override;
  CommandButtonWidget(const CommandButtonWidget&) = delete;
  CommandButtonWidget& operator=(const CommandButtonWidget&) = delete;

  // Restores the stored values in their read order, then shows the Normal look.
  void LoadStoredProperties(const StoredProperties& stored, const CaptionFont& containerFont);

  // State Normal and the 100 ms hover poll; the form calls it once on load.
  void Initialize();

  // Enabled, with the repaint it causes.
  void SetEnabled(bool enabled);

  // The Click event.
  void OnClick(std::function<void()> handler);

  int handle(int event) override;
  void draw() override;
  void resize(int x, int y, int w, int h) override;

 private:
  void Apply(const Effects& effects);
  void RefreshSurfaceImage();
  void DrawCaption();
  bool PressIsOverButton() const;
  void PressFocus(int mouseButton);
  void PollPointer();
  static void PollPointerThunk(void* self);

  std::unique_ptr<CommandButton> core_;
  std::vector<unsigned char> surfacePixels_;  // what surfaceImage_ shows
  std::unique_ptr<Fl_RGB_Image> surfaceImage_;
  std::function<void()> clickHandler_;
  bool pollRunning_ = false;
};

}  // namespace blazemere::controls
