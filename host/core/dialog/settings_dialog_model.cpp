// The settings dialog without its window: see settings_dialog_model.h.
#include "host/core/dialog/settings_dialog_model.h"

#include "common/names.h"
#include "common/path_text.h"
#include "host/core/dialog/dialog_number_text.h"
#include "host/core/settings/settings_file.h"

namespace blazemere::dialog {

std::vector<std::string> RepeatBoxEntries() {
  std::vector<std::string> entries;
  for (int track = 0; track <= 30; ++track) entries.push_back(FormatHashPattern(track));
  return entries;
}

OptionLook SettingsDialogModel::Look() const {
  OptionLook look;
  const int kind = static_cast<int>(settings_.bgmMode);
  if (kind >= 0 && kind < kMusicKindCount) look.selected[static_cast<std::size_t>(kind)] = true;
  look.repeatBoxEnabled = settings_.bgmMode == host::MusicKind::kAudioCd;
  look.fileButtonEnabled = settings_.bgmMode == host::MusicKind::kMusicFile;
  return look;
}

std::string SettingsDialogModel::InitialRepeatText() const { return FormatHashPattern(settings_.bgmRepeat); }

void SettingsDialogModel::SelectMusicKind(std::int16_t index) {
  settings_.bgmMode = static_cast<host::MusicKind>(index);
}

void SettingsDialogModel::ChooseFile(const std::string& path) {
  settings_.bgmFile = path;
  settings_.bgmFolder = FolderOf(path);
  settings_.bgmFileKind = host::MusicFileKindOf(path);
}

bool SettingsDialogModel::Save(const std::string& repeatBoxText, const SettingWriter& write) {
  using host::StoredNumberText;
  bool stored = write(names::kSettingsSection, names::kKeyBgmMode,
                      StoredNumberText(static_cast<std::int16_t>(settings_.bgmMode)));
  settings_.bgmRepeat = RepeatTrackFromText(repeatBoxText);
  stored = write(names::kSettingsSection, names::kKeyBgmRepeat, StoredNumberText(settings_.bgmRepeat)) && stored;
  stored = write(names::kSettingsSection, names::kKeyBgmFile, settings_.bgmFile) && stored;
  return stored;
}

}  // namespace blazemere::dialog
