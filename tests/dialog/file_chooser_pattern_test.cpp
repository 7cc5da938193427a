// The file chooser's filter matches names the way a Windows filter does,
// without regard to case, through FLTK's own matcher; typed names resolve
// against the folder shown; the link's handler is found on PATH.
#include <gtest/gtest.h>

#include <FL/filename.H>

#include "platform/dialogs/file_filter_pattern.h"
#include "platform/shell/shell_open.h"

namespace blazemere::platform {
namespace {

TEST(FileFilterPattern, MatchesMp3AndWavInAnyCase) {
  const std::string pattern = CaseInsensitiveFltkPattern("*.MP3;*.WAV");
  const struct {
    const char* name;
    bool matches;
  } rows[] = {{"song.mp3", true},  {"SONG.MP3", true},      {"Song.Wav", true}, {"a.b.wAv", true},
              {"song.mp4", false}, {"song.mp3.txt", false}, {"mp3", false},     {"song.wave", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fl_filename_match(row.name, pattern.c_str()) != 0, row.matches);
  }
  EXPECT_EQ(fl_filename_match("a{1}.x", CaseInsensitiveFltkPattern("a{1}.x").c_str()), 1) << "braces are literal";
}

TEST(FileFilterPattern, TypedNamesResolveAgainstTheFolder) {
  const struct {
    const char *folder, *typed, *path;
  } rows[] = {{"/m", "a.mp3", "/m/a.mp3"}, {"/", "a.mp3", "/a.mp3"}, {"/m", "/x/b.wav", "/x/b.wav"},
              {"/m", "~/c.wav", "/home/u/c.wav"}, {"/m", "sub/d.mp3", "/m/sub/d.mp3"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    EXPECT_EQ(ResolveTypedName(row.folder, row.typed, "/home/u"), row.path);
  }
}

TEST(ShellOpen, FindsTheHandlerOnPath) {
  EXPECT_EQ(FindProgramOnPath("sh", "/nonexistent:/bin"), "/bin/sh");
  EXPECT_EQ(FindProgramOnPath("no-such-program-here", "/bin:/usr/bin"), "");
  EXPECT_EQ(FindProgramOnPath("passwd", "/etc"), "") << "not executable";
}

}  // namespace
}  // namespace blazemere::platform
