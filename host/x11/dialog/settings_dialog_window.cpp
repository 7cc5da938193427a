// The settings dialog window: see settings_dialog_window.h.
#include "host/x11/dialog/settings_dialog_window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include "common/names.h"
#include "host/core/dialog/dialog_background.h"
#include "host/core/dialog/dialog_contents.h"
#include "host/core/dialog/dialog_layout.h"
#include "host/core/startup/window_zoom.h"
#include "host/resources/dialog/dialog_art.h"
#include "host/x11/controls/command_button_widget.h"
#include "host/x11/dialog/link_label.h"
#include "host/x11/dialog/music_panel.h"
#include "host/x11/dialog/path_label.h"
#include "host/x11/dialog/press_box.h"
#include "host/x11/dialog/repeat_box.h"
#include "host/x11/dialog/transparent_label.h"
#include "host/x11/dialog/window_frame_hints.h"
#include "platform/file_dialog/file_dialog.h"
#include "platform/fltk/japanese_ui_font.h"
#include "platform/message_box/message_box.h"
#include "platform/shell_open/shell_open.h"

namespace blazemere::dialog {
namespace {

constexpr int kRepeatBoxFontSize = 12;

// The form's font, which every Command button takes as its container font.
const controls::CaptionFont kFormFont{};

controls::CommandButtonWidget* PlaceButton(const layout::Box& box, const PlacedButton& placed) {
  auto* button = new controls::CommandButtonWidget(box.x, box.y, box.w, box.h);
  button->LoadStoredProperties(ButtonStoredProperties(placed), kFormFont);
  return button;
}

// A label sized to its text, in the dialog's font, on a transparent ground.
TransparentLabel* PlaceLabel(int x, int y, int height, const char* text, Fl_Color colour) {
  const Fl_Font font = platform::JapaneseUiFont();
  fl_font(font, layout::kFontPixels);
  auto* label = new TransparentLabel(x, y, static_cast<int>(fl_width(text)) + 1, height, text);
  label->labelfont(font);
  label->labelsize(layout::kFontPixels);
  label->labelcolor(colour);
  return label;
}

}  // namespace

SettingsDialogWindow::SettingsDialogWindow(host::HostContext& context, const LinkCursors& cursors,
                                           platform::CaptionZoom& zoom, platform::X11Connection& connection)
    : Fl_Double_Window(layout::kClientWidth, layout::kClientHeight, names::kSettingsDialogTitle),
      context_(context),
      zoom_(zoom),
      connection_(connection),
      model_(context.settings),
      optionOff_(resources::OptionNotSelected().pixels.data(), 12, 12, 3),
      optionOn_(resources::OptionSelected().pixels.data(), 12, 12, 3),
      icon_(resources::WindowIcon().pixels, 32, 32, 4) {
  color(fl_rgb_color(192, 192, 192));
  BuildPanel();
  BuildBottom(cursors);
  end();
  size_range(layout::kClientWidth, layout::kClientHeight, layout::kClientWidth, layout::kClientHeight);
  set_modal();
  icon(&icon_);
  callback(&SettingsDialogWindow::OnCloseRequest, this);
}

SettingsDialogWindow::~SettingsDialogWindow() = default;

// Child order is focus order: the repeat box, then the file button here,
// then the set and cancel buttons in BuildBottom.
void SettingsDialogWindow::BuildPanel() {
  const layout::Box p = layout::kPanel;
  auto* panel = new MusicPanel(p.x, p.y, p.w, p.h);
  const Fl_Font font = platform::JapaneseUiFont();

  auto* header = new TransparentLabel(p.x + layout::kHeaderLabel.x, p.y + layout::kHeaderLabel.y,
                                      layout::kHeaderLabel.w, layout::kHeaderLabel.h, kHeaderCaption);
  header->labelfont(font);
  header->labelsize(layout::kFontPixels);
  header->CentreText(true);

  for (int kind = 0; kind < kMusicKindCount; ++kind) {
    const layout::Box picture = layout::kOptionPicture[kind];
    const layout::Box caption = layout::kOptionCaption[kind];
    auto* optionPicture = new PressBox(p.x + picture.x, p.y + picture.y, picture.w, picture.h);
    optionPicture->image(&optionOff_);
    optionPicture->OnPress([this, kind] { SelectMusicKind(kind); });
    optionPictures_[static_cast<std::size_t>(kind)] = optionPicture;

    fl_font(font, layout::kFontPixels);
    const char* text = kOptionCaptions[static_cast<std::size_t>(kind)];
    auto* optionCaption =
        new PressBox(p.x + caption.x, p.y + caption.y, static_cast<int>(fl_width(text)) + 1, caption.h, text);
    optionCaption->labelfont(font);
    optionCaption->labelsize(layout::kFontPixels);
    optionCaption->OnPress([this, kind] { SelectMusicKind(kind); });
    optionCaptions_[static_cast<std::size_t>(kind)] = optionCaption;
  }

  const layout::Box repeat = layout::kRepeatBox;
  repeatBox_ = new RepeatBox(p.x + repeat.x, p.y + repeat.y, repeat.w, repeat.h);
  repeatBox_->SetTextFont(font, kRepeatBoxFontSize);
  PlaceLabel(p.x + layout::kRepeatLabel.x, p.y + layout::kRepeatLabel.y, layout::kRepeatLabel.h, kRepeatCaption,
             FL_BLACK);

  const layout::Box file = layout::kFileButton;
  fileButton_ = PlaceButton({p.x + file.x, p.y + file.y, file.w, file.h}, kFileButton);
  fileButton_->OnClick([this] { ChooseFile(); });

  const layout::Box path = layout::kPathLabel;
  pathLabel_ = new PathLabel(p.x + path.x, p.y + path.y, path.w, path.h);
  pathLabel_->labelfont(font);
  pathLabel_->labelsize(layout::kFontPixels);
  pathLabel_->labelcolor(FL_BLACK);
  panel->end();
}

void SettingsDialogWindow::BuildBottom(const LinkCursors& cursors) {
  PlaceLabel(layout::kCreditLine.x, layout::kCreditLine.y, layout::kCreditLine.h, kCreditLine, FL_WHITE);

  const Fl_Font font = platform::JapaneseUiFont();
  fl_font(font, layout::kFontPixels);
  link_ = new LinkLabel(layout::kLinkLabel.x, layout::kLinkLabel.y, static_cast<int>(fl_width(kProjectAddress)) + 1,
                        layout::kLinkLabel.h, kProjectAddress, cursors);
  link_->labelfont(font);
  link_->labelsize(layout::kFontPixels);
  link_->labelcolor(FL_WHITE);
  link_->OnClick([this] { OpenLink(); });

  setButton_ = PlaceButton(layout::kSetButton, kSetButton);
  setButton_->OnClick([this] { Save(); });
  cancelButton_ = PlaceButton(layout::kCancelButton, kCancelButton);
  cancelButton_->OnClick([this] { Close(); });
}

void SettingsDialogWindow::Load() {
  PlaceOnScreen();
  InitCommandButtons();
  ShowLook();
  repeatBox_->value(model_.InitialRepeatText().c_str());
  repeatBox_->SetEntries(RepeatBoxEntries());
  pathLabel_->SetPath(model_.FileLabel());
}

// Centred across the screen, the gap above half the gap below. The frame a
// window manager adds is not known before the window is shown, so the
// client area stands for the outer size.
void SettingsDialogWindow::PlaceOnScreen() {
  const int screenWidth = DisplayWidth(fl_display, fl_screen);
  const int screenHeight = DisplayHeight(fl_display, fl_screen);
  position((screenWidth - w()) / 2, (screenHeight - h()) / 3);
}

// Every Command button of the dialog, in the dialog's control order.
void SettingsDialogWindow::InitCommandButtons() {
  std::vector<Fl_Group*> groups{this};
  while (!groups.empty()) {
    Fl_Group* group = groups.back();
    groups.pop_back();
    for (int index = 0; index < group->children(); ++index) {
      Fl_Widget* child = group->child(index);
      if (auto* button = dynamic_cast<controls::CommandButtonWidget*>(child)) {
        button->Initialize();
      } else if (Fl_Group* inner = child->as_group(); inner != nullptr && child->as_window() == nullptr) {
        groups.push_back(inner);
      }
    }
  }
}

void SettingsDialogWindow::ShowLook() {
  const OptionLook look = model_.Look();
  for (std::size_t kind = 0; kind < optionPictures_.size(); ++kind)
    optionPictures_[kind]->image(look.selected[kind] ? &optionOn_ : &optionOff_);
  if (look.repeatBoxEnabled) repeatBox_->activate();
  else repeatBox_->deactivate();
  fileButton_->SetEnabled(look.fileButtonEnabled);
  redraw();
}

void SettingsDialogWindow::SelectMusicKind(int kind) {
  model_.SelectMusicKind(static_cast<std::int16_t>(kind));
  fileButton_->SetEnabled(false);
  repeatBox_->deactivate();
  ShowLook();
}

void SettingsDialogWindow::ChooseFile() {
  const std::optional<std::string> chosen = platform::ChooseFileToOpen(FileChooserRequest(model_));
  if (!chosen) return;
  model_.ChooseFile(*chosen);
  pathLabel_->SetPath(model_.FileLabel());
}

void SettingsDialogWindow::Save() {
  // The dialog closes either way; the user must not believe the settings kept.
  if (const std::optional<std::string> failure = SaveToSettingsFile(model_, repeatBox_->value(), context_.hostFolder)) {
    platform::ShowMessageBox(names::kApplicationTitle, *failure, platform::MessageBoxIcon::kError);
  }
  Close();
}

void SettingsDialogWindow::OpenLink() {
  link_->WithHourglass([this] {
    const platform::ProcessId handler = platform::OpenWithDefaultHandler(link_->label());
    if (handler != platform::kNoProcess) linkHandlers_.push_back(handler);
  });
}

// Before the dialog is shown, so the outline crosses nothing of ours. The
// frame a window manager adds is not known yet; the client area stands for
// the window's rectangle.
void SettingsDialogWindow::PlayOpeningZoom() {
  host::ZoomOpen(zoom_, {x(), y(), x() + w(), y() + h()}, context_);
}

void SettingsDialogWindow::ShowDialog() {
  show();
  AskForFixedDialogFrame(connection_, fl_xid(this));
}

// Form_Unload: every way of closing ends here, and the zoom runs back to the
// point saved at load, not to where the pointer is now.
void SettingsDialogWindow::Close() {
  if (closing_) return;
  closing_ = true;
  if (shown()) host::ZoomClose(zoom_, fl_xid(this), context_, [this] { RepaintAtOnce(); });
  hide();
}

// The whole dialog from its back buffer, and its buttons (windows of their
// own), without waiting for the event loop.
void SettingsDialogWindow::RepaintAtOnce() {
  damage(FL_DAMAGE_EXPOSE);
  for (controls::CommandButtonWidget* button : {fileButton_, setButton_, cancelButton_}) {
    button->damage(FL_DAMAGE_EXPOSE);
  }
  Fl::flush();
}

void SettingsDialogWindow::OnCloseRequest(Fl_Widget*, void* self) {
  // Escape closes an FLTK window by default; the dialog has no cancel key.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  static_cast<SettingsDialogWindow*>(self)->Close();
}

void SettingsDialogWindow::draw() {
  if ((damage() & ~FL_DAMAGE_CHILD) != 0) {
    for (int y = 0; y <= h(); ++y) {
      const Rgb row = GradientRowColour(y, h());
      fl_color(row.red, row.green, row.blue);
      fl_xyline(0, y, w());
    }
  }
  draw_children();
}

}  // namespace blazemere::dialog
