// The settings dialog's test fixture: see dialog_fixture.h.
#include "tests/dialog/dialog_fixture.h"

#include <X11/Xatom.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/resources/dialog/dialog_art.h"
#include "platform/files/files.h"

namespace blazemere::testing {

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path) { return platform::ReadWholeFile(path).value_or(""); }

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string IniBytes(const std::string& kind, const std::string& repeat, const std::string& file) {
  return "[Section]\nBGM区分=" + kind + "\nBGMﾘﾋﾟｰﾄ=" + repeat + "\nBGMﾌｧｲﾙ=" + file + "\n";
}

void SettingsDialogTest::SetUp() {
  ASSERT_TRUE(x_.ok()) << "needs DISPLAY";
  folder_ = MakeScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
  for (const char* program : {"Blazemere.scr", "Blazemere.dll"}) fs::copy_file(BinDir() + "/" + program, folder_ + "/" + program);
  for (const char* sub : {"/home", "/music"}) fs::create_directories(folder_ + sub);
}

void SettingsDialogTest::TearDown() {
  if (host_ && host_->IsRunning()) host_->Kill();
}

std::map<std::string, std::string> SettingsDialogTest::Environment() const {
  // GTK without a session bus: settings kept in memory, no accessibility bus.
  return {{"HOME", folder_ + "/home"}, {"XDG_DATA_HOME", folder_ + "/home/data"},
          {"XDG_CONFIG_HOME", folder_ + "/home/config"}, {"BLAZEMERE_GTK3_LIBRARY", gtk3Library_},
          {"GSETTINGS_BACKEND", "memory"}, {"NO_AT_BRIDGE", "1"}};
}

void SettingsDialogTest::StartHost() {
  host_ = std::make_unique<ChildProcess>(folder_ + "/Blazemere.scr", std::vector<std::string>{"/c"}, Environment());
}

void SettingsDialogTest::OpenDialog() {
  StartHost();
  window_ = x_.WaitForWindow(kDialogTitle, 10s);
  ASSERT_NE(window_, 0u) << host_->StandardError();
  // Painted once the gradient's middle row is there.
  ASSERT_TRUE(Eventually([this] {
    geometry_ = x_.Geometry(window_);
    return geometry_.width == 495 && x_.Capture(geometry_.x + 4, geometry_.y + 123, 1, 1).At(0, 0) == 0xDCDCFA;
  }, 10s)) << "the dialog was not painted";
}

WindowGeometry SettingsDialogTest::ExpectedDialogPlace() {
  Display* d = x_.display();
  return {(DisplayWidth(d, DefaultScreen(d)) - 495) / 2, (DisplayHeight(d, DefaultScreen(d)) - 246) / 3, 495, 246};
}

void SettingsDialogTest::MoveTo(Point at) {
  XDoTool({"mousemove", std::to_string(geometry_.x + at.x), std::to_string(geometry_.y + at.y)});
}

void SettingsDialogTest::Click(Point at, int button) {
  MoveTo(at);
  XDoTool({"click", std::to_string(button)});
  std::this_thread::sleep_for(150ms);
}

RgbImage SettingsDialogTest::CaptureDialog(int x, int y, int w, int h) {
  return x_.Capture(geometry_.x + x, geometry_.y + y, w, h);
}

void SettingsDialogTest::ExpectClosed() {
  EXPECT_TRUE(x_.WaitForNoWindow(kDialogTitle, 10s));
  EXPECT_EQ(host_->WaitForExit(10s), 0);
}

Window SettingsDialogTest::OpenChooser() {
  Click(kFileButton);
  const Window chooser = x_.WaitForWindow(kChooserTitle, 10s);
  if (chooser == 0) return 0;
  std::this_thread::sleep_for(300ms);
  const WindowGeometry g = x_.Geometry(chooser);
  XDoTool({"mousemove", std::to_string(g.x + g.width / 2), std::to_string(g.y + g.height - 10)});
  std::this_thread::sleep_for(100ms);
  return chooser;
}

void SettingsDialogTest::UseChooser(const std::string& name, const char* key) {
  ASSERT_NE(OpenChooser(), 0u);
  XDoTool({"type", name});
  XDoTool({"key", key});
  EXPECT_TRUE(x_.WaitForNoWindow(kChooserTitle, 10s));
}

std::vector<bool> SettingsDialogTest::SelectedOptions() {
  const RgbImage& on = resources::OptionSelected();
  const std::uint8_t* centre = on.pixels.data() + (6 * on.width + 6) * 3;
  const std::uint32_t blue = (std::uint32_t{centre[0]} << 16) | (centre[1] << 8) | centre[2];
  std::vector<bool> selected;
  for (const Point& p : kOptionPicture) selected.push_back(CaptureDialog(p.x, p.y, 1, 1).At(0, 0) == blue);
  return selected;
}

std::vector<Window> SettingsDialogTest::MappedTopWindows() {
  Display* d = x_.display();
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  std::vector<Window> mapped;
  if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count) == 0) return mapped;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(d, children[i], &attributes) != 0 && attributes.map_state == IsViewable)
      mapped.push_back(children[i]);
  }
  if (children != nullptr) XFree(children);
  return mapped;
}

std::vector<WindowGeometry> SettingsDialogTest::TopWindows() {
  std::vector<WindowGeometry> places;
  for (const Window window : MappedTopWindows()) places.push_back(x_.Geometry(window));
  return places;
}

int SettingsDialogTest::WindowsTitled(const std::string& title) {
  Display* d = x_.display();
  const Atom netWmName = XInternAtom(d, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  int found = 0;
  for (const Window window : MappedTopWindows()) {
    Atom type = None;
    int format = 0;
    unsigned long length = 0, remaining = 0;
    unsigned char* name = nullptr;
    if (XGetWindowProperty(d, window, netWmName, 0, 1024, False, utf8, &type, &format, &length, &remaining, &name) ==
            Success && name != nullptr) {
      if (std::string(reinterpret_cast<char*>(name), length) == title) ++found;
      XFree(name);
    }
  }
  return found;
}

}  // namespace blazemere::testing
