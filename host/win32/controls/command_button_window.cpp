// The Win32 shell around the Command button: see command_button_window.h.
#include "host/win32/controls/command_button_window.h"

#include <windowsx.h>

#include <cmath>
#include <utility>

#include "host/win32/controls/gdi_drawing.h"
#include "host/win32/controls/window_class.h"
#include "platform/pointer/win32/win32_pointer.h"

namespace blazemere::controls {
namespace {

constexpr UINT_PTR kHoverPollTimer = 1;
constexpr UINT kHoverPollMilliseconds = 100;
// Disabled text is drawn engraved: a white copy one pixel down and right,
// under the text in the shadow grey.
constexpr COLORREF kEngravedLight = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kEngravedShadow = RGB(0xAC, 0xA8, 0x99);

}  // namespace

const wchar_t* CommandButtonWindow::ClassName() {
  static const wchar_t* const name = [] {
    // A class that could not be registered shows when a button is made.
    static_cast<void>(
        host::RegisterWindowClass(L"BlazemereCommand", &CommandButtonWindow::Procedure, host::ClassPointer::kArrow));
    return L"BlazemereCommand";
  }();
  return name;
}

CommandButtonWindow::CommandButtonWindow(HWND parent, int x, int y, int w, int h)
    : core_(std::make_unique<CommandButton>(w, h)) {
  window_ = CreateWindowExW(0, ClassName(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, x, y, w, h,
                            parent, nullptr, GetModuleHandleW(nullptr), this);
  // The container sizes the control as it places it.
  Apply(core_->Resized(w, h));
}

CommandButtonWindow::~CommandButtonWindow() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void CommandButtonWindow::LoadStoredProperties(const StoredProperties& stored, const CaptionFont& containerFont) {
  Apply(core_->LoadStoredProperties(stored, containerFont));
  RECT client{};
  if (window_ != nullptr && GetClientRect(window_, &client)) Apply(core_->Resized(client.right, client.bottom));
}

void CommandButtonWindow::Initialize() {
  core_->Initialize();
  if (!pollRunning_ && window_ != nullptr) pollRunning_ = SetTimer(window_, kHoverPollTimer, kHoverPollMilliseconds, nullptr) != 0;
}

void CommandButtonWindow::SetEnabled(bool enabled) { Apply(core_->WriteEnabled(enabled)); }

void CommandButtonWindow::OnClick(std::function<void()> handler) { clickHandler_ = std::move(handler); }

LRESULT CALLBACK CommandButtonWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = host::WindowObject<CommandButtonWindow>(window, message, lParam);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCCREATE) self->window_ = window;
  if (message == WM_NCDESTROY) {
    // The window goes (its parent closing takes it along): the object stays
    // and forgets it.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(window, message, wParam, lParam);
}

LRESULT CommandButtonWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      Apply(core_->FocusGained());
      return 0;
    case WM_KILLFOCUS:
      Apply(core_->FocusLost());
      return 0;
    case WM_MOUSEMOVE:
      // Windows reports the pointer's arrival before a press that comes with it.
      Apply(core_->PointerMoved());
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(PointerButton::kLeft);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      Press(PointerButton::kOther);
      return message == WM_XBUTTONDOWN ? TRUE : 0;
    case WM_LBUTTONUP:
      Release(PointerButton::kLeft);
      return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
      Release(PointerButton::kOther);
      return message == WM_XBUTTONUP ? TRUE : 0;
    case WM_TIMER:
      if (wParam == kHoverPollTimer) PollPointer();
      return 0;
    case WM_SIZE:
      Apply(core_->Resized(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DESTROY:
      KillTimer(window, kHoverPollTimer);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

// A left press takes the focus as it lands, before the press is handled; the
// pointer stays ours until the release, wherever it goes.
void CommandButtonWindow::Press(PointerButton button) {
  // Windows reports the pointer's arrival before a press, and the state table
  // counts on it; under Wine a press that comes with the pointer (a fast
  // hand, a test's click) can arrive first. A move the core has already seen
  // changes nothing.
  if (GetCapture() != window_) Apply(core_->PointerMoved());
  if (button == PointerButton::kLeft && GetFocus() != window_) SetFocus(window_);
  SetCapture(window_);
  Apply(core_->ButtonPressed(button));
}

void CommandButtonWindow::Release(PointerButton button) {
  if (GetCapture() == window_) ReleaseCapture();
  Apply(core_->ButtonReleased(button));
}

void CommandButtonWindow::PollPointer() {
  bool over = false;
  if (const auto point = platform::GetCursorPos()) {
    over = platform::WindowFromPoint(*point) == reinterpret_cast<platform::WindowHandle>(window_);
  }
  Apply(core_->TimerTick(over));
}

void CommandButtonWindow::Apply(const Effects& effects) {
  for (const Effect& effect : effects) {
    switch (effect.kind) {
      case Effect::Kind::kPaint:
        if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
        break;
      case Effect::Kind::kClick:
        // The release's redraw reaches the screen before the handler runs.
        if (window_ != nullptr) UpdateWindow(window_);
        if (clickHandler_) clickHandler_();
        break;
      case Effect::Kind::kNotify:
        break;  // only a form designer saves stored properties
    }
  }
}

void CommandButtonWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  if (dc == nullptr) return;
  RECT client{};
  GetClientRect(window_, &client);
  {
    OffscreenSurface surface(dc, client.right, client.bottom);
    if (core_->BodyShown()) {
      DrawPicture(surface.dc(), core_->Surface(), 0, 0);
    } else {
      // A hidden body shows the form's face behind it; only the caption remains.
      HBRUSH face = CreateSolidBrush(RGB(192, 192, 192));
      FillRect(surface.dc(), &client, face);
      DeleteObject(face);
    }
    DrawCaption(surface.dc());
    surface.Show();
  }
  EndPaint(window_, &paint);
}

void CommandButtonWindow::DrawCaption(HDC dc) {
  const std::string text = core_->Caption();
  if (text.empty()) return;
  const SharedCaptionFont font = core_->Font();
  const CaptionFont wanted = font ? *font : CaptionFont{};
  // The font object may have been changed through the shared reference.
  if (!font_ || !(wanted == fontValue_)) {
    font_ = std::make_unique<GdiFont>(wanted);
    fontValue_ = wanted;
  }
  const HGDIOBJ previous = SelectObject(dc, font_->handle());
  const CaptionPlacement box = core_->CaptionBox();
  const int top = static_cast<int>(std::lround(box.top));
  const std::wstring wide = Wide(text);
  SetBkMode(dc, TRANSPARENT);
  auto draw = [&](int dx, int dy, COLORREF colour) {
    RECT place{box.left + dx, top + dy, box.left + box.width + dx, top + box.height + dy};
    SetTextColor(dc, colour);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &place, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
  };
  if (core_->CaptionShownEnabled()) {
    const std::uint32_t bgr = core_->FontColourField();
    draw(0, 0, RGB(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
  } else {
    draw(1, 1, kEngravedLight);
    draw(0, 0, kEngravedShadow);
  }
  if (previous != nullptr) SelectObject(dc, previous);
}

}  // namespace blazemere::controls
