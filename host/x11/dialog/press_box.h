// A transparent box that answers a press of any mouse button, not a click:
// the option pictures and option captions select their music kind the
// moment a button goes down, whichever button it is.
#pragma once


#include <functional>
#include <utility>

#include "host/x11/dialog/transparent_label.h"

namespace blazemere::dialog {

class PressBox : public TransparentLabel {
 public:
  PressBox(int x, int y, int w, int h, const char* label = nullptr) : TransparentLabel(x, y, w, h, label) {}

  void OnPress(std::function<void()> handler) { onPress_ = std::move(handler); }

  int handle(int event) override {
    if (event == FL_PUSH) {
      if (onPress_) onPress_();
      return 1;
    }
    return TransparentLabel::handle(event);
  }

 private:
  std::function<void()> onPress_;
};

}  // namespace blazemere::dialog
