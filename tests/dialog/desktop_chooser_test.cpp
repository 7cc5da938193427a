// The settings' file button with GTK 3 installed: the desktop's own chooser
// opens where GTK can be loaded and our own where it cannot; what the
// desktop's chooser answers goes through the same checks as ours.
#include <filesystem>

#include "host/core/settings/settings_file.h"
#include "tests/dialog/dialog_fixture.h"

namespace blazemere::testing {
namespace {

namespace fs = std::filesystem;
using DesktopChooserTest = SettingsDialogTest;

// The chooser the file button opens, told apart by what each toolkit names
// its windows: GTK gives its chooser a role, FLTK its windows a class. Under
// either chooser the settings ignore their close box until it has gone.
TEST_F(DesktopChooserTest, GtkChooserWhereGtkLoadsOursWhereNot) {
  const struct { const char* library; const char* property; const char* value; } rows[] = {
      {"", "WM_WINDOW_ROLE", "GtkFileChooserDialog"},
      {"/nonexistent/libgtk-3.so.0", "WM_CLASS", "FLTK"},
      {"libm.so.6", "WM_CLASS", "FLTK"},  // loads, but is no GTK
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.library);
    gtk3Library_ = row.library;
    // The file button is there for a saved music file only.
    WriteFile(folder_ + "/music/a.mp3", "ID3");
    WriteFile(IniPath(), IniBytes(" 2", " 0", folder_ + "/music/a.mp3"));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    const Window chooser = OpenChooser();
    ASSERT_NE(chooser, 0u) << host_->StandardError();
    EXPECT_EQ(TextProperty(chooser, row.property), row.value);
    PressCloseBox();
    std::this_thread::sleep_for(500ms);
    XDoTool({"key", "Escape"});
    ASSERT_TRUE(x_.WaitForNoWindow(kChooserTitle, 10s));
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(x_.Exists(kDialogTitle)) << "the close box reached the settings under the chooser";
    Click(kCancelButton);
    ExpectClosed();
  }
}

// What the user does in GTK's chooser, and what 設定 then saves. GTK's
// location field (ctrl+l) takes a name in the folder shown; typed slowly,
// as its completion would swallow a fast typist's letters.
TEST_F(DesktopChooserTest, ChoiceGoesThroughTheSettingsChecks) {
  gtk3Library_ = "";
  const std::string music = folder_ + "/music", before = music + "/before.mp3", wav = music + "/火.WAV";
  // 254 bytes is the longest path the settings take.
  const std::string tooLong = music + "/" + std::string(255 - music.size() - 5, 'a') + ".mp3";
  for (const std::string& file : {before, wav, tooLong}) WriteFile(file, "RIFF");
  const struct { const char* what; std::string typed; bool refused; std::string saved; } rows[] = {
      {"an MP3 or WAV, any case and character", "火.WAV", false, wav},
      {"cancelled", "", false, before},
      {"a path longer than the settings take", fs::path(tooLong).filename(), true, before},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    WriteFile(IniPath(), IniBytes(" 2", " 0", before));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_NE(OpenChooser(), 0u) << host_->StandardError();
    if (!row.typed.empty()) {
      XDoTool({"key", "ctrl+l"});
      std::this_thread::sleep_for(300ms);
      XDoTool({"type", "--delay", "60", row.typed});
      std::this_thread::sleep_for(300ms);
      XDoTool({"key", "Return"});
    } else {
      XDoTool({"key", "Escape"});
    }
    if (row.refused) {
      // The message stands over the chooser, which stays for another choice.
      // Keys go where the pointer is, there being no window manager to
      // give the message the focus.
      Window message = 0;
      ASSERT_TRUE(Eventually([&] {
        for (const Window w : MappedTopWindows())
          if (TextProperty(w, "WM_CLASS") == "FLTK" && TextProperty(w, "_NET_WM_NAME") == kChooserTitle) message = w;
        return message != 0;
      })) << "no message over the chooser";
      const WindowGeometry g = x_.Geometry(message);
      XDoTool({"mousemove", std::to_string(g.x + g.width / 2), std::to_string(g.y + 10)});
      XDoTool({"key", "Return"});
      ASSERT_TRUE(Eventually([this] { return WindowsTitled(kChooserTitle) == 1; })) << "the chooser went";
      // The first Escape leaves GTK's location field, the second the chooser.
      for (int i = 0; i < 2 && x_.Exists(kChooserTitle); ++i) {
        XDoTool({"key", "Escape"});
        x_.WaitForNoWindow(kChooserTitle, 1s);
      }
    }
    ASSERT_TRUE(x_.WaitForNoWindow(kChooserTitle, 10s));
    Click(kSetButton);
    ExpectClosed();
    EXPECT_EQ(host::LoadSettings(folder_).bgmFile, row.saved);
  }
}

}  // namespace
}  // namespace blazemere::testing
