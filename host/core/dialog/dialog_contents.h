// What the settings dialog holds on every desktop: its texts, the stored
// values its three Command buttons are restored from, the file chooser's
// request, and the save into the settings file with the message a failed
// save shows. The window shells place these; they do not spell them again.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "host/core/controls/stored_properties.h"
#include "host/core/dialog/settings_dialog_model.h"
#include "platform/file_dialog/file_dialog.h"

namespace blazemere::dialog {

inline constexpr const char* kCreditLine = "Blazemere fire screen saver  Ver.1.0.0";
inline constexpr const char* kProjectAddress = "https://blazemere.example.org/";
inline constexpr const char* kHeaderCaption = "BGM";
inline constexpr const char* kRepeatCaption = "曲目をﾘﾋﾟｰﾄ";
// By music kind, as the option pictures.
inline constexpr std::array<const char*, kMusicKindCount> kOptionCaptions = {"なし", "音楽CD", "MP3、WAV"};

// The chooser's name buffer holds 255 characters with the closing NUL: a path
// of at most 254 bytes, which the settings file (values up to 255 bytes)
// always gives back whole.
inline constexpr std::size_t kChooserBufferChars = 255;

// A placed Command button: its caption and its size as the form stores it,
// in hundredths of a millimetre.
struct PlacedButton {
  const char* caption;
  int extentX;
  int extentY;
};
inline constexpr PlacedButton kFileButton{"...", 1085, 661};
inline constexpr PlacedButton kSetButton{"設定", 2143, 661};
inline constexpr PlacedButton kCancelButton{"ｷｬﾝｾﾙ", 2143, 661};

// The stored values the form restores a placed button from: size, caption
// and the form's font, all under lower-case keys.
[[nodiscard]] controls::StoredProperties ButtonStoredProperties(const PlacedButton& button);

// The file chooser as the file button opens it, starting where the model says.
[[nodiscard]] platform::OpenFileRequest FileChooserRequest(const SettingsDialogModel& model);

// The set button's three writes into the settings file in `hostFolder`.
// Nothing when all were stored; else the message to show the user, naming the
// file that could not be written.
[[nodiscard]] std::optional<std::string> SaveToSettingsFile(SettingsDialogModel& model, const std::string& repeatText,
                                                            const std::string& hostFolder);

}  // namespace blazemere::dialog
