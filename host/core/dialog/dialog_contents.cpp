// The settings dialog's contents: see dialog_contents.h.
#include "host/core/dialog/dialog_contents.h"

#include "host/core/settings/settings_file.h"
#include "platform/ini/ini_file.h"

namespace blazemere::dialog {

static_assert(kChooserBufferChars - 1 <= platform::kProfileValueLimit);

controls::StoredProperties ButtonStoredProperties(const PlacedButton& button) {
  controls::StoredProperties stored;
  stored.Set("_extentx", std::int64_t{button.extentX});
  stored.Set("_extenty", std::int64_t{button.extentY});
  stored.Set("caption", std::string(button.caption));
  stored.Set("font", controls::CaptionFont{});
  return stored;
}

platform::OpenFileRequest FileChooserRequest(const SettingsDialogModel& model) {
  return {"ﾌｧｲﾙを開く", "BGMﾌｧｲﾙ (MP3 WAV)", "*.MP3;*.WAV", model.ChooserFolder(), kChooserBufferChars - 1};
}

std::optional<std::string> SaveToSettingsFile(SettingsDialogModel& model, const std::string& repeatText,
                                              const std::string& hostFolder) {
  const std::string file = host::SettingsFilePath(hostFolder);
  const bool saved =
      model.Save(repeatText, [&file](const std::string& section, const std::string& key, const std::string& value) {
        return host::WriteIniString(section, key, value, file);
      });
  if (saved) return std::nullopt;
  return "設定を保存できませんでした。\n" + platform::ResolveProfilePaths(file).writeTo;
}

}  // namespace blazemere::dialog
