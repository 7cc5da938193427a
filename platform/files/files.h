// Replacing a file so that readers see the old or the new content, never a
// half-written one, even if we crash or the power fails mid-write.
#pragma once

#include <optional>
#include <string>

namespace blazemere::platform {

// The whole file, or nullopt when it is missing, unreadable, not a regular
// file or larger than `limit` bytes. Never waits: a named pipe or a device
// at `path` is simply not a regular file.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit);

// Writes to a temporary file beside `path`, flushes it to disk and renames it
// over `path`, keeping the old file's permissions. False, with `path`
// untouched, on any failure.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// A write past the file-size limit (ulimit -f) then fails with EFBIG, as a
// full disk fails, instead of killing the process with SIGXFSZ halfway
// through: the writer can remove its temporary file and the program goes
// on. Both programs call it once at start.
void IgnoreFileSizeLimitSignal();

// The folder holding `path`: "." for a bare name, "/" for a file in the root.
std::string FolderPart(const std::string& path);

// mkdir -p; true when the folder exists afterwards.
bool CreateFolders(const std::string& folder);

}  // namespace blazemere::platform
