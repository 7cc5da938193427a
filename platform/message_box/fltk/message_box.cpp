// MessageBox on Linux: a small FLTK window with the caption as its title,
// the text, an optional icon and one "OK" button, modal and on top. Without an
// X display the text goes to standard error, so a message is never lost.
#include "platform/message_box/message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>

#include "platform/fltk/fltk_display.h"
#include "platform/fltk/japanese_ui_font.h"
#include "platform/message_box/fltk/message_box_stacking.h"
#include "platform/message_box/message_box_text.h"

namespace blazemere::platform {

namespace {

constexpr int kFontSize = 14;
constexpr int kMargin = 16;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kMinTextWidth = 120;

struct TextSize {
  int width = 0;
  int height = 0;
};

// Long texts (a long path) wrap at most of the screen's width.
TextSize MeasureText(const std::string& text, Fl_Font font) {
  fl_font(font, kFontSize);
  TextSize size;
  fl_measure(text.c_str(), size.width, size.height, 0);
  const int widest = std::max(kMinTextWidth, Fl::w() * 3 / 4);
  if (size.width > widest) {
    size.width = widest;
    fl_measure(text.c_str(), size.width, size.height, 0);
  }
  // A left-aligned label is drawn 3 pixels in from each side; without that
  // room the last word of the widest line would wrap.
  size.width = std::max(size.width + 8, kMinTextWidth);
  size.height = std::max(size.height, kFontSize);
  return size;
}

void CloseBox(Fl_Widget* widget, void*) { widget->window()->hide(); }
void CloseWindow(Fl_Widget* widget, void*) { widget->hide(); }

class MessageWindow {
 public:
  MessageWindow(const std::string& caption, const std::string& text, MessageBoxIcon icon)
      : caption_(caption), text_(text) {
    const Fl_Font font = JapaneseUiFont();
    const TextSize textSize = MeasureText(text_, font);
    const bool withIcon = icon != MessageBoxIcon::kNone;
    const int textLeft = kMargin + (withIcon ? kIconSize + kMargin : 0);
    const int bodyHeight = std::max(textSize.height, withIcon ? kIconSize : 0);
    const int width = std::max(textLeft + textSize.width + kMargin, kButtonWidth + 2 * kMargin);
    const int height = kMargin + bodyHeight + kMargin + kButtonHeight + kMargin;

    window_ = new Fl_Window((Fl::w() - width) / 2, (Fl::h() - height) / 2, width, height, caption_.c_str());
    if (withIcon) AddErrorIcon(kMargin, kMargin + (bodyHeight - kIconSize) / 2);
    auto* label = new Fl_Box(textLeft, kMargin, textSize.width, bodyHeight);
    label->label(text_.c_str());
    label->labelfont(font);
    label->labelsize(kFontSize);
    label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    button_ = new Fl_Return_Button((width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth,
                                   kButtonHeight, "OK");
    button_->labelfont(font);
    button_->labelsize(kFontSize);
    button_->callback(CloseBox);
    window_->end();
    window_->set_modal();
    // Escape and the close box end the box just as OK does.
    window_->callback(CloseWindow);
  }
  ~MessageWindow() { delete window_; }
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  void RunModal() {
    const Window owner = FocusedWindow(fl_display);
    window_->show();
    const Window box = fl_xid(window_);
    AttachToOwner(fl_display, box, owner);
    RaiseAndFocus(fl_display, box);
    Fl::focus(button_);
    while (window_->shown()) Fl::wait();
    RestoreFocus(fl_display, owner);
    XSync(fl_display, False);
  }

 private:
  void AddErrorIcon(int x, int y) {
    auto* icon = new Fl_Box(FL_OVAL_BOX, x, y, kIconSize, kIconSize, "X");
    icon->color(FL_RED);
    icon->labelcolor(FL_WHITE);
    icon->labelfont(FL_HELVETICA_BOLD);
    icon->labelsize(18);
  }

  std::string caption_;
  std::string text_;
  Fl_Window* window_ = nullptr;
  Fl_Return_Button* button_ = nullptr;
};

}  // namespace

void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon) {
  if (!EnsureFltkDisplay()) {
    WriteMessageToStandardError(caption, text);
    return;
  }
  MessageWindow box(caption, text, icon);
  box.RunModal();
}

}  // namespace blazemere::platform
