// The INI layer on disk: round trips, the read limit, atomic replacement and
// the per-user copy for host folders the user cannot write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/files.h"
#include "platform/ini/profile_paths.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::platform {
namespace {

std::string Slurp(const std::string& path) { return ReadWholeFile(path).value_or(""); }

TEST(IniFile, RoundTripsLimitAndAtomicReplace) {
  const std::string folder = testing::ScratchFolder("ini-file");
  const std::string file = folder + "/Blazemere.ini";
  const std::pair<std::string, std::string> rows[] = {
      {"  2  ", "2"},
      {"\" a \"", " a "},
      {std::string(300, 'p'), std::string(255, 'p')},
      {std::string(254, 'r') + "区", std::string(254, 'r')},  // the cut never splits a character
      {"音楽/火.mp3", "音楽/火.mp3"},
  };
  for (const auto& [value, readBack] : rows) {
    ASSERT_TRUE(WriteProfileString("Section", "BGMﾌｧｲﾙ", value, file)) << value;
    EXPECT_EQ(ReadProfileString("section", "bgmﾌｧｲﾙ", file), readBack) << value;
  }

  // Replaced atomically: a new file, same permissions, nothing left beside it.
  std::ofstream(file) << "[Section]\nBGM区分= 1\n";
  chmod(file.c_str(), 0640);
  struct stat before {}, after {};
  stat(file.c_str(), &before);
  ASSERT_TRUE(WriteProfileString("Section", "BGM区分", " 2", file));
  stat(file.c_str(), &after);
  EXPECT_NE(before.st_ino, after.st_ino) << "written in place instead of replaced";
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(Slurp(file), "[Section]\nBGM区分= 2\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1)
      << "a temporary file was left beside it";
}

// A named pipe must not block (nobody may ever write to it) and neither it
// nor a folder is taken for a settings file or replaced by one.
TEST(IniFile, NoRegularFileIsNeitherReadNorReplaced) {
  const std::string folder = testing::ScratchFolder("ini-not-regular");
  const std::pair<const char*, int (*)(const char*)> rows[] = {
      {"fifo", [](const char* path) { return mkfifo(path, 0600); }},
      {"folder", [](const char* path) { return mkdir(path, 0700); }},
  };
  for (const auto& [name, make] : rows) {
    SCOPED_TRACE(name);
    const std::string file = folder + "/" + name + ".ini";
    ASSERT_EQ(make(file.c_str()), 0);
    EXPECT_EQ(ReadProfileString("Section", "BGM区分", file), "");
    EXPECT_FALSE(WriteProfileString("Section", "BGM区分", " 2", file));
    EXPECT_FALSE(std::filesystem::is_regular_file(file)) << "replaced by a file";
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 2)
      << "a temporary file was left behind";
}

TEST(IniFile, ProtectedFolderUsesPerUserCopy) {
  // The choice itself, shown also where this user can write every folder.
  for (const auto& [writable, copyExists, want] : {std::tuple(true, true, "/h/b.ini -> /h/b.ini"),
                                                   std::tuple(false, false, "/h/b.ini -> /u/b.ini"),
                                                   std::tuple(false, true, "/u/b.ini -> /u/b.ini")}) {
    const ProfilePaths paths = ChooseProfilePaths("/h/b.ini", writable, "/u/b.ini", copyExists);
    EXPECT_EQ(paths.readFrom + " -> " + paths.writeTo, want);
  }
  const std::string scratch = testing::ScratchFolder("ini-protected");
  // Root writes every folder, but not a read-only mount.
  const std::string host = geteuid() != 0 ? scratch + "/host" : "/proc/sys";
  if (geteuid() != 0 && std::filesystem::create_directory(host)) chmod(host.c_str(), 0555);
  if (access(host.c_str(), W_OK) == 0) GTEST_SKIP() << "no folder here that this user cannot write";
  setenv("XDG_CONFIG_HOME", (scratch + "/config").c_str(), 1);
  const std::string file = host + "/Blazemere.ini";
  ASSERT_TRUE(WriteProfileString("Section", "BGM区分", " 2", file));
  EXPECT_EQ(ReadProfileString("Section", "BGM区分", file), "2");
  EXPECT_EQ(Slurp(scratch + "/config/blazemere/Blazemere.ini"), "[Section]\nBGM区分= 2\n");
  if (geteuid() != 0) chmod(host.c_str(), 0755);
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace blazemere::platform
