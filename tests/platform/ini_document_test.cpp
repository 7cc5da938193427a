// The INI layer against the private-profile behaviour the settings rely on.
#include <gtest/gtest.h>

#include "platform/ini/ini_document.h"

namespace blazemere::platform {
namespace {

TEST(IniDocument, Reads) {
  const IniDocument document = IniDocument::Parse(
      "; comment\r\n[Other]\r\nkey=other\r\n[ Section ]\r\n  Key One  =  spaced value  \r\n"
      "quoted=\"  kept  \"\r\nmixed=\"x'\r\nempty=\r\n[section]\r\nlater=1\r\n");
  const std::tuple<const char*, const char*, std::optional<std::string>> rows[] = {
      {"SECTION", "KEY ONE", "spaced value"}, {"Section", "quoted", "  kept  "}, {"Section", "mixed", "\"x'"},
      {"Section", "empty", ""},               {"Section", "key", std::nullopt},  {"Missing", "key", std::nullopt},
      {"Section", "later", std::nullopt},  // only the first section of a name counts
  };
  for (const auto& [section, key, value] : rows) EXPECT_EQ(document.Value(section, key), value) << section << "/" << key;
}

// Each write changes its own line only; one that would break the file's
// layout is refused and changes nothing.
TEST(IniDocument, WritesKeepEverythingElse) {
  const std::string plain = "[Section]\na=1\n";
  const std::tuple<std::string, const char*, const char*, std::string, bool> rows[] = {
      {"", "a", "1", "[Section]\na=1\n", true},
      {"; c\r\n[Section]\r\nA = old\r\nb=2\r\n", "a", " 5", "; c\r\n[Section]\r\na= 5\r\nb=2\r\n", true},
      {"[Section]\na=1\n\n[Next]\nz=9\n", "b", "2", "[Section]\na=1\nb=2\n\n[Next]\nz=9\n", true},
      {"[Section]\na=1", "b", "2", "[Section]\na=1\nb=2\n", true},
      {"junk\r\n[Other]\r\n;note\r\n", "k", "v", "junk\r\n[Other]\r\n;note\r\n[Section]\r\nk=v\r\n", true},
      {plain, "a", "1\nb=2", plain, false},
      {plain, "a=b", "1", plain, false},
  };
  for (const auto& [before, key, value, after, accepted] : rows) {
    SCOPED_TRACE(before + " + " + key);
    IniDocument document = IniDocument::Parse(before);
    EXPECT_EQ(document.SetValue("Section", key, value), accepted);
    EXPECT_EQ(document.Serialize(), after);
  }
}

TEST(IniDocument, ShiftJisFileReadAndWrittenInItsOwnEncoding) {
  // "[Section]", "BGM区分=2", "BGMﾌｧｲﾙ=C:\音楽\火.mp3", a comment in Shift_JIS.
  const std::string sjis =
      "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\\x89\xCE.mp3\r\n;\x83\x65\r\n";
  IniDocument document = IniDocument::Parse(sjis);
  EXPECT_EQ(document.encoding(), IniEncoding::kCp932);
  EXPECT_EQ(document.Value("Section", "BGMﾌｧｲﾙ"), "C:\\音楽\\火.mp3");
  ASSERT_TRUE(document.SetValue("Section", "BGMﾘﾋﾟｰﾄ", " 3"));
  EXPECT_EQ(document.Serialize(), sjis + "BGM\xD8\xCB\xDF\xB0\xC4= 3\r\n");
  // A character Shift_JIS cannot hold is refused, not mangled.
  EXPECT_FALSE(document.SetValue("Section", "BGMﾌｧｲﾙ", "/music/🔥.mp3"));

  // A line that does not decode matches nothing, not even as a header that
  // would end the section before it.
  const IniDocument broken = IniDocument::Parse("[Section]\r\n[\x81\x20]\r\nkey=v\r\n\x81\x20=w\r\n");
  EXPECT_EQ(broken.Value("Section", "key"), "v");
}

}  // namespace
}  // namespace blazemere::platform
