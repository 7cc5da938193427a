// The settings dialog as a user meets it: the real Blazemere.scr started with
// /c from a scratch folder beside its renderer and settings file, driven with
// xdotool, checked by its pixels and by the bytes it leaves in Blazemere.ini.
// Shared by the dialog's real-window tests.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {

using namespace std::chrono_literals;

inline constexpr const char* kDialogTitle = "<Blazemere>";
inline constexpr const char* kChooserTitle = "ﾌｧｲﾙを開く";
inline constexpr int kPanelX = 12;
inline constexpr int kPanelY = 16;

struct Point { int x, y; };
// Places in dialog coordinates; index = music kind (none, CD, file).
inline constexpr Point kOptionPicture[3] = {{kPanelX + 34, kPanelY + 82}, {kPanelX + 34, kPanelY + 62}, {kPanelX + 34, kPanelY + 102}};
inline constexpr Point kOptionCaption[3] = {{kPanelX + 52, kPanelY + 82}, {kPanelX + 56, kPanelY + 62}, {kPanelX + 60, kPanelY + 102}};
inline constexpr Point kRepeatInput{kPanelX + 120, kPanelY + 62};
inline constexpr Point kFileButton{kPanelX + 48, kPanelY + 124};
inline constexpr Point kSetButton{356, 212};
inline constexpr Point kCancelButton{440, 212};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
std::string IniBytes(const std::string& kind, const std::string& repeat, const std::string& file);
// Dark pixels: glyphs and frames, not the fields' white nor the panel.
inline bool IsDark(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) < 0x80 && ((rgb >> 8) & 0xFF) < 0x80 && (rgb & 0xFF) < 0x80; }

// True once `condition` holds; the dialog repaints a moment after a click.
template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds timeout = 5s) {
  for (const auto deadline = std::chrono::steady_clock::now() + timeout; !condition(); std::this_thread::sleep_for(20ms))
    if (std::chrono::steady_clock::now() > deadline) return false;
  return true;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string IniPath() const { return folder_ + "/Blazemere.ini"; }
  std::map<std::string, std::string> Environment() const;

  // Starts /c and waits until the dialog stands painted on the screen.
  void OpenDialog();
  // Starts /c without waiting.
  void StartHost();
  // Where the dialog stands once open, from the screen's size.
  WindowGeometry ExpectedDialogPlace();

  void Click(Point at, int button = 1);
  // What a window manager sends when the user presses the close box.
  void PressCloseBox();
  RgbImage CaptureDialog(int x, int y, int w, int h);
  // The dialog has gone and the host has ended normally.
  void ExpectClosed();
  // Opens the file chooser and returns it with the pointer resting on it (no
  // window manager gives it the focus).
  Window OpenChooser();
  // Mapped top-level windows; a text property's first string ("" if none);
  // how many of the windows carry a title (_NET_WM_NAME).
  std::vector<Window> MappedTopWindows();
  std::string TextProperty(Window window, const char* name);
  int WindowsTitled(const std::string& title);

  XSession x_;
  std::string folder_;
  // The GTK library the host loads for the desktop's chooser; a missing one
  // (the default here) leaves our own chooser, "" the desktop's.
  std::string gtk3Library_ = "/nonexistent/libgtk-3.so.0";
  std::unique_ptr<ChildProcess> host_;
  Window window_ = 0;
  WindowGeometry geometry_;
};

}  // namespace blazemere::testing
