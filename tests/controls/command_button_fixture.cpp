// A window holding a few Command buttons, for driving them as a user would:
// prints "click <name>" on standard output for every Click it receives.
// The window's title is "Command button fixture"; it sits at (40, 40).
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <string>

#include "host/controls/command_button_widget.h"

namespace {

using blazemere::controls::CaptionFont;
using blazemere::controls::CommandButtonWidget;
using blazemere::controls::StoredProperties;

struct Placement {
  const char* name;
  int x;
  int y;
  int width;
  const char* caption;
};

// Named buttons, laid out as the tests expect them.
constexpr Placement kButtons[] = {
    {"set", 10, 10, 81, "設定"},
    {"cancel", 100, 10, 81, "ｷｬﾝｾﾙ"},
    {"file", 190, 10, 41, "..."},
    {"bare", 10, 50, 81, ""},
    {"narrow", 100, 50, 41, ""},
};

}  // namespace

int main() {
  Fl_Window form(40, 40, 260, 100, "Command button fixture");
  form.color(fl_rgb_color(0xEC, 0xE9, 0xD8));
  const CaptionFont formFont;
  CommandButtonWidget* buttons[std::size(kButtons)];
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    const Placement& p = kButtons[i];
    auto* button = new CommandButtonWidget(p.x, p.y, p.width, 25);
    StoredProperties stored;
    stored.Set("caption", std::string(p.caption));
    stored.Set("font", formFont);
    button->LoadStoredProperties(stored, formFont);
    const std::string name = p.name;
    button->OnClick([name] {
      std::printf("click %s\n", name.c_str());
      std::fflush(stdout);
    });
    buttons[i] = button;
  }
  form.end();
  form.show();
  for (CommandButtonWidget* button : buttons) button->Initialize();
  buttons[2]->SetEnabled(false);  // as the dialog does with its file button
  return Fl::run();
}
