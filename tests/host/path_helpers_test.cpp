// FileExists and FolderOf.
#include <gtest/gtest.h>

#include <fstream>

#include "host/core/startup/path_helpers.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::host {
namespace {

TEST(PathHelpers, FolderOf) {
  const std::pair<const char*, const char*> rows[] = {
      {"C:\\Music\\fire.mp3", "C:\\Music"}, {"C:fire.mp3", "C:"}, {"fire.mp3", ""},
      {"/home/u/fire.mp3", "/home/u"},      {"/fire.mp3", "/"},   {"a\\b/c", "a\\b"},
  };
  for (const auto& [path, folder] : rows) EXPECT_EQ(FolderOf(path), folder) << "path '" << path << "'";
}

TEST(PathHelpers, FileExists) {
  const std::string folder = testing::ScratchFolder("file-exists");
  std::ofstream(folder + "/song.mp3") << "x";
  const std::pair<std::string, bool> rows[] = {
      {folder + "/song.mp3", true}, {folder + "/song.mp3\\", true}, {folder + "/missing", false}, {folder, false}, {"", false},
  };
  for (const auto& [path, exists] : rows) EXPECT_EQ(FileExists(path), exists) << "path '" << path << "'";
}

}  // namespace
}  // namespace blazemere::host
