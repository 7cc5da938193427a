// The Windows file-type filter turned into GTK's patterns: checked with
// fnmatch, the shell matching GTK's patterns follow, so that a pattern that
// misses a name in some case (or matches what it should not) fails its row.
#include <fnmatch.h>
#include <gtest/gtest.h>

#include "platform/file_dialog/gtk3/glob_patterns.h"

namespace blazemere::platform {
namespace {

bool AnyMatches(const std::vector<std::string>& patterns, const char* name) {
  for (const std::string& pattern : patterns)
    if (fnmatch(pattern.c_str(), name, 0) == 0) return true;
  return false;
}

TEST(GlobPatterns, MatchWhatWindowsMatchesWhateverTheCase) {
  const struct { const char* filter; const char* name; bool matches; } rows[] = {
      {"*.MP3;*.WAV", "song.mp3", true},
      {"*.MP3;*.WAV", "火.Wav", true},
      {"*.MP3;*.WAV", "song.mp4", false},
      {"*.MP3;*.WAV", "song.wav.txt", false},
      {"*.MP3;;*.WAV;", "a.wav", true},       // empty parts dropped
      {"", "anything.txt", true},              // no filter: every file
      {"[1].MP3", "[1].mp3", true},            // a bracket is itself
      {"[1].MP3", "1.mp3", false},
  };
  for (const auto& row : rows) {
    const std::vector<std::string> patterns = CaseBlindGlobPatterns(row.filter);
    EXPECT_EQ(AnyMatches(patterns, row.name), row.matches)
        << "filter \"" << row.filter << "\" name \"" << row.name << "\" patterns " << ::testing::PrintToString(patterns);
  }
}

}  // namespace
}  // namespace blazemere::platform
