// The settings file Blazemere.ini beside the host: reading and writing one
// value, and turning the file into the host-wide settings at start-up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/core/startup/host_context.h"

namespace blazemere::host {

// The file's one section and its three keys.
inline constexpr const char* kSettingsSection = "Section";
inline constexpr const char* kKeyBgmMode = "BGM区分";
inline constexpr const char* kKeyBgmRepeat = "BGMﾘﾋﾟｰﾄ";
inline constexpr const char* kKeyBgmFile = "BGMﾌｧｲﾙ";

// The whole part (towards minus infinity) of the number that `text` holds,
// blanks around it ignored; nullopt for text that is no number or a number
// outside the signed 16-bit range.
std::optional<std::int16_t> ParseStoredNumber(const std::string& text);

// host folder + "/Blazemere.ini": the name callers pass to the two routines
// below. Where the host folder cannot be written, the routines redirect to a
// per-user copy themselves.
std::string SettingsFilePath(const std::string& hostFolder);

// The value, at most 255 bytes; empty when file, section or key is missing.
std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file);

// Writes value under key, creating file and section as needed; atomic.
// False when nothing was written (the file is then as it was).
[[nodiscard]] bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                                  const std::string& file);

// The three stored settings and the chooser's start folder.
HostSettings LoadSettings(const std::string& hostFolder);

}  // namespace blazemere::host
