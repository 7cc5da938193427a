// FileExists and FolderOf.
#include <gtest/gtest.h>

#include <fstream>

#include "host/path_helpers.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::host {
namespace {

TEST(PathHelpers, FolderOf) {
  struct Row {
    const char* path;
    const char* folder;
  };
  const Row rows[] = {
      {"C:\\Music\\fire.mp3", "C:\\Music"}, {"C:\\fire.mp3", "C:"}, {"fire.mp3", ""},
      {"C:fire.mp3", "C:"},                 {"/home/u/fire.mp3", "/home/u"}, {"/fire.mp3", "/"},
      {"", ""},                             {"dir/", "dir"},        {"a\\b/c", "a\\b"},
  };
  for (const Row& row : rows) EXPECT_EQ(FolderOf(row.path), row.folder) << "path '" << row.path << "'";
}

TEST(PathHelpers, FileExists) {
  const std::string folder = testing::ScratchFolder("file-exists");
  std::ofstream(folder + "/song.mp3") << "x";
  struct Row {
    std::string path;
    bool exists;
  };
  const Row rows[] = {
      {folder + "/song.mp3", true}, {folder + "/song.mp3/", true}, {folder + "/song.mp3\\", true},
      {folder + "/missing", false}, {folder, false},               {folder + "/", false},
      {"", false},                  {"\\", false},
  };
  for (const Row& row : rows) EXPECT_EQ(FileExists(row.path), row.exists) << "path '" << row.path << "'";
}

}  // namespace
}  // namespace blazemere::host
