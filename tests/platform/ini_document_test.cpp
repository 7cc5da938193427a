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

// Each write changes its own line only (a key keeps the file's spelling of
// its name); one that would break the file's layout is refused and changes
// nothing.
TEST(IniDocument, WritesKeepEverythingElse) {
  const std::string plain = "[Section]\na=1\n";
  const std::tuple<std::string, const char*, const char*, std::string, bool> rows[] = {
      {"", "a", "1", "[Section]\na=1\n", true},
      {"; c\r\n[Section]\r\nA = old\r\nb=2\r\n", "a", " 5", "; c\r\n[Section]\r\nA= 5\r\nb=2\r\n", true},
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

// A new file's lines end as the system's do.
TEST(IniDocument, NewFileTakesTheGivenLineEnding) {
  for (const std::string lineEnding : {"\n", "\r\n"}) {
    IniDocument fresh = IniDocument::Parse("", lineEnding);
    ASSERT_TRUE(fresh.SetValue("Section", "a", "1"));
    EXPECT_EQ(fresh.Serialize(), "[Section]" + lineEnding + "a=1" + lineEnding);
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

  // A line that does not decode matches nothing, not even as a header that
  // would end the section before it.
  const IniDocument broken = IniDocument::Parse("[Section]\r\n[\x81\x20]\r\nkey=v\r\n\x81\x20=w\r\n");
  EXPECT_EQ(broken.Value("Section", "key"), "v");
}

// A value Shift_JIS cannot hold is stored by turning the whole file into
// UTF-8, every other line keeping its text and line ending; a file that
// cannot be turned (a line that does not decode) refuses it unchanged.
TEST(IniDocument, ValueShiftJisCannotHoldTurnsTheFileIntoUtf8) {
  const std::string sjisHead = "[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\n;\x83\x65\r\n";
  const std::string utf8Head = "[Section]\r\nBGM区分= 2\r\n;テ\r\n";
  const std::tuple<std::string, const char*, bool, std::string> rows[] = {
      {sjisHead, "/music/Café.mp3", true, utf8Head + "BGMﾌｧｲﾙ=/music/Café.mp3\r\n"},
      {sjisHead + "BGM\xCC\xA7\xB2\xD9=C:\\\x89\xCE.mp3\r\n", "/music/🔥.mp3", true,
       utf8Head + "BGMﾌｧｲﾙ=/music/🔥.mp3\r\n"},
      {sjisHead + "\x81\x20\r\n", "/music/Café.mp3", false, sjisHead + "\x81\x20\r\n"},
  };
  for (const auto& [before, value, stored, after] : rows) {
    SCOPED_TRACE(value);
    IniDocument document = IniDocument::Parse(before);
    EXPECT_EQ(document.SetValue("Section", "BGMﾌｧｲﾙ", value), stored);
    EXPECT_EQ(document.Serialize(), after);
    if (stored) {
      EXPECT_EQ(IniDocument::Parse(after).Value("Section", "BGMﾌｧｲﾙ"), value);
    }
  }
}

}  // namespace
}  // namespace blazemere::platform
