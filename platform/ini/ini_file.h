// GetPrivateProfileStringA / WritePrivateProfileStringA: one value read from
// or written to an INI file on disk. Writes replace the file atomically. A
// file in a folder the user cannot write (an installed copy) is redirected
// to a per-user copy, as Windows does for old programs in protected folders.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace blazemere::platform {

// Reads never return more than this many bytes (a cut never splits a UTF-8
// character, so a cut value can be a few bytes shorter).
inline constexpr std::size_t kProfileValueLimit = 255;

// The value of key in section, or empty text when file, section or key is
// missing or unreadable.
[[nodiscard]] std::string ReadProfileString(const std::string& section, const std::string& key,
                                            const std::string& file);

// False when the value was not stored, whatever the cause (a file that
// cannot be read in full or is no regular file, a folder that cannot be
// written, a full disk, a file-size limit, a name that would break the
// file); the file on disk is then unchanged and nothing is left beside it.
[[nodiscard]] bool WriteProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& file);

// How the lines of a file that the layer creates end: the system's own way
// (CR LF on Windows, as its profile functions write them).
[[nodiscard]] std::string_view NewProfileLineEnding();

// Where reads and writes of `file` go.
struct ProfilePaths {
  std::string readFrom;  // the file whose content is read (and that a first write starts from)
  std::string writeTo;
};

// Where reads and writes of `file` go now, on this system.
[[nodiscard]] ProfilePaths ResolveProfilePaths(const std::string& file);

}  // namespace blazemere::platform
