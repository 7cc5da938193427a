// The private profile functions: our own INI reader and writer over the file
// service, with the per-user copy for a settings file the user may not
// write. See ini_file.h and profile_paths.h.
#include "platform/ini/ini_file.h"

#include "common/text.h"
#include "platform/files/files.h"
#include "platform/ini/ini_document.h"
#include "platform/ini/profile_paths.h"
#include "platform/paths/native_path.h"

namespace blazemere::platform {

namespace {

// A settings file is a few hundred bytes; anything this large is not ours
// and is neither loaded nor rewritten.
constexpr std::size_t kLargestProfile = 4 * 1024 * 1024;

}  // namespace

ProfilePaths ChooseProfilePaths(const std::string& file, bool fileWritable, const std::string& perUserFile,
                                bool perUserExists) {
  if (fileWritable || perUserFile.empty()) return {file, file};
  return {perUserExists ? perUserFile : file, perUserFile};
}

ProfilePaths ResolveProfilePaths(const std::string& file) {
  const std::string perUser = PerUserProfilePath(file);
  return ChooseProfilePaths(file, CanReplaceFile(file), perUser, !perUser.empty() && PathExists(perUser));
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
  // Only a file that is surely not there may be started afresh; one we cannot
  // look at must not be replaced by a file holding just the new value.
  if (!IsSurelyMissing(paths.readFrom)) {
    std::optional<std::string> existing = ReadWholeFile(paths.readFrom, kLargestProfile);
    // A file we cannot read in full is never replaced by a shortened one.
    if (!existing) return false;
    bytes = std::move(*existing);
  }
  IniDocument document = IniDocument::Parse(bytes, NewProfileLineEnding());
  if (!document.SetValue(section, key, value)) return false;
  const std::string folder = NativeFolderOf(paths.writeTo);
  if (!folder.empty() && !CreateFolders(folder)) return false;
  return ReplaceFileAtomically(paths.writeTo, document.Serialize());
}

}  // namespace blazemere::platform
