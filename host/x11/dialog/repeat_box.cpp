// The repeat box: see repeat_box.h.
#include "host/x11/dialog/repeat_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace blazemere::dialog {
namespace {

constexpr int kArrowWidth = 13;
constexpr int kVisibleRows = 8;  // as many as a Windows combo box drops
constexpr int kListScrollbarWidth = 13;
constexpr int kRowsPerWheelNotch = 3;

// The arrow button: opens the list on a press and never takes the focus.
class DropArrow : public Fl_Widget {
 public:
  DropArrow(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
    box(FL_UP_BOX);
    clear_visible_focus();
  }

  void Pressed(bool pressed) {
    box(pressed ? FL_DOWN_BOX : FL_UP_BOX);
    redraw();
  }

  int handle(int event) override {
    if (event == FL_PUSH && Fl::event_button() == FL_LEFT_MOUSE) {
      static_cast<RepeatBox*>(parent())->DropList();
      return 1;
    }
    return Fl_Widget::handle(event);
  }

 protected:
  void draw() override {
    draw_box();
    // A small solid triangle, pointing down, in the middle.
    const int cx = x() + w() / 2;
    const int cy = y() + h() / 2;
    fl_color(active_r() ? FL_BLACK : fl_inactive(FL_BLACK));
    fl_polygon(cx - 3, cy - 1, cx + 4, cy - 1, cx, cy + 3);
  }
};

// The list's rows: the row under the pointer is highlighted, a release on a
// row picks it; Return picks the highlighted row, Escape picks nothing.
class ListBrowser : public Fl_Hold_Browser {
 public:
  ListBrowser(int x, int y, int w, int h) : Fl_Hold_Browser(x, y, w, h) { when(FL_WHEN_NEVER); }

  int picked() const { return picked_; }

  int handle(int event) override {
    switch (event) {
      case FL_KEYBOARD:
        switch (Fl::event_key()) {
          case FL_Enter:
          case FL_KP_Enter:
            Pick(value());
            return 1;
          case FL_Escape:
            Pick(0);
            return 1;
          case FL_Home:
            Highlight(1);
            return 1;
          case FL_End:
            Highlight(size());
            return 1;
          default:
            break;  // the browser moves up and down itself
        }
        break;
      case FL_MOUSEWHEEL:
        // Three rows a notch, as Windows scrolls a list.
        topline(std::clamp(topline() + kRowsPerWheelNotch * Fl::event_dy(), 1, std::max(1, size())));
        return 1;
      case FL_MOVE:
      case FL_DRAG:
        if (OverRows()) Highlight(LineUnderPointer());
        return 1;
      case FL_RELEASE:
        if (OverRows()) {
          Pick(LineUnderPointer());
          return 1;
        }
        break;
      default:
        break;
    }
    return Fl_Hold_Browser::handle(event);
  }

 private:
  // Inside the list, not on its scroll bar.
  bool OverRows() const {
    return Fl::event_inside(x(), y(), w() - scrollbar_size() - Fl::box_dw(box()), h());
  }

  int LineUnderPointer() {
    void* item = find_item(Fl::event_y());
    return item != nullptr ? lineno(item) : 0;
  }

  void Highlight(int line) {
    if (line < 1 || line > size() || line == value()) return;
    select(line);
    display(line);
  }

  void Pick(int line) {
    picked_ = line;
    window()->hide();
  }

  int picked_ = 0;
};

// The dropped list: a borderless window that holds the pointer and keyboard
// until a row is picked or a press lands outside it.
class DropDownList : public Fl_Double_Window {
 public:
  DropDownList(int x, int y, int w, int h, const std::vector<std::string>& entries, Fl_Font font,
               Fl_Fontsize size, const char* current)
      : Fl_Double_Window(x, y, w, h), rows_(0, 0, w, h) {
    end();
    set_override();
    set_menu_window();
    // Above the modal dialog: FLTK sends the wheel to the topmost modal window.
    set_modal();
    rows_.box(FL_BORDER_BOX);
    rows_.format_char(0);  // entries are shown as they are
    rows_.textfont(font);
    rows_.textsize(size);
    rows_.scrollbar_size(kListScrollbarWidth);
    rows_.has_scrollbar(Fl_Browser_::VERTICAL);
    for (const std::string& entry : entries) rows_.add(entry.c_str());
    const auto found = std::find(entries.begin(), entries.end(), current);
    if (found != entries.end()) {
      const int line = static_cast<int>(found - entries.begin()) + 1;
      rows_.select(line);
      rows_.topline(line);
    }
  }

  // The index of the picked entry, or -1.
  int Run() {
    show();
    wait_for_expose();  // the server grabs the pointer only for a window it shows
    Fl::grab(this);
    while (shown()) Fl::wait();
    Fl::grab(nullptr);
    return rows_.picked() - 1;
  }

  int handle(int event) override {
    if (event == FL_PUSH && !Fl::event_inside(0, 0, w(), h())) {
      hide();
      return 1;
    }
    // While it holds the keyboard and pointer, FLTK hands keys and the wheel
    // to this window, wherever the pointer is; they belong to the rows.
    if (event == FL_KEYBOARD || event == FL_MOUSEWHEEL) return rows_.handle(event);
    return Fl_Double_Window::handle(event);
  }

 private:
  ListBrowser rows_;
};

}  // namespace

RepeatBox::RepeatBox(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  box(FL_DOWN_BOX);
  color(FL_WHITE);
  const int dx = Fl::box_dx(box());
  const int dy = Fl::box_dy(box());
  const int innerHeight = h - Fl::box_dh(box());
  field_ = new Fl_Input(x + dx, y + dy, w - Fl::box_dw(box()) - kArrowWidth, innerHeight);
  field_->box(FL_FLAT_BOX);
  new DropArrow(x + w - dx - kArrowWidth, y + dy, kArrowWidth, innerHeight);
  end();
}

const char* RepeatBox::value() const { return field_->value(); }

void RepeatBox::value(const char* text) { field_->value(text); }

void RepeatBox::SetTextFont(Fl_Font font, Fl_Fontsize size) {
  field_->textfont(font);
  field_->textsize(size);
}

void RepeatBox::DropList() {
  if (entries_.empty() || !active_r() || top_window() == nullptr) return;
  field_->take_focus();
  fl_font(field_->textfont(), field_->textsize());
  const int rows = std::min(kVisibleRows, static_cast<int>(entries_.size()));
  const int height = rows * fl_height() + Fl::box_dh(FL_BORDER_BOX);
  const Fl_Window* top = top_window();
  int screenY = top->y() + y() + h();
  if (screenY + height > Fl::y() + Fl::h()) screenY = top->y() + y() - height;  // no room below: above

  auto* arrow = static_cast<DropArrow*>(child(1));
  arrow->Pressed(true);
  int picked = -1;
  {
    DropDownList list(top->x() + x(), screenY, w(), height, entries_, field_->textfont(), field_->textsize(),
                      field_->value());
    picked = list.Run();
  }
  arrow->Pressed(false);
  if (picked >= 0) field_->value(entries_[static_cast<std::size_t>(picked)].c_str());
  field_->take_focus();
  field_->position(field_->size(), 0);  // the text selected, as after a pick on Windows
}

}  // namespace blazemere::dialog
