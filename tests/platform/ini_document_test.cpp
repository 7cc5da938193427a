// The INI layer against the private-profile behaviour the settings rely on.
#include <gtest/gtest.h>

#include "platform/ini/ini_document.h"

namespace blazemere::platform {
namespace {

TEST(IniDocument, Reads) {
  const std::string file =
      "; comment\r\n[Other]\r\nkey=other\r\n[ Section ]\r\n  Key One  =  spaced value  \r\n"
      "quoted=\"  kept  \"\r\nsingle='x'\r\nmixed=\"x'\r\nempty=\r\nnoequals\r\n[section]\r\nlater=1\r\n";
  const IniDocument document = IniDocument::Parse(file);
  struct Row {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  };
  const Row rows[] = {
      {"Section", "key one", "spaced value"}, {"SECTION", "KEY ONE", "spaced value"},
      {"Section", "quoted", "  kept  "},      {"Section", "single", "x"},
      {"Section", "mixed", "\"x'"},           {"Section", "empty", ""},
      {"Section", "key", std::nullopt},       {"Other", "key", "other"},
      {"Missing", "key", std::nullopt},       {"Section", "noequals", std::nullopt},
      {"Section", "later", std::nullopt},  // only the first section of a name counts
  };
  for (const Row& row : rows) {
    EXPECT_EQ(document.Value(row.section, row.key), row.value) << row.section << "/" << row.key;
  }
}

// Each write changes its own line only; one that would break the file's
// layout is refused and changes nothing.
TEST(IniDocument, WritesKeepEverythingElse) {
  struct Row {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
    bool accepted = true;
  };
  const std::string plain = "[Section]\na=1\n";
  const Row rows[] = {
      {"new file", "", "Section", "a", "1", "[Section]\na=1\n"},
      {"replace in place, CRLF kept", "; c\r\n[Section]\r\nA = old\r\nb=2\r\n", "section", "a", " 5",
       "; c\r\n[Section]\r\na= 5\r\nb=2\r\n"},
      {"append at end of its section", "[Section]\na=1\n\n[Next]\nz=9\n", "Section", "b", "2",
       "[Section]\na=1\nb=2\n\n[Next]\nz=9\n"},
      {"append after a last line without ending", "[Section]\na=1", "Section", "b", "2", "[Section]\na=1\nb=2\n"},
      {"new section at the end", "[Other]\r\nx=1\r\n", "Section", "k", "v", "[Other]\r\nx=1\r\n[Section]\r\nk=v\r\n"},
      {"last header ends in a bare CR", "[Section\r", "Section", "k", "v", "[Section\r\nk=v\n"},
      {"unknown lines kept", "junk line\n[Section]\n;note\nother=1\n", "Section", "k", "v",
       "junk line\n[Section]\n;note\nother=1\nk=v\n"},
      {"value with a line break", plain, "Section", "a", "1\nb=2", plain, false},
      {"key with =", plain, "Section", "a=b", "1", plain, false},
      {"section with ]", plain, "Sec]tion", "a", "1", plain, false},
      {"empty section", plain, "", "a", "1", plain, false},
      {"empty key", plain, "Section", "", "1", plain, false},
      {"key starting a section", plain, "Section", "[x", "1", plain, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    IniDocument document = IniDocument::Parse(row.before);
    EXPECT_EQ(document.SetValue(row.section, row.key, row.value), row.accepted);
    EXPECT_EQ(document.Serialize(), row.after);
  }
}

TEST(IniDocument, ShiftJisFileReadAndWrittenInItsOwnEncoding) {
  // "[Section]", "BGM区分=2", "BGMﾌｧｲﾙ=C:\音楽\火.mp3", a comment in Shift_JIS.
  const std::string sjis =
      "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\\x89\xCE.mp3\r\n;\x83\x65\r\n";
  IniDocument document = IniDocument::Parse(sjis);
  EXPECT_EQ(document.encoding(), IniEncoding::kCp932);
  EXPECT_EQ(document.Value("Section", "BGM区分"), "2");
  EXPECT_EQ(document.Value("Section", "BGMﾌｧｲﾙ"), "C:\\音楽\\火.mp3");

  ASSERT_TRUE(document.SetValue("Section", "BGMﾘﾋﾟｰﾄ", " 3"));
  ASSERT_TRUE(document.SetValue("Section", "BGM区分", " 1"));
  EXPECT_EQ(document.Serialize(),
            "[Section]\r\nBGM\x8B\xE6\x95\xAA= 1\r\nBGM\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\\x89\xCE.mp3\r\n;\x83\x65\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4= 3\r\n");
  // A character Shift_JIS cannot hold is refused, not mangled.
  EXPECT_FALSE(document.SetValue("Section", "BGMﾌｧｲﾙ", "/music/🔥.mp3"));
}

}  // namespace
}  // namespace blazemere::platform
