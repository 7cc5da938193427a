// The settings file Blazemere.ini: see settings_file.h.
#include "host/core/settings/settings_file.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "host/core/startup/path_helpers.h"
#include "platform/ini/ini_encoding.h"
#include "platform/ini/ini_file.h"

namespace blazemere::host {

namespace {

// Section and key names travel in fixed 128-character buffers.
constexpr std::size_t kNameLimit = 128;

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Plain decimal text only: sign, digits, point, digits, exponent.
bool LooksNumeric(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

std::int16_t StoredNumberOr(const std::string& text, std::int16_t fallback) {
  if (text.empty()) return 0;
  return ParseStoredNumber(text).value_or(fallback);
}

}  // namespace

std::optional<std::int16_t> ParseStoredNumber(const std::string& text) {
  std::string_view number = TrimBlanks(text);
  if (!LooksNumeric(number)) return std::nullopt;
  if (number.starts_with('+')) number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  const double whole = std::floor(value);
  if (!(whole >= -32768.0 && whole <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

std::string SettingsFilePath(const std::string& hostFolder) { return hostFolder + "/Blazemere.ini"; }

std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file) {
  return platform::ReadProfileString(section, key, file);
}

bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) {
  return platform::WriteProfileString(std::string(platform::CutUtf8(section, kNameLimit)),
                                      std::string(platform::CutUtf8(key, kNameLimit)), value, file);
}

HostSettings LoadSettings(const std::string& hostFolder) {
  const std::string file = SettingsFilePath(hostFolder);
  HostSettings settings;
  settings.bgmMode = StoredNumberOr(ReadIniString(kSettingsSection, kKeyBgmMode, file), settings.bgmMode);
  settings.bgmRepeat = StoredNumberOr(ReadIniString(kSettingsSection, kKeyBgmRepeat, file), settings.bgmRepeat);
  settings.bgmFile = ReadIniString(kSettingsSection, kKeyBgmFile, file);
  if (!settings.bgmFile.empty() && !FileExists(settings.bgmFile)) settings.bgmFile.clear();
  if (settings.bgmFile.empty() && settings.bgmMode == 2) settings.bgmMode = 0;
  settings.bgmFolder = settings.bgmFile.empty() ? hostFolder : FolderOf(settings.bgmFile);
  return settings;
}

}  // namespace blazemere::host
