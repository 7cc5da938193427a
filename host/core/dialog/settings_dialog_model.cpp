// The settings dialog without its window: see settings_dialog_model.h.
#include "host/core/dialog/settings_dialog_model.h"

#include "host/core/dialog/dialog_number_text.h"
#include "host/core/startup/path_helpers.h"
#include "host/core/settings/settings_file.h"

namespace blazemere::dialog {

std::vector<std::string> RepeatBoxEntries() {
  std::vector<std::string> entries;
  for (int track = 0; track <= 30; ++track) entries.push_back(FormatHashPattern(track));
  return entries;
}

OptionLook SettingsDialogModel::Look() const {
  OptionLook look;
  const int kind = settings_.bgmMode;
  if (kind >= 0 && kind < kMusicKindCount) look.selected[static_cast<std::size_t>(kind)] = true;
  look.repeatBoxEnabled = kind == 1;
  look.fileButtonEnabled = kind == 2;
  return look;
}

std::string SettingsDialogModel::InitialRepeatText() const { return FormatHashPattern(settings_.bgmRepeat); }

void SettingsDialogModel::SelectMusicKind(std::int16_t index) { settings_.bgmMode = index; }

void SettingsDialogModel::ChooseFile(const std::string& path) {
  settings_.bgmFile = path;
  settings_.bgmFolder = host::FolderOf(path);
}

bool SettingsDialogModel::Save(const std::string& repeatBoxText, const SettingWriter& write) {
  bool stored = write(host::kSettingsSection, host::kKeyBgmMode, FormatWithSignPosition(settings_.bgmMode));
  settings_.bgmRepeat = RepeatTrackFromText(repeatBoxText);
  stored = write(host::kSettingsSection, host::kKeyBgmRepeat, FormatWithSignPosition(settings_.bgmRepeat)) && stored;
  stored = write(host::kSettingsSection, host::kKeyBgmFile, settings_.bgmFile) && stored;
  return stored;
}

}  // namespace blazemere::dialog
