// The small text helpers every part shares: trimming with a part's own blank
// set, ASCII-only case folding, and UTF-8 stepping, cutting and checking on
// malformed bytes as well as on good ones.
#include <gtest/gtest.h>

#include "common/text.h"

namespace blazemere {
namespace {

TEST(Text, TrimAndCase) {
  EXPECT_EQ(Trim(" \t a b \t"), "a b");
  EXPECT_EQ(Trim(" \r x\r", " \t\r"), "x") << "a part's own blank set";
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(UpperAscii("mp3 é"), "MP3 é") << "bytes beyond ASCII stay as they are";
  EXPECT_EQ(LowerAscii("CDAudio"), "cdaudio");
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Section", "sECTION"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("É", "é")) << "no folding beyond ASCII";
  EXPECT_TRUE(EndsWithIgnoringAsciiCase("Song.Wav", "WAV"));
  EXPECT_FALSE(EndsWithIgnoringAsciiCase("av", "WAV"));
}

TEST(Text, Utf8) {
  // text, where a character starts, its length
  const std::tuple<std::string, std::size_t, std::size_t> lengths[] = {
      {"/s", 0, 1},           {"é/s", 0, 2},          {"日本", 3, 3},
      {"\xF0\x9F\x94\xA5", 0, 4}, {"\xC3" "a", 0, 1}, {"\x80\x80", 0, 2},  // malformed: still moves on
      {"\xE6\x97", 0, 2},      // cut short at the end
  };
  for (const auto& [text, at, length] : lengths) EXPECT_EQ(Utf8CharacterLength(text, at), length) << text;

  EXPECT_EQ(CutUtf8("abc", 5), "abc");
  EXPECT_EQ(CutUtf8("ab日本", 4), "ab") << "never inside a character";
  EXPECT_EQ(CutUtf8("ab日本", 5), "ab日");

  const std::pair<std::string, bool> valid[] = {
      {"plain", true}, {"日本語 ﾌｧｲﾙ", true}, {"\xC0\xAF", false} /* overlong */, {"\xED\xA0\x80", false} /* surrogate */,
      {"\xF4\x90\x80\x80", false} /* beyond U+10FFFF */, {"\x82\xA0", false} /* Shift_JIS */, {"\xE6\x97", false},
  };
  for (const auto& [bytes, good] : valid) EXPECT_EQ(IsValidUtf8(bytes), good) << ::testing::PrintToString(bytes);
}

}  // namespace
}  // namespace blazemere
