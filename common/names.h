// The names both programs and every part of the host agree on, written once:
// window titles that cross between processes, file names, the fixed palette
// path, the settings file's section and keys, the application's title.
#pragma once

namespace blazemere::names {

// Window titles. The renderer's window tells the host that the saver runs;
// the saver window and the settings dialog tell a second host to end.
inline constexpr const char* kRendererWindowTitle = "Blazemere_VC";
inline constexpr const char* kSaverWindowTitle = "Blazemere_Main";
inline constexpr const char* kSettingsDialogTitle = "<Blazemere>";
inline constexpr const char* kPreviewWindowTitle = "Preview Window";
// The renderer's window inside another program's window (XScreenSaver's).
// Not "Blazemere_VC": a saver run looks for that title on the whole display,
// and would take a fire burning in a settings panel's preview for its own
// renderer and never end.
inline constexpr const char* kEmbeddedRendererWindowTitle = "Blazemere_VC (embedded)";

// The programs and the settings file, all in the host folder.
inline constexpr const char* kRendererFileName = "Blazemere.dll";
inline constexpr const char* kHostFileName = "Blazemere.scr";
inline constexpr const char* kSettingsFileName = "Blazemere.ini";

// The palette image the host writes and the renderer reads, and its folder;
// fixed Windows paths, mapped to a per-user place on other systems.
inline constexpr const char* kPaletteFolder = "C:\\k_vorn";
inline constexpr const char* kPaletteImagePath = "C:\\k_vorn\\Blazemere.bmp";
// The renderer's own spelling of the same file (Windows file names ignore
// case); its open-failure message shows the path as spelt here.
inline constexpr const char* kRendererPaletteImagePath = "c:\\k_vorn\\Blazemere.bmp";

// The caption of the host's message boxes.
inline constexpr const char* kApplicationTitle = "Blazemere (ScreenSaver)";

// The settings file's one section and its three keys.
inline constexpr const char* kSettingsSection = "Section";
inline constexpr const char* kKeyBgmMode = "BGM区分";
inline constexpr const char* kKeyBgmRepeat = "BGMﾘﾋﾟｰﾄ";
inline constexpr const char* kKeyBgmFile = "BGMﾌｧｲﾙ";

}  // namespace blazemere::names
