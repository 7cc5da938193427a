// The settings dialog `Blazemere_P` as an FLTK window: the gradient behind
// everything, the textured music panel with the option pictures, the repeat
// box, the file button and the path label, the credit line, the link and the
// set and cancel buttons. What it shows comes from SettingsDialogModel;
// this class only mirrors the model and forwards the user's input to it.
#pragma once

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include <array>
#include <vector>

#include "host/core/dialog/settings_dialog_model.h"
#include "host/core/startup/host_context.h"
#include "platform/caption_zoom/caption_zoom.h"
#include "platform/process/process.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::controls {
class CommandButtonWidget;
}

namespace blazemere::dialog {

class LinkCursors;
class LinkLabel;
class PathLabel;
class PressBox;
class RepeatBox;

class SettingsDialogWindow : public Fl_Double_Window {
 public:
  SettingsDialogWindow(host::HostContext& context, const LinkCursors& cursors, platform::CaptionZoom& zoom,
                       platform::X11Connection& connection);
  ~SettingsDialogWindow() override;

  // Form_Load before the window is shown: placement, the buttons' start,
  // the option pictures, enabled controls, repeat box and path label.
  void Load();
  // The zoom from the pointer's place at load to where the dialog will
  // stand; runs before ShowDialog.
  void PlayOpeningZoom();
  // show() with the fixed frame the dialog asks a window manager for.
  void ShowDialog();

  // Programs started for the link, so the caller can collect them.
  [[nodiscard]] const std::vector<platform::ProcessId>& linkHandlers() const { return linkHandlers_; }

 protected:
  void draw() override;

 private:
  void BuildPanel();
  void BuildBottom(const LinkCursors& cursors);
  void PlaceOnScreen();
  void InitCommandButtons();
  void ShowLook();
  void SelectMusicKind(int kind);
  void ChooseFile();
  void Save();
  void OpenLink();
  void Close();
  void RepaintAtOnce();
  static void OnCloseRequest(Fl_Widget* widget, void* self);

  host::HostContext& context_;
  platform::CaptionZoom& zoom_;
  platform::X11Connection& connection_;
  SettingsDialogModel model_;
  Fl_RGB_Image optionOff_;
  Fl_RGB_Image optionOn_;
  Fl_RGB_Image icon_;
  std::array<PressBox*, kMusicKindCount> optionPictures_{};
  std::array<PressBox*, kMusicKindCount> optionCaptions_{};
  RepeatBox* repeatBox_ = nullptr;
  controls::CommandButtonWidget* fileButton_ = nullptr;
  controls::CommandButtonWidget* setButton_ = nullptr;
  controls::CommandButtonWidget* cancelButton_ = nullptr;
  PathLabel* pathLabel_ = nullptr;
  LinkLabel* link_ = nullptr;
  std::vector<platform::ProcessId> linkHandlers_;
  bool closing_ = false;
};

}  // namespace blazemere::dialog
