// A window holding a few Command buttons, for driving them as a user would:
// prints "click <name>" on standard output for every Click it receives.
// The window's title is "Command button fixture"; it sits at (40, 40).
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <string>

#include "host/x11/controls/command_button_widget.h"
#include "tests/controls/fixture_layout.h"

using namespace blazemere::controls;

int main() {
  Fl_Window form(40, 40, 260, 100, "Command button fixture");
  form.color(fl_rgb_color(0xEC, 0xE9, 0xD8));
  const CaptionFont formFont;
  CommandButtonWidget* buttons[std::size(fixture::kButtons)];
  for (std::size_t i = 0; i < std::size(fixture::kButtons); ++i) {
    const fixture::Placement& p = fixture::kButtons[i];
    buttons[i] = new CommandButtonWidget(p.x, p.y, p.width, 25);
    StoredProperties stored;
    stored.Set("caption", std::string(p.caption));
    stored.Set("font", formFont);
    buttons[i]->LoadStoredProperties(stored, formFont);
    buttons[i]->OnClick([name = p.name] { std::printf("click %s\n", name), std::fflush(stdout); });
  }
  form.end();
  form.show();
  for (CommandButtonWidget* button : buttons) button->Initialize();
  buttons[2]->SetEnabled(false);  // as the dialog does with its file button
  return Fl::run();
}
