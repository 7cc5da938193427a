// The settings dialog "<Blazemere>" as a Win32 window: the gradient behind
// everything, the textured music panel with the option pictures and
// captions, the repeat box (a real drop-down combo box), the file button and
// the path label, the credit line, the link and the set and cancel buttons.
// Labels and pictures are painted by the dialog itself from one off-screen
// surface, so covering and uncovering loses nothing; the combo box and the
// three Command buttons are child windows. What it shows comes from
// SettingsDialogModel; this class mirrors the model and forwards input.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "host/core/dialog/settings_dialog_model.h"
#include "host/core/startup/host_context.h"
#include "host/win32/dialog/dialog_pictures.h"
#include "platform/caption_zoom/caption_zoom.h"

namespace blazemere::controls {
class CommandButtonWindow;
class GdiFont;
}  // namespace blazemere::controls

namespace blazemere::dialog {

class SettingsDialogWindow {
 public:
  // Creates the window hidden, with its controls.
  SettingsDialogWindow(host::HostContext& context, platform::CaptionZoom& zoom);
  ~SettingsDialogWindow();
  SettingsDialogWindow(const SettingsDialogWindow&) = delete;
  SettingsDialogWindow& operator=(const SettingsDialogWindow&) = delete;

  // Form_Load before the window is shown: placement, the buttons' start,
  // the option pictures, enabled controls, repeat box and path label.
  void Load();
  // The zoom from the pointer's place at load to where the dialog stands.
  void PlayOpeningZoom();
  // Shows the window with the focus on its first control.
  void Show();

  [[nodiscard]] HWND window() const { return window_; }
  [[nodiscard]] bool IsOpen() const { return window_ != nullptr; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void CreateRepeatBox();
  void MeasureLabels();
  void Paint();
  void PaintPanel(HDC dc) const;
  void PaintLabels(HDC dc) const;
  void PaintPathLabel(HDC dc) const;
  void ShowLook();
  void SelectMusicKind(int kind);
  [[nodiscard]] bool PressOnOption(POINT point);
  void ChooseFile();
  void Save();
  void OpenLink();
  void Close();
  [[nodiscard]] bool PointerOverLink() const;
  [[nodiscard]] std::string RepeatText() const;

  host::HostContext& context_;
  platform::CaptionZoom& zoom_;
  SettingsDialogModel model_;
  HandCursor hand_;
  WindowIcon icon_;
  std::unique_ptr<controls::GdiFont> font_;
  std::unique_ptr<controls::GdiFont> linkFont_;
  HWND window_ = nullptr;
  HWND repeatBox_ = nullptr;
  std::unique_ptr<controls::CommandButtonWindow> fileButton_;
  std::unique_ptr<controls::CommandButtonWindow> setButton_;
  std::unique_ptr<controls::CommandButtonWindow> cancelButton_;
  std::array<RECT, kMusicKindCount> optionCaptionBoxes_{};
  RECT linkBox_{};
  bool linkPressed_ = false;
  bool busy_ = false;
  bool closing_ = false;
};

}  // namespace blazemere::dialog
