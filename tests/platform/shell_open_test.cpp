// The link's address handed to the desktop's handler: the handler found on
// the search path, and exactly one argument, the address as it is, whatever
// it holds (no shell ever sees it). A recording handler stands in for
// xdg-open.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "platform/files/files.h"
#include "platform/shell_open/posix/program_search.h"
#include "platform/shell_open/shell_open.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::platform {
namespace {

void WriteProgram(const std::string& path, const std::string& text, mode_t mode = 0755) {
  std::ofstream(path) << text;
  chmod(path.c_str(), mode);
}

TEST(ShellOpen, FindsTheHandlerOnTheSearchPath) {
  const std::string folder = testing::ScratchFolder("find-program");
  for (const char* sub : {"/a", "/b", "/c", "/c/tool"}) std::filesystem::create_directories(folder + sub);
  WriteProgram(folder + "/a/tool", "#!/bin/sh\n", 0644);  // not executable
  WriteProgram(folder + "/b/tool", "#!/bin/sh\n");
  // A file that may not run and a folder of that name are no program.
  const std::pair<std::string, std::string> rows[] = {
      {folder + "/a:" + folder + "/c:" + folder + "/b", folder + "/b/tool"}, {folder + "/a", ""}, {"", ""}};
  for (const auto& [path, found] : rows) EXPECT_EQ(FindProgramOnPath("tool", path), found) << "PATH " << path;
}

TEST(ShellOpen, HandsTheAddressOverAsOneArgument) {
  const std::string folder = testing::ScratchFolder("shell-open");
  const std::string record = folder + "/arguments";
  // Each argument on a line of its own, and a last line to show the end.
  WriteProgram(folder + "/xdg-open", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + record +
                                         ".part\"\necho end >> \"" + record + ".part\"\nmv \"" + record + ".part\" \"" +
                                         record + "\"\n");
  const char* oldPath = std::getenv("PATH");
  const std::string savedPath = oldPath != nullptr ? oldPath : "";
  setenv("PATH", (folder + ":/usr/bin:/bin").c_str(), 1);
  for (const std::string address : {"https://blazemere.example.org/", "a b  c", "$(touch pwned); `id`", "x'\";|&<>"}) {
    std::filesystem::remove(record);
    const ProcessId handler = OpenWithDefaultHandler(address);
    ASSERT_NE(handler, kNoProcess) << address;
    for (int i = 0; i < 500 && !HasProgramEnded(handler); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ReadWholeFile(record).value_or("nothing recorded"), address + "\nend\n") << address;
  }
  EXPECT_FALSE(std::filesystem::exists(folder + "/pwned"));
  setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
}  // namespace blazemere::platform
