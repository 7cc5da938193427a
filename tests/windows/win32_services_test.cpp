// The portable services' Win32 backends under Wine: files (disk files only,
// atomic replacement), processes (the command line each argument survives)
// and code page 932 through Windows' own tables. Folders made, files looked
// for and the instance lock are held by the scenarios (the palette's
// C:\k_vorn, the renderer missing beside the host, a second start).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/files/files.h"
#include "platform/ini/code_page_932.h"
#include "platform/paths/executable_folder.h"
#include "platform/process/process.h"
#include "platform/win32/wide_text.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::platform {
namespace {

namespace fs = std::filesystem;

fs::path Native(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }
void Write(const std::string& path, const std::string& bytes) { std::ofstream(Native(path), std::ios::binary) << bytes; }
void SetReadOnly(const std::string& path, bool readOnly) {
  SetFileAttributesW(Native(path).c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

// Reads take disk files only: a named pipe whose server waits for a client,
// the NUL device or a folder must neither block nor feed the reader.
TEST(Win32Files, ReadsOnlyDiskFiles) {
  const std::string folder = testing::ScratchFolder("read");
  Write(folder + "\\plain.ini", "[Section]\r\nKey=1\r\n");
  Write(folder + "\\設定.ini", "音楽");
  Write(folder + "\\empty.bmp", "");
  const HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\blazemere-read-test", PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1,
                                       4096, 4096, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  struct Row { const char* name; std::string path; std::size_t limit; std::optional<std::string> want; };
  const Row rows[] = {
      {"plain file", folder + "\\plain.ini", SIZE_MAX, "[Section]\r\nKey=1\r\n"},
      {"Japanese name", folder + "\\設定.ini", SIZE_MAX, "音楽"},
      {"empty file", folder + "\\empty.bmp", SIZE_MAX, ""},
      {"at the limit", folder + "\\plain.ini", 18, "[Section]\r\nKey=1\r\n"},
      {"over the limit", folder + "\\plain.ini", 17, std::nullopt},
      {"missing", folder + "\\missing.ini", SIZE_MAX, std::nullopt},
      {"folder", folder, SIZE_MAX, std::nullopt},
      {"NUL device", "NUL", SIZE_MAX, std::nullopt},
      {"named pipe", "\\\\.\\pipe\\blazemere-read-test", SIZE_MAX, std::nullopt},
      {"not UTF-8", folder + "\\\xff.ini", SIZE_MAX, std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(ReadWholeFile(row.path, row.limit), row.want) << row.name;
  CloseHandle(pipe);
}

// Replacing leaves the old file or the new one, never anything beside it;
// a failure leaves the target as it was. CanReplaceFile, asked first, says
// beforehand what the replacing does (a read-only file was once replaced:
// Wine moves a file over it, where Windows refuses).
TEST(Win32Files, ReplacesAtomicallyOrNotAtAll) {
  const std::string folder = testing::ScratchFolder("replace");
  Write(folder + "\\old.ini", "old");
  Write(folder + "\\locked.ini", "kept");
  SetReadOnly(folder + "\\locked.ini", true);
  struct Row { const char* name; std::string path; bool replaced; std::optional<std::string> after; };
  const Row rows[] = {
      {"new file", folder + "\\new.ini", true, "fresh"},
      {"over an old file", folder + "\\old.ini", true, "fresh"},
      {"Japanese name", folder + "\\設定.ini", true, "fresh"},
      {"read-only file", folder + "\\locked.ini", false, "kept"},
      {"missing folder", folder + "\\no\\such.ini", false, std::nullopt},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CanReplaceFile(row.path), row.replaced) << row.name;
    EXPECT_EQ(ReplaceFileAtomically(row.path, "fresh"), row.replaced) << row.name;
    EXPECT_EQ(ReadWholeFile(row.path), row.after) << row.name;
  }
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Native(folder))) {
    const std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"locked.ini", "new.ini", "old.ini", "設定.ini"})) << "left beside";
  SetReadOnly(folder + "\\locked.ini", false);
}

// Each argument reaches the child as it was given, whatever blanks, quotes
// and backslashes it holds; a file that is no program does not start.
TEST(Win32Process, ArgumentsArriveWhole) {
  const std::string folder = testing::ScratchFolder("process");
  const std::string echo = ExecutableFolder() + "\\echo-arguments.exe";
  const std::string out = folder + "\\arguments.bin";
  const std::vector<std::string> arguments = {
      "/s", "two words", "", "\"quoted\"", "C:\\trailing\\", "C:\\with space\\", "a\\\\\"b", "設定 ｷｬﾝｾﾙ"};
  std::vector<std::string> given = {out};
  given.insert(given.end(), arguments.begin(), arguments.end());
  const ProcessId child = StartProgram(echo, given);
  ASSERT_NE(child, kNoProcess);
  for (int waited = 0; waited < 200 && !HasProgramEnded(child); ++waited) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(HasProgramEnded(child));
  std::string expected;
  for (const std::string& argument : arguments) expected += argument + '\0';
  EXPECT_EQ(ReadWholeFile(out).value_or("(none)"), expected);

  Write(folder + "\\notes.txt", "not a program");
  struct Row { const char* name; std::string path; };
  const Row rows[] = {{"missing file", folder + "\\none.exe"}, {"not a program", folder + "\\notes.txt"},
                      {"empty path", ""}};
  for (const Row& row : rows) EXPECT_EQ(StartProgram(row.path), kNoProcess) << row.name;
}

// Windows' code page 932 tables, both ways; no "?" ever stands in for a
// character the other side lacks.
TEST(Win32CodePage932, ConvertsBothWaysOrRefuses) {
  struct Row { const char* name; std::string utf8; std::optional<std::string> cp932; };
  const Row rows[] = {
      {"kanji", "設定", "\x90\xdd\x92\xe8"},
      {"half-width katakana", "ｷｬﾝｾﾙ", "\xb7\xac\xdd\xbe\xd9"},
      {"ASCII and backslash", "C:\\k_vorn", "C:\\k_vorn"},
      {"NEC special", "①", "\x87\x40"},
      {"no Shift_JIS form", "Café", std::nullopt},
  };
  Cp932Converter toCp932(Cp932Converter::Direction::kFromUtf8);
  Cp932Converter toUtf8(Cp932Converter::Direction::kToUtf8);
  for (const Row& row : rows) {
    const std::optional<std::string_view> encoded = toCp932.Convert(row.utf8);
    EXPECT_EQ(encoded ? std::optional<std::string>(*encoded) : std::nullopt, row.cp932) << row.name;
    if (!row.cp932) continue;
    const std::optional<std::string_view> decoded = toUtf8.Convert(*row.cp932);
    EXPECT_EQ(decoded ? std::string(*decoded) : "(refused)", row.utf8) << row.name;
  }
  EXPECT_FALSE(toUtf8.Convert("\x81").has_value()) << "a lead byte alone";
}

}  // namespace
}  // namespace blazemere::platform
