// The file service: whole-file reads, replacing a file so that readers see
// the old or the new content (never a half-written one, even if we crash or
// the power fails mid-write), folders, and the questions the settings and the
// start-up ask about a path. Nothing here ever waits on a named pipe.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>

namespace blazemere::platform {

// The whole file, or nullopt when it is missing, unreadable, not a regular
// file or larger than `limit` bytes. Never waits: a named pipe or a device
// at `path` is simply not a regular file.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path,
                                                       std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path`, keeping the old file's permissions. False, with `path`
// untouched and nothing left beside it, on any failure.
[[nodiscard]] bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// A write past the file-size limit (ulimit -f) then fails with EFBIG, as a
// full disk fails, instead of killing the process with SIGXFSZ halfway
// through: the writer can remove its temporary file and the program goes
// on. Both programs call it once at start. (Windows has no such signal.)
void IgnoreFileSizeLimitSignal();

// Standard output passes bytes through unchanged: a program that writes
// binary data there (a picture) must not have "\n" turned into "\r\n", as
// Windows' text mode does. False when the mode cannot be set.
[[nodiscard]] bool MakeStandardOutputBinary();

// mkdir -p; true when the folder exists afterwards.
[[nodiscard]] bool CreateFolders(const std::string& folder);

// True when `path` opens for reading and is no folder.
[[nodiscard]] bool OpensAsFile(const std::string& path);

// True when something (a file, a folder, anything) is at `path`.
[[nodiscard]] bool PathExists(const std::string& path);

// True only when `path` is known not to exist; false when it exists and
// when it cannot be looked at (a folder on the way that cannot be entered).
[[nodiscard]] bool IsSurelyMissing(const std::string& path);

// True when `file` could be replaced: its folder takes new files and the
// file, if it is there, may be written.
[[nodiscard]] bool CanReplaceFile(const std::string& file);

}  // namespace blazemere::platform
