// The settings file Blazemere.ini beside the host: reading and writing one
// value, and turning the file into the host-wide settings at start-up.
#pragma once

#include <string>

#include "host/core/settings/host_settings.h"

namespace blazemere::host {

// host folder + "/Blazemere.ini": the name callers pass to the two routines
// below. Where the host folder cannot be written, the routines redirect to a
// per-user copy themselves.
[[nodiscard]] std::string SettingsFilePath(const std::string& hostFolder);

// The value, at most 255 bytes; empty when file, section or key is missing.
[[nodiscard]] std::string ReadIniString(const std::string& section, const std::string& key, const std::string& file);

// Writes value under key, creating file and section as needed; atomic.
// False when nothing was written (the file is then as it was).
[[nodiscard]] bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                                  const std::string& file);

// How a number is stored: one sign position in front, " 2" for 2, " 0" for
// 0, "-1" for -1.
[[nodiscard]] std::string StoredNumberText(int value);

// The three stored settings, what they mean, and the chooser's start folder.
[[nodiscard]] HostSettings LoadSettings(const std::string& hostFolder);

}  // namespace blazemere::host
