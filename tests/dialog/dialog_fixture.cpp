// The settings dialog's test fixture: see dialog_fixture.h.
#include "tests/dialog/dialog_fixture.h"

#include <filesystem>
#include <fstream>

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

void SettingsDialogTest::Click(Point at, int button) {
  XDoTool({"mousemove", std::to_string(geometry_.x + at.x), std::to_string(geometry_.y + at.y)});
  XDoTool({"click", std::to_string(button)});
  std::this_thread::sleep_for(150ms);
}

void SettingsDialogTest::PressCloseBox() {
  Display* d = x_.display();
  XEvent event{};
  event.xclient = {ClientMessage, 0, False, d, window_, XInternAtom(d, "WM_PROTOCOLS", False), 32, {}};
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  XSendEvent(d, window_, False, NoEventMask, &event);
  XFlush(d);
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

std::string SettingsDialogTest::TextProperty(Window window, const char* name) {
  Display* d = x_.display();
  Atom type = None;
  int format = 0;
  unsigned long length = 0, remaining = 0;
  unsigned char* value = nullptr;
  if (XGetWindowProperty(d, window, XInternAtom(d, name, False), 0, 1024, False, AnyPropertyType, &type, &format,
                         &length, &remaining, &value) != Success || value == nullptr)
    return "";
  std::string text(reinterpret_cast<char*>(value));
  XFree(value);
  return text;
}

int SettingsDialogTest::WindowsTitled(const std::string& title) {
  int found = 0;
  for (const Window window : MappedTopWindows()) found += TextProperty(window, "_NET_WM_NAME") == title ? 1 : 0;
  return found;
}

}  // namespace blazemere::testing
