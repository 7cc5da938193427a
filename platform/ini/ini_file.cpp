// Private profile functions on files: see ini_file.h.
#include "platform/ini/ini_file.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/files.h"
#include "platform/paths/home_folder.h"
#include "platform/ini/ini_document.h"

namespace blazemere::platform {

namespace {

// A settings file is a few hundred bytes; anything this large is not ours
// and is neither loaded nor rewritten.
constexpr std::size_t kLargestProfile = 4 * 1024 * 1024;

std::string NamePart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

// Only a file that is surely not there may be started afresh; one we cannot
// look at must not be replaced by a file holding just the new value.
bool SurelyMissing(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool CanWrite(const std::string& file) {
  if (access(FolderPart(file).c_str(), W_OK) != 0) return false;
  return !Exists(file) || access(file.c_str(), W_OK) == 0;
}

}  // namespace

ProfilePaths ChooseProfilePaths(const std::string& file, bool fileWritable, const std::string& perUserFile,
                                bool perUserExists) {
  if (fileWritable || perUserFile.empty()) return {file, file};
  return {perUserExists ? perUserFile : file, perUserFile};
}

std::string PerUserProfilePath(const std::string& file, const char* xdgConfigHome, const std::string& home) {
  std::string base;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    base = xdgConfigHome;
  } else if (home.starts_with('/')) {
    base = home + "/.config";
  } else {
    return {};
  }
  return base + "/blazemere/" + NamePart(file);
}

ProfilePaths ResolveProfilePaths(const std::string& file) {
  const std::string perUser = PerUserProfilePath(file, std::getenv("XDG_CONFIG_HOME"), HomeFolder());
  return ChooseProfilePaths(file, CanWrite(file), perUser, !perUser.empty() && Exists(perUser));
}

std::string ReadProfileString(const std::string& section, const std::string& key, const std::string& file) {
  const std::optional<std::string> bytes = ReadWholeFile(ResolveProfilePaths(file).readFrom, kLargestProfile);
  if (!bytes) return {};
  const std::optional<std::string> value = IniDocument::Parse(*bytes).Value(section, key);
  if (!value) return {};
  return std::string(CutUtf8(*value, kProfileValueLimit));
}

bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& file) {
  const ProfilePaths paths = ResolveProfilePaths(file);
  std::string bytes;
  if (!SurelyMissing(paths.readFrom)) {
    std::optional<std::string> existing = ReadWholeFile(paths.readFrom, kLargestProfile);
    // A file we cannot read in full is never replaced by a shortened one.
    if (!existing) return false;
    bytes = std::move(*existing);
  }
  IniDocument document = IniDocument::Parse(bytes);
  if (!document.SetValue(section, key, value)) return false;
  if (!CreateFolders(FolderPart(paths.writeTo))) return false;
  return ReplaceFileAtomically(paths.writeTo, document.Serialize());
}

}  // namespace blazemere::platform
