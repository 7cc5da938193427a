// The Windows services themselves, under Wine, against the conformance
// record: GetPrivateProfileStringA / WritePrivateProfileStringA and
// mciSendStringA must still answer every case as recorded, so that the
// record our own layers are compared with (tests/conformance) stays true.
// With BLAZEMERE_CONFORMANCE_RECORD_TO set to a folder, the answers are
// written there as new records instead.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <fstream>

#include "tests/conformance/ini_cases.h"
#include "tests/conformance/mci_cases.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::testing {
namespace {

class WindowsProfile final : public ProfileApi {
 public:
  std::string Read(const std::string& section, const std::string& key, const std::string& file) override {
    char buffer[256] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, file.c_str());
    return buffer;
  }
  bool Write(const std::string& section, const std::string& key, const std::string& value,
             const std::string& file) override {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
  }
};

class WindowsMci final : public MciApi {
 public:
  std::uint32_t Send(const std::string& command, std::string& reply) override {
    char buffer[512] = {};
    const MCIERROR code = mciSendStringA(command.c_str(), buffer, sizeof buffer, nullptr);
    reply = buffer;
    return code;
  }
};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : value;
}

// Compares with the record, or writes a new one when asked to.
void HoldToRecord(const std::string& recordFile, const std::string& recordName,
                  const std::vector<std::pair<std::string, Transcript>>& answers) {
  if (const std::string folder = Environment("BLAZEMERE_CONFORMANCE_RECORD_TO"); !folder.empty()) {
    std::ofstream(folder + "\\" + recordName, std::ios::binary) << RecordText(answers);
    GTEST_SKIP() << "record written to " << folder;
  }
  const std::optional<Record> record = ReadRecord(recordFile);
  ASSERT_TRUE(record.has_value()) << recordFile;
  EXPECT_EQ(record->size(), answers.size()) << "cases in the record";
  for (const auto& [name, transcript] : answers) {
    EXPECT_EQ(CompareWithRecord(name, transcript, *record, {}), "") << "case: " << name;
  }
}

TEST(WineConformance, ProfileFunctionsAnswerAsRecorded) {
  const std::string folder = ScratchFolder("ini-conformance");
  WindowsProfile api;
  std::vector<std::pair<std::string, Transcript>> answers;
  int number = 0;
  for (const IniCase& iniCase : IniCases()) {
    const std::string file = folder + "\\case" + std::to_string(++number) + ".ini";
    answers.emplace_back(iniCase.name, RunIniCase(iniCase, api, file));
  }
  HoldToRecord(BLAZEMERE_INI_RECORD, "ini-wine.txt", answers);
}

TEST(WineConformance, MciAnswersAsRecorded) {
  const std::string music = Environment("BLAZEMERE_CONFORMANCE_MUSIC");
  ASSERT_FALSE(music.empty()) << "run through tests/windows/conformance.sh";
  const MciFiles files{music + "\\tone.wav", music + "\\tone.mp3", music + "\\two words.wav",
                       music + "\\no such file.mp3"};
  WindowsMci api;
  std::vector<std::pair<std::string, Transcript>> answers;
  for (const MciSession& session : MciSessions()) answers.emplace_back(session.name, RunMciSession(session, api, files));
  HoldToRecord(BLAZEMERE_MCI_RECORD, "mci-wine.txt", answers);
}

}  // namespace
}  // namespace blazemere::testing
