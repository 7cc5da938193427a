// The one rule for the folder part of a path, with the host's separators and
// with a POSIX file system's, and FileExists on top of the file service.
#include <gtest/gtest.h>

#include <fstream>

#include "common/path_text.h"
#include "host/core/startup/path_helpers.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere {
namespace {

TEST(PathText, FolderOf) {
  const std::pair<const char*, const char*> rows[] = {
      {"C:\\Music\\fire.mp3", "C:\\Music"}, {"C:fire.mp3", "C:"}, {"fire.mp3", ""},
      {"/home/u/fire.mp3", "/home/u"},      {"/fire.mp3", "/"},   {"a\\b/c", "a\\b"},
  };
  for (const auto& [path, folder] : rows) EXPECT_EQ(FolderOf(path), folder) << "path '" << path << "'";
}

// POSIX paths: a backslash or a colon is part of a name there.
TEST(PathText, PosixFolderAndName) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"/home/u/my\\dir/a:b.ini", "/home/u/my\\dir", "a:b.ini"},
      {"Blazemere.ini", "", "Blazemere.ini"},
      {"/Blazemere.ini", "/", "Blazemere.ini"},
      {"dir/", "dir", ""},
  };
  for (const auto& [path, folder, name] : rows) {
    EXPECT_EQ(FolderOf(path, kPosixPathSeparators), folder) << "path '" << path << "'";
    EXPECT_EQ(NameOf(path, kPosixPathSeparators), name) << "path '" << path << "'";
  }
}

TEST(PathText, FileExists) {
  const std::string folder = testing::ScratchFolder("file-exists");
  std::ofstream(folder + "/song.mp3") << "x";
  const std::pair<std::string, bool> rows[] = {
      {folder + "/song.mp3", true}, {folder + "/song.mp3\\", true}, {folder + "/missing", false}, {folder, false}, {"", false},
  };
  for (const auto& [path, exists] : rows) EXPECT_EQ(host::FileExists(path), exists) << "path '" << path << "'";
}

}  // namespace
}  // namespace blazemere
