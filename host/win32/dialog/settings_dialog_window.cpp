// The settings dialog window: see settings_dialog_window.h.
#include "host/win32/dialog/settings_dialog_window.h"

#include <windowsx.h>

#include <vector>

#include "common/names.h"
#include "host/core/dialog/dialog_background.h"
#include "host/core/dialog/dialog_contents.h"
#include "host/core/dialog/dialog_layout.h"
#include "host/core/dialog/path_label_wrap.h"
#include "host/core/startup/window_zoom.h"
#include "host/resources/dialog/dialog_art.h"
#include "host/win32/controls/command_button_window.h"
#include "host/win32/controls/gdi_drawing.h"
#include "host/win32/controls/window_class.h"
#include "platform/file_dialog/file_dialog.h"
#include "platform/message_box/message_box.h"
#include "platform/shell_open/shell_open.h"
#include "platform/win32/wide_text.h"

namespace blazemere::dialog {
namespace {

constexpr const wchar_t* kClassName = L"BlazemereSettings";
// A fixed single-line frame with a close box and nothing to minimise or
// maximise; children are clipped out of the dialog's own painting.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kRepeatBoxId = 100;
// Rows the repeat box's list shows before it scrolls.
constexpr int kRepeatListRows = 8;
constexpr COLORREF kDialogFace = RGB(192, 192, 192);
constexpr COLORREF kPanelFace = RGB(224, 224, 224);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

RECT OnDialog(const layout::Box& box) { return {box.x, box.y, box.x + box.w, box.y + box.h}; }

RECT InPanel(const layout::Box& box) {
  const layout::Box p = layout::kPanel;
  return {p.x + box.x, p.y + box.y, p.x + box.x + box.w, p.y + box.y + box.h};
}

void FillColour(HDC dc, const RECT& area, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush == nullptr) return;
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

const wchar_t* RegisterDialogClass(WNDPROC procedure) {
  // A class that could not be registered shows when the window is made.
  static_cast<void>(RegisterWindowClass(kClassName, procedure, host::ClassPointer::kArrow));
  return kClassName;
}

}  // namespace

SettingsDialogWindow::SettingsDialogWindow(host::HostContext& context, platform::CaptionZoom& zoom)
    : context_(context),
      zoom_(zoom),
      model_(context.settings),
      font_(std::make_unique<controls::GdiFont>(controls::CaptionFont{})),
      linkFont_(std::make_unique<controls::GdiFont>([] {
        controls::CaptionFont underlined;
        underlined.underline = true;
        return underlined;
      }())) {
  RECT outer{0, 0, layout::kClientWidth, layout::kClientHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  const std::wstring title = controls::Wide(names::kSettingsDialogTitle);
  window_ = CreateWindowExW(kExStyle, RegisterDialogClass(&SettingsDialogWindow::Procedure), title.c_str(), kStyle,
                            0, 0, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return;
  if (icon_.handle() != nullptr) {
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.handle()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.handle()));
  }
  CreateControls();
  MeasureLabels();
}

SettingsDialogWindow::~SettingsDialogWindow() {
  fileButton_.reset();
  setButton_.reset();
  cancelButton_.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

// Creation order is focus order: the repeat box, the file button, then the
// set and cancel buttons.
void SettingsDialogWindow::CreateControls() {
  CreateRepeatBox();
  auto place = [this](const RECT& box, const PlacedButton& placed) {
    auto button = std::make_unique<controls::CommandButtonWindow>(window_, box.left, box.top, box.right - box.left,
                                                                  box.bottom - box.top);
    button->LoadStoredProperties(ButtonStoredProperties(placed), controls::CaptionFont{});
    return button;
  };
  fileButton_ = place(InPanel(layout::kFileButton), kFileButton);
  fileButton_->OnClick([this] { ChooseFile(); });
  setButton_ = place(OnDialog(layout::kSetButton), kSetButton);
  setButton_->OnClick([this] { Save(); });
  cancelButton_ = place(OnDialog(layout::kCancelButton), kCancelButton);
  cancelButton_->OnClick([this] { Close(); });
}

// An editable drop-down list in the default dialog font. Its closed height is
// the layout's, whatever the font: the field's height is set from the
// difference; the window's full height is what the dropped list may use.
void SettingsDialogWindow::CreateRepeatBox() {
  const RECT box = InPanel(layout::kRepeatBox);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  repeatBox_ = CreateWindowExW(0, L"COMBOBOX", L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                               box.left, box.top, width, height * 8, window_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRepeatBoxId)), GetModuleHandleW(nullptr),
                               nullptr);
  if (repeatBox_ == nullptr) return;
  SendMessageW(repeatBox_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  // The field's height and the closed box's differ by borders the system
  // decides, and Wine reads back another height than it was given: steer by
  // what was asked for, a step or two.
  auto field = static_cast<int>(SendMessageW(repeatBox_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT closed{};
    GetWindowRect(repeatBox_, &closed);
    const int surplus = (closed.bottom - closed.top) - height;
    if (surplus == 0 || field - surplus <= 0) break;
    field -= surplus;
    SendMessageW(repeatBox_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
  const auto row = static_cast<int>(SendMessageW(repeatBox_, CB_GETITEMHEIGHT, 0, 0));
  const int listHeight = kRepeatListRows * (row > 0 ? row : 13) + 2;
  SetWindowPos(repeatBox_, nullptr, 0, 0, width, height + listHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The option captions and the link take the pointer where their text is.
void SettingsDialogWindow::MeasureLabels() {
  HDC dc = GetDC(window_);
  if (dc == nullptr) return;
  const HGDIOBJ previous = SelectObject(dc, font_->handle());
  for (int kind = 0; kind < kMusicKindCount; ++kind) {
    const auto index = static_cast<std::size_t>(kind);
    RECT box = InPanel(layout::kOptionCaption[kind]);
    box.right = box.left + controls::TextWidth(dc, kOptionCaptions[index]) + 1;
    optionCaptionBoxes_[index] = box;
  }
  SelectObject(dc, linkFont_->handle());
  linkBox_ = OnDialog(layout::kLinkLabel);
  linkBox_.right = linkBox_.left + controls::TextWidth(dc, kProjectAddress) + 1;
  SelectObject(dc, previous);
  ReleaseDC(window_, dc);
}

void SettingsDialogWindow::Load() {
  // Centred across the screen, the gap above half the gap below, by the
  // window's outer size.
  RECT outer{};
  GetWindowRect(window_, &outer);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Every Command button, in the dialog's control order.
  for (controls::CommandButtonWindow* button : {fileButton_.get(), setButton_.get(), cancelButton_.get()}) {
    button->Initialize();
  }
  ShowLook();
  if (repeatBox_ != nullptr) {
    SetWindowTextW(repeatBox_, controls::Wide(model_.InitialRepeatText()).c_str());
    for (const std::string& entry : RepeatBoxEntries()) {
      SendMessageW(repeatBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(controls::Wide(entry).c_str()));
    }
  }
  InvalidateRect(window_, nullptr, FALSE);  // the path label
}

void SettingsDialogWindow::PlayOpeningZoom() {
  RECT outer{};
  GetWindowRect(window_, &outer);
  host::ZoomOpen(zoom_, {outer.left, outer.top, outer.right, outer.bottom}, context_);
}

void SettingsDialogWindow::Show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
  UpdateWindow(window_);
}

void SettingsDialogWindow::ShowLook() {
  const OptionLook look = model_.Look();
  if (repeatBox_ != nullptr) EnableWindow(repeatBox_, look.repeatBoxEnabled ? TRUE : FALSE);
  fileButton_->SetEnabled(look.fileButtonEnabled);
  InvalidateRect(window_, nullptr, FALSE);  // the option pictures
}

void SettingsDialogWindow::SelectMusicKind(int kind) {
  model_.SelectMusicKind(static_cast<std::int16_t>(kind));
  fileButton_->SetEnabled(false);
  if (repeatBox_ != nullptr) EnableWindow(repeatBox_, FALSE);
  ShowLook();
}

// Any mouse button down on an option picture or caption selects its kind.
bool SettingsDialogWindow::PressOnOption(POINT point) {
  for (int kind = 0; kind < kMusicKindCount; ++kind) {
    const RECT picture = InPanel(layout::kOptionPicture[kind]);
    if (PtInRect(&picture, point) || PtInRect(&optionCaptionBoxes_[static_cast<std::size_t>(kind)], point)) {
      SelectMusicKind(kind);
      return true;
    }
  }
  return false;
}

void SettingsDialogWindow::ChooseFile() {
  platform::OpenFileRequest request = FileChooserRequest(model_);
  request.owner = reinterpret_cast<platform::WindowHandle>(window_);
  const std::optional<std::string> chosen = platform::ChooseFileToOpen(request);
  if (!chosen) return;
  model_.ChooseFile(*chosen);
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void SettingsDialogWindow::Save() {
  // The dialog closes either way; the user must not believe the settings kept.
  if (const std::optional<std::string> failure = SaveToSettingsFile(model_, RepeatText(), context_.hostFolder)) {
    platform::ShowMessageBox(names::kApplicationTitle, *failure, platform::MessageBoxIcon::kError);
  }
  Close();
}

std::string SettingsDialogWindow::RepeatText() const {
  if (repeatBox_ == nullptr) return {};
  const int length = GetWindowTextLengthW(repeatBox_);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int got = GetWindowTextW(repeatBox_, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return platform::Utf8FromWide(text);
}

// The hourglass while the shell finds the handler; what it answers is not
// examined, and the dialog stays open.
void SettingsDialogWindow::OpenLink() {
  busy_ = true;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  if (platform::OpenWithDefaultHandler(kProjectAddress) == platform::kNoProcess) {
    // Nothing is reported: the link is a courtesy, the dialog works without it.
  }
  busy_ = false;
  SetCursor(PointerOverLink() ? hand_.handle() : LoadCursorW(nullptr, IDC_ARROW));
}

bool SettingsDialogWindow::PointerOverLink() const {
  POINT point{};
  if (window_ == nullptr || !GetCursorPos(&point) || !ScreenToClient(window_, &point)) return false;
  return PtInRect(&linkBox_, point) != FALSE;
}

// Form_Unload: every way of closing ends here, and the zoom runs back to the
// point saved at load, not to where the pointer is now.
void SettingsDialogWindow::Close() {
  if (closing_ || window_ == nullptr) return;
  closing_ = true;
  const HWND window = window_;
  host::ZoomClose(zoom_, reinterpret_cast<platform::WindowHandle>(window), context_, [window] {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  });
  DestroyWindow(window);
}

LRESULT CALLBACK SettingsDialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = host::WindowObject<SettingsDialogWindow>(window, message, lParam);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCCREATE) self->window_ = window;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->repeatBox_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(window, message, wParam, lParam);
}

LRESULT SettingsDialogWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN: {
      const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (!PressOnOption(point) && message == WM_LBUTTONDOWN) linkPressed_ = PtInRect(&linkBox_, point) != FALSE;
      return message == WM_XBUTTONDOWN ? TRUE : 0;
    }
    case WM_LBUTTONUP: {
      const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const bool click = linkPressed_ && PtInRect(&linkBox_, point);
      linkPressed_ = false;
      if (click) OpenLink();
      return 0;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
        if (busy_) {
          SetCursor(LoadCursorW(nullptr, IDC_WAIT));
          return TRUE;
        }
        if (PointerOverLink()) {
          SetCursor(hand_.handle());
          return TRUE;
        }
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND:
      // Return and Escape reach the dialog as OK and Cancel: the dialog has
      // neither key, only its buttons.
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void SettingsDialogWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  if (dc == nullptr) return;
  {
    controls::OffscreenSurface surface(dc, layout::kClientWidth, layout::kClientHeight);
    const HDC back = surface.dc();
    FillColour(back, {0, 0, layout::kClientWidth, layout::kClientHeight}, kDialogFace);
    // The gradient, row by row; the last row falls just outside.
    for (int y = 0; y <= layout::kClientHeight; ++y) {
      const Rgb row = GradientRowColour(y, layout::kClientHeight);
      FillColour(back, {0, y, layout::kClientWidth, y + 1}, RGB(row.red, row.green, row.blue));
    }
    PaintPanel(back);
    PaintLabels(back);
    surface.Show();
  }
  EndPaint(window_, &paint);
}

void SettingsDialogWindow::PaintPanel(HDC dc) const {
  const RECT panel = OnDialog(layout::kPanel);
  FillColour(dc, panel, kPanelFace);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, panel.left, panel.top, panel.right, panel.bottom);
  const RgbImage& strip = resources::PanelStrip();
  for (const TileOrigin& tile : TileOrigins(strip.width, strip.height, layout::kPanel.w, layout::kPanel.h)) {
    controls::DrawPicture(dc, strip, panel.left + tile.x, panel.top + tile.y);
  }
  RestoreDC(dc, saved);

  HBRUSH black = CreateSolidBrush(kBlack);
  if (black != nullptr) {
    const RECT frame = InPanel(layout::kHeaderFrame);
    FrameRect(dc, &frame, black);
    DeleteObject(black);
  }
  const OptionLook look = model_.Look();
  for (int kind = 0; kind < kMusicKindCount; ++kind) {
    const RECT picture = InPanel(layout::kOptionPicture[kind]);
    controls::DrawPicture(dc,
                          look.selected[static_cast<std::size_t>(kind)] ? resources::OptionSelected()
                                                                         : resources::OptionNotSelected(),
                          picture.left, picture.top);
  }
}

void SettingsDialogWindow::PaintLabels(HDC dc) const {
  const HGDIOBJ previous = SelectObject(dc, font_->handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kBlack);
  RECT header = InPanel(layout::kHeaderLabel);
  const std::wstring headerText = controls::Wide(kHeaderCaption);
  DrawTextW(dc, headerText.c_str(), static_cast<int>(headerText.size()), &header,
            DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  for (int kind = 0; kind < kMusicKindCount; ++kind) {
    const RECT& caption = optionCaptionBoxes_[static_cast<std::size_t>(kind)];
    controls::DrawTextAt(dc, kOptionCaptions[static_cast<std::size_t>(kind)], caption.left, caption.top, kBlack);
  }
  const RECT repeat = InPanel(layout::kRepeatLabel);
  controls::DrawTextAt(dc, kRepeatCaption, repeat.left, repeat.top, kBlack);
  PaintPathLabel(dc);
  controls::DrawTextAt(dc, kCreditLine, layout::kCreditLine.x, layout::kCreditLine.y, kWhite);
  SelectObject(dc, linkFont_->handle());
  controls::DrawTextAt(dc, kProjectAddress, linkBox_.left, linkBox_.top, kWhite);
  SelectObject(dc, previous);
}

// Word-wrapped over the label's lines; only whole lines, since a third line
// would show as a sliced strip under the second.
void SettingsDialogWindow::PaintPathLabel(HDC dc) const {
  const RECT box = InPanel(layout::kPathLabel);
  TEXTMETRICW metrics{};
  if (!GetTextMetricsW(dc, &metrics) || metrics.tmHeight <= 0) return;
  const auto lineCount = static_cast<std::size_t>(layout::kPathLabel.h / metrics.tmHeight);
  const std::vector<std::string> lines =
      WrapIntoLines(model_.FileLabel(), layout::kPathLabel.w, lineCount,
                    [dc](std::string_view piece) { return static_cast<double>(controls::TextWidth(dc, piece)); });
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  int top = box.top;
  for (const std::string& line : lines) {
    controls::DrawTextAt(dc, line, box.left, top, kBlack);
    top += metrics.tmHeight;
  }
  RestoreDC(dc, saved);
}

}  // namespace blazemere::dialog
