// Our INI layer against the record of the Windows profile functions (under
// Wine) on the same files and edits. Where we answer differently on purpose,
// the difference is listed here with its reason; any other difference, or a
// listed one that no longer holds, fails the case.
#include <gtest/gtest.h>

#include "platform/ini/ini_file.h"
#include "tests/conformance/ini_cases.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::testing {
namespace {

class OurProfile final : public ProfileApi {
 public:
  std::string Read(const std::string& section, const std::string& key, const std::string& file) override {
    return platform::ReadProfileString(section, key, file);
  }
  bool Write(const std::string& section, const std::string& key, const std::string& value,
             const std::string& file) override {
    return platform::WriteProfileString(section, key, value, file);
  }
};

// Wine's profile functions rewrite the whole file at each write: every line
// trimmed, blank lines dropped, CR LF throughout, and a value's leading blanks
// dropped. Ours changes the written line only and keeps the value as given:
// the host writes its numbers after a blank (" 2"), which its reads trim
// again, and a hand-edited file keeps its layout.
constexpr std::string_view kKeepsLines = "ours changes only the written line; Wine rewrites the whole file";
constexpr std::string_view kKeepsBlank = "ours keeps the value's leading blank as the host writes it; Wine drops it";

const std::vector<KnownDifference> kDifferences = {
    {"semicolon comment", R"(read [Section] ";key": "hidden")", R"(read [Section] ";key": "")",
     "a line that starts with \";\" is a comment to ours, never a key; Wine reads it as a key"},
    {"key order of a new file", R"(file: "[Section]\r\nBGMmode=2\r\nBGMrepeat=0\r\nBGMfile=C:\\Music\\fire.mp3\r\n")",
     R"(file: "[Section]\r\nBGMmode= 2\r\nBGMrepeat= 0\r\nBGMfile=C:\\Music\\fire.mp3\r\n")", kKeepsBlank},
    {"write with blanks around value", R"(file: "[Section]\r\nkey=padded  \r\n")",
     R"(file: "[Section]\r\nkey=  padded  \r\n")", kKeepsBlank},
    {"write to an LF file", R"(file: "[Section]\r\nkey=old\r\nadded=1\r\n")",
     R"(file: "[Section]\nkey=old\nadded=1\n")", kKeepsLines},
    {"write keeps comments and blank lines",
     R"(file: "; settings\r\n[Section]\r\n; note\r\nkey=new\r\n[Other]\r\nz=9\r\n")",
     R"(file: "; settings\r\n\r\n[Section]\r\n; note\r\nkey=new\r\n\r\n[Other]\r\nz=9\r\n")", kKeepsLines},
};

TEST(IniConformance, OurLayerAnswersAsWindowsDoes) {
  const std::optional<Record> record = ReadRecord(BLAZEMERE_INI_RECORD);
  ASSERT_TRUE(record.has_value()) << BLAZEMERE_INI_RECORD;
  const std::string folder = ScratchFolder("ini-conformance");
  OurProfile ours;
  int number = 0;
  for (const IniCase& iniCase : IniCases()) {
    const std::string file = folder + "/case" + std::to_string(++number) + ".ini";
    const Transcript transcript = RunIniCase(iniCase, ours, file, platform::NewProfileLineEnding());
    EXPECT_EQ(CompareWithRecord(iniCase.name, transcript, *record, kDifferences), "") << "case: " << iniCase.name;
  }
}

}  // namespace
}  // namespace blazemere::testing
