// The INI layer on disk: round trips, the read limit, atomic replacement and
// the per-user copy for host folders the user cannot write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/paths/atomic_file.h"
#include "platform/ini/ini_file.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::platform {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(IniFile, RoundTripsAndLimit) {
  const std::string file = testing::ScratchFolder("ini-round-trip") + "/Blazemere.ini";
  const std::string long300(300, 'p');
  struct Row {
    const char* name;
    std::string value;
    std::string readBack;
  };
  const Row rows[] = {
      {"plain", "C:\\Music\\fire.mp3", "C:\\Music\\fire.mp3"},
      {"blanks trimmed", "  2  ", "2"},
      {"quotes removed", "\" a \"", " a "},
      {"exactly 255", std::string(255, 'q'), std::string(255, 'q')},
      {"300 cut to 255", long300, std::string(255, 'p')},
      {"cut never splits a character", std::string(254, 'r') + "区", std::string(254, 'r')},
      {"Japanese", "音楽/火.mp3", "音楽/火.mp3"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(WriteProfileString("Section", "BGMﾌｧｲﾙ", row.value, file));
    EXPECT_EQ(ReadProfileString("section", "bgmﾌｧｲﾙ", file), row.readBack);
  }
  EXPECT_EQ(ReadProfileString("Section", "missing", file), "");
  EXPECT_EQ(ReadProfileString("Section", "x", file + ".absent"), "");
}

TEST(IniFile, ReplacesAtomicallyOrNotAtAll) {
  const std::string folder = testing::ScratchFolder("ini-atomic");
  const std::string file = folder + "/Blazemere.ini";
  std::ofstream(file) << "[Section]\nBGM区分= 1\n";
  chmod(file.c_str(), 0640);
  struct stat before {};
  stat(file.c_str(), &before);
  ASSERT_TRUE(WriteProfileString("Section", "BGM区分", " 2", file));
  struct stat after {};
  stat(file.c_str(), &after);
  EXPECT_NE(before.st_ino, after.st_ino) << "written in place instead of replaced";
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(Slurp(file), "[Section]\nBGM区分= 2\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1)
      << "a temporary file was left beside it";

  EXPECT_FALSE(WriteProfileString("Section", "k", "1\n[Evil]", file));
  EXPECT_EQ(Slurp(file), "[Section]\nBGM区分= 2\n");
  // A folder where the file should be cannot be replaced.
  const std::string blocked = folder + "/blocked.ini";
  std::filesystem::create_directory(blocked);
  EXPECT_FALSE(ReplaceFileAtomically(blocked, "x"));
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
}

TEST(IniFile, ProtectedFolderUsesPerUserCopy) {
  const std::string scratch = testing::ScratchFolder("ini-protected");
  // The choice itself, shown also where this user can write every folder.
  const auto choice = [](bool writable, bool copyExists) {
    const ProfilePaths paths = ChooseProfilePaths("/h/b.ini", writable, "/u/b.ini", copyExists);
    return paths.readFrom + " -> " + paths.writeTo;
  };
  EXPECT_EQ(choice(true, true), "/h/b.ini -> /h/b.ini");
  EXPECT_EQ(choice(false, false), "/h/b.ini -> /u/b.ini");
  EXPECT_EQ(choice(false, true), "/u/b.ini -> /u/b.ini");
  // Without an absolute XDG_CONFIG_HOME the copy lives under HOME.
  EXPECT_EQ(PerUserProfilePath("/opt/x/Blazemere.ini", "relative", "/home/u"),
            "/home/u/.config/blazemere/Blazemere.ini");
  EXPECT_EQ(PerUserProfilePath("/opt/x/Blazemere.ini", nullptr, nullptr), "");

  std::string host = scratch + "/host";
  bool seeded = true;  // the protected folder holds a settings file of its own
  if (geteuid() != 0) {
    std::filesystem::create_directory(host);
    std::ofstream(host + "/Blazemere.ini") << "[Section]\nBGM区分= 1\nextra=kept\n";
    chmod(host.c_str(), 0555);
  } else if (access("/proc/sys", W_OK) != 0) {
    host = "/proc/sys";  // root writes every folder, but not a read-only mount
    seeded = false;
  } else {
    GTEST_SKIP() << "no folder here that this user cannot write";
  }
  setenv("XDG_CONFIG_HOME", (scratch + "/config").c_str(), 1);
  const std::string file = host + "/Blazemere.ini";
  EXPECT_EQ(ReadProfileString("Section", "BGM区分", file), seeded ? "1" : "");  // the host's file while no copy exists
  ASSERT_TRUE(WriteProfileString("Section", "BGM区分", " 2", file));
  EXPECT_EQ(ReadProfileString("Section", "BGM区分", file), "2");
  EXPECT_EQ(Slurp(scratch + "/config/blazemere/Blazemere.ini"),
            seeded ? "[Section]\nBGM区分= 2\nextra=kept\n" : "[Section]\nBGM区分= 2\n");
  if (seeded) {
    EXPECT_EQ(Slurp(file), "[Section]\nBGM区分= 1\nextra=kept\n");
    chmod(host.c_str(), 0755);
  }
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace blazemere::platform
