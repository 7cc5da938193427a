// The FLTK shell around the Command button: X window, persistent surface
// image, caption text, focus, pointer input and the 100 ms hover poll.
#include "host/x11/controls/command_button_widget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cmath>
#include <utility>

#include "platform/fltk/japanese_ui_font.h"
#include "platform/pointer/x11/x11_pointer.h"

namespace blazemere::controls {
namespace {

constexpr double kHoverPollSeconds = 0.1;
// Disabled text is drawn engraved: a white copy one pixel down and right,
// under the text in the shadow grey.
constexpr Fl_Color kEngravedLight = 0xFFFFFF00;
constexpr Fl_Color kEngravedShadow = 0xACA89900;

// Whatever face the caption font names, the caption is drawn in the host's
// Japanese UI face, in its bold and italic slots as the font asks.
Fl_Font CaptionTypeface(const CaptionFont& font) {
  return platform::JapaneseUiFont() + (font.weight >= 700 ? FL_BOLD : 0) + (font.italic ? FL_ITALIC : 0);
}

int CaptionPixelSize(const CaptionFont& font) {
  const long pixels = std::lround(font.sizePoints * 96.0 / 72.0);
  return pixels > 0 && pixels < 1000 ? static_cast<int>(pixels) : 13;
}

Fl_Color FromBgr(std::uint32_t bgr) {
  return fl_rgb_color(static_cast<uchar>(bgr), static_cast<uchar>(bgr >> 8), static_cast<uchar>(bgr >> 16));
}

PointerButton FromFltkButton(int button) {
  return button == FL_LEFT_MOUSE ? PointerButton::kLeft : PointerButton::kOther;
}

}  // namespace

CommandButtonWidget::CommandButtonWidget(int x, int y, int w, int h)
    : Fl_Window(x, y, w, h), core_(std::make_unique<CommandButton>(w, h)) {
  end();  // a group opens itself on creation; nothing belongs inside the button
  box(FL_NO_BOX);
  set_visible_focus();
  // The container sizes the control as it places it.
  Apply(core_->Resized(w, h));
}

CommandButtonWidget::~CommandButtonWidget() { Fl::remove_timeout(PollPointerThunk, this); }

void CommandButtonWidget::LoadStoredProperties(const StoredProperties& stored, const CaptionFont& containerFont) {
  Apply(core_->LoadStoredProperties(stored, containerFont));
  Apply(core_->Resized(w(), h()));
}

void CommandButtonWidget::Initialize() {
  core_->Initialize();
  if (!pollRunning_) {
    pollRunning_ = true;
    Fl::add_timeout(kHoverPollSeconds, PollPointerThunk, this);
  }
}

void CommandButtonWidget::SetEnabled(bool enabled) { Apply(core_->WriteEnabled(enabled)); }

void CommandButtonWidget::OnClick(std::function<void()> handler) { clickHandler_ = std::move(handler); }

bool CommandButtonWidget::PressIsOverButton() const {
  return Fl::event_x() >= 0 && Fl::event_y() >= 0 && Fl::event_x() < w() && Fl::event_y() < h();
}

void CommandButtonWidget::PressFocus(int mouseButton) {
  // A left press takes the focus as it lands, before the press is handled.
  if (mouseButton == FL_LEFT_MOUSE && Fl::focus() != this) take_focus();
}

int CommandButtonWidget::handle(int event) {
  switch (event) {
    case FL_FOCUS:
      Apply(core_->FocusGained());
      return 1;
    case FL_UNFOCUS:
      Apply(core_->FocusLost());
      return 1;
    case FL_ENTER:
    case FL_MOVE:
    case FL_DRAG:
      Apply(core_->PointerMoved());
      return 1;
    case FL_LEAVE:
      return 1;  // the hover poll notices the pointer leaving
    case FL_PUSH:
      // A press that comes with the pointer (a tap, a fast hand) reaches us
      // before the pointer's arrival does. Windows always reports the move
      // first and the state table counts on it; a move the core has already
      // seen changes nothing.
      if (PressIsOverButton()) Apply(core_->PointerMoved());
      PressFocus(Fl::event_button());
      Apply(core_->ButtonPressed(FromFltkButton(Fl::event_button())));
      return 1;
    case FL_RELEASE:
      Apply(core_->ButtonReleased(FromFltkButton(Fl::event_button())));
      return 1;
    case FL_KEYBOARD:
    case FL_KEYUP:
    case FL_SHORTCUT:
      return 0;  // keys belong to the form (Tab moves the focus on)
    default:
      return Fl_Window::handle(event);
  }
}

void CommandButtonWidget::draw() {
  if (core_->BodyShown() && surfaceImage_) {
    surfaceImage_->draw(0, 0);
  } else {
    // A hidden body shows the form's face behind it; only the caption remains.
    fl_color(parent() ? parent()->color() : color());
    fl_rectf(0, 0, w(), h());
  }
  DrawCaption();
}

void CommandButtonWidget::DrawCaption() {
  const std::string& text = core_->Caption();
  if (text.empty()) return;
  const CaptionPlacement box = core_->CaptionBox();
  const int top = static_cast<int>(std::lround(box.top));
  fl_font(CaptionTypeface(*core_->Font()), CaptionPixelSize(*core_->Font()));
  const Fl_Align align = FL_ALIGN_TOP | FL_ALIGN_INSIDE;
  if (core_->CaptionShownEnabled()) {
    fl_color(FromBgr(core_->FontColourField()));
    fl_draw(text.c_str(), box.left, top, box.width, box.height, align, nullptr, 0);
  } else {
    fl_color(kEngravedLight);
    fl_draw(text.c_str(), box.left + 1, top + 1, box.width, box.height, align, nullptr, 0);
    fl_color(kEngravedShadow);
    fl_draw(text.c_str(), box.left, top, box.width, box.height, align, nullptr, 0);
  }
}

void CommandButtonWidget::resize(int x, int y, int w, int h) {
  const bool sizeChanged = w != this->w() || h != this->h();
  Fl_Window::resize(x, y, w, h);
  if (sizeChanged) Apply(core_->Resized(w, h));
}

void CommandButtonWidget::Apply(const Effects& effects) {
  for (const Effect& effect : effects) {
    switch (effect.kind) {
      case Effect::Kind::kPaint:
        RefreshSurfaceImage();
        break;
      case Effect::Kind::kClick:
        // The release's redraw reaches the screen before the handler runs.
        Fl::flush();
        if (clickHandler_) clickHandler_();
        break;
      case Effect::Kind::kNotify:
        break;  // only a form designer saves stored properties
    }
  }
}

void CommandButtonWidget::RefreshSurfaceImage() {
  const RgbImage& surface = core_->Surface();
  surfaceImage_.reset();
  surfacePixels_ = surface.pixels;
  if (surface.width > 0 && surface.height > 0) {
    surfaceImage_ = std::make_unique<Fl_RGB_Image>(surfacePixels_.data(), surface.width, surface.height, 3);
  }
  redraw();
}

void CommandButtonWidget::PollPointerThunk(void* self) {
  static_cast<CommandButtonWidget*>(self)->PollPointer();
  Fl::repeat_timeout(kHoverPollSeconds, PollPointerThunk, self);
}

void CommandButtonWidget::PollPointer() {
  bool over = false;
  if (shown() && fl_display != nullptr) {
    if (const auto point = platform::GetCursorPos(fl_display)) {
      over = platform::WindowFromPoint(fl_display, *point) == fl_xid(this);
    }
  }
  Apply(core_->TimerTick(over));
}

}  // namespace blazemere::controls
