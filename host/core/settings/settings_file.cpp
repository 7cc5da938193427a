// The settings file Blazemere.ini: see settings_file.h.
#include "host/core/settings/settings_file.h"

#include "common/names.h"
#include "common/number_text.h"
#include "common/path_text.h"
#include "common/text.h"
#include "host/core/startup/path_helpers.h"
#include "platform/ini/ini_file.h"

namespace blazemere::host {

namespace {

// Section and key names travel in fixed 128-character buffers.
constexpr std::size_t kNameLimit = 128;

// An empty value is 0; one that is no number or does not fit leaves the
// setting at `fallback`.
std::int16_t StoredNumberOr(const std::string& text, std::int16_t fallback) {
  if (text.empty()) return 0;
  return ReadInt16(text, Rounding::kDown).value_or(fallback);
}

}  // namespace

std::string SettingsFilePath(const std::string& hostFolder) {
  return hostFolder + "/" + names::kSettingsFileName;
}

std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file) {
  return platform::ReadProfileString(section, key, file);
}

bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) {
  return platform::WriteProfileString(std::string(CutUtf8(section, kNameLimit)), std::string(CutUtf8(key, kNameLimit)),
                                      value, file);
}

std::string StoredNumberText(int value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

HostSettings LoadSettings(const std::string& hostFolder) {
  const std::string file = SettingsFilePath(hostFolder);
  HostSettings settings;
  const std::string mode = ReadIniString(names::kSettingsSection, names::kKeyBgmMode, file);
  settings.bgmMode = static_cast<MusicKind>(StoredNumberOr(mode, static_cast<std::int16_t>(settings.bgmMode)));
  settings.bgmRepeat =
      StoredNumberOr(ReadIniString(names::kSettingsSection, names::kKeyBgmRepeat, file), settings.bgmRepeat);
  settings.bgmFile = ReadIniString(names::kSettingsSection, names::kKeyBgmFile, file);
  if (!settings.bgmFile.empty() && !FileExists(settings.bgmFile)) settings.bgmFile.clear();
  if (settings.bgmFile.empty() && settings.bgmMode == MusicKind::kMusicFile) settings.bgmMode = MusicKind::kNone;
  settings.bgmFolder = settings.bgmFile.empty() ? hostFolder : FolderOf(settings.bgmFile);
  settings.bgmFileKind = MusicFileKindOf(settings.bgmFile);
  return settings;
}

}  // namespace blazemere::host
