// What the settings dialog shows and does, without any window: which music
// option is selected and which controls are enabled, the repeat box's text
// and entries, the path label, the file choice, and the three writes of the
// set button. The window shell only mirrors this onto its widgets.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/settings/host_settings.h"

namespace blazemere::dialog {

// Music kinds, which are also the indices of the option pictures and captions.
inline constexpr int kMusicKindCount = 3;

// One write to the settings file; the shell binds the file itself. False
// when the value was not stored.
using SettingWriter = std::function<bool(const std::string& section, const std::string& key, const std::string& value)>;

// Which controls the current music kind enables and which option is shown
// as selected. A kind outside 0 to 2 selects nothing and enables nothing.
struct OptionLook {
  std::array<bool, kMusicKindCount> selected{};
  bool repeatBoxEnabled = false;
  bool fileButtonEnabled = false;

  bool operator==(const OptionLook&) const = default;
};

// The 31 entries of the repeat box: 0 to 30 under "##", so the first is empty.
[[nodiscard]] std::vector<std::string> RepeatBoxEntries();

class SettingsDialogModel {
 public:
  // Edits `settings` in place: the host-wide values the dialog shows.
  explicit SettingsDialogModel(host::HostSettings& settings) : settings_(settings) {}

  OptionLook Look() const;
  // The repeat box's text when the dialog loads.
  std::string InitialRepeatText() const;
  // The path label's caption.
  const std::string& FileLabel() const { return settings_.bgmFile; }
  // Where the file chooser starts.
  const std::string& ChooserFolder() const { return settings_.bgmFolder; }

  // Any mouse button down on option picture or caption `index`.
  void SelectMusicKind(std::int16_t index);
  // The chooser returned a full path.
  void ChooseFile(const std::string& path);
  // The set button: kind, repeat track (from the box's text, enabled or
  // not) and file, in this order. A failed write does not stop the ones
  // after it; false when any of the three failed.
  [[nodiscard]] bool Save(const std::string& repeatBoxText, const SettingWriter& write);

 private:
  host::HostSettings& settings_;
};

}  // namespace blazemere::dialog
