// The host's Win32 services under Wine: the command line as the host reads
// it, FindWindow, and winmm reached with UTF-8 text and cut replies.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "host/win32/command_text.h"
#include "platform/files/files.h"
#include "platform/mci/multimedia_layer.h"
#include "platform/win32/wide_text.h"
#include "platform/window_lookup/win32/win32_window_lookup.h"

namespace blazemere {
namespace {

TEST(Win32CommandText, ArgumentsAfterTheProgramPath) {
  const struct {
    const wchar_t* line;
    const wchar_t* arguments;
  } rows[] = {
      {L"\"C:\\Program Files\\Blazemere.scr\" /s", L"/s"},
      {L"C:\\WINDOWS\\BLAZEM~1.SCR /p 1234", L"/p 1234"},
      {L"\"C:\\a b\\Blazemere.scr\"/c:1234", L"/c:1234"},
      {L"Blazemere.scr \t  /S  ", L"/S  "},
      {L"Blazemere.scr", L""},
      {L"\"C:\\unclosed /s", L""},
      {L"", L""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(host::ArgumentsText(row.line), row.arguments) << "line: " << testing::PrintToString(row.line);
  }
}

// Hidden top-level windows of this process, found by their titles.
TEST(Win32WindowLookup, FindsHiddenWindowsByTitle) {
  auto titled = [](const wchar_t* title) {
    return CreateWindowExW(0, L"STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  };
  const HWND saverWindow = titled(L"Blazemere_Main");
  const HWND dialogWindow = titled(L"<Blazemere> \u8a2d\u5b9a");
  ASSERT_NE(saverWindow, nullptr);
  const auto saver = reinterpret_cast<platform::WindowHandle>(saverWindow);
  const auto dialog = reinterpret_cast<platform::WindowHandle>(dialogWindow);
  const struct {
    const char* title;
    platform::WindowHandle found;
  } rows[] = {
      {"Blazemere_Main", saver},
      {"BLAZEMERE_MAIN", saver},  // Windows compares titles without case
      {"<Blazemere> 設定", dialog},
      {"Blazemere_Mai", 0},
      {"Blazemere_Main\xff", 0},  // not UTF-8
  };
  platform::Win32WindowLookup lookup;
  for (const auto& row : rows) EXPECT_EQ(lookup.FindWindowByTitle(row.title), row.found) << "title: " << row.title;
  DestroyWindow(saverWindow);
  DestroyWindow(dialogWindow);
}

// A second of silence as a WAV file: 8-bit mono at 8 kHz.
std::string SilentWav() {
  const char header[] = "RIFF\x64\x1f\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0"
                        "data\x40\x1f\0\0";
  return std::string(header, sizeof header - 1) + std::string(8000, '\x80');
}

TEST(Win32MultimediaLayer, CommandsAndRepliesCarryUtf8) {
  // A name outside ASCII, which our UTF-8 must reach MCI as: passed on as
  // bytes it would read "Ã©tÃ©". (MCI's file layer opens names through the
  // ANSI code page, on Windows too, so it is a name code page 1252 holds.)
  wchar_t folder[MAX_PATH] = {};
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, folder), 0u);
  const std::string wav = platform::Utf8FromWide(folder) + "\\Chanson d'été.wav";
  ASSERT_TRUE(platform::ReplaceFileAtomically(wav, SilentWav())) << wav;
  const std::unique_ptr<platform::MultimediaLayer> layer = platform::CreateMultimediaLayer();
  ASSERT_NE(layer, nullptr);

  const struct {
    const char* name;
    std::string command;
    std::size_t replySize;
    std::uint32_t code;
    std::string reply;
  } rows[] = {
      {"open by a name outside ASCII", "open \"" + wav + "\" type waveaudio alias j", 16, 0, "1"},
      {"reply in full", "status j time format", 64, 0, "milliseconds"},
      {"reply cut to size - 1", "status j time format", 5, 0, "mill"},
      {"no reply wanted", "status j time format", 0, 0, ""},
      {"not UTF-8", "status j\xff mode", 16, 261, ""},
      {"close", "close j", 16, 0, ""},
  };
  for (const auto& row : rows) {
    std::string reply = "left over";
    EXPECT_EQ(layer->SendCommandString(row.command, reply, row.replySize), row.code) << row.name;
    EXPECT_EQ(reply, row.reply) << row.name;
  }
  std::string text;
  EXPECT_TRUE(layer->GetErrorString(263, text, 128));
  EXPECT_GT(text.size(), 10u) << text;
  EXPECT_TRUE(layer->GetErrorString(263, text, 6));
  EXPECT_EQ(text.size(), 5u) << text;
  EXPECT_FALSE(layer->GetErrorString(263, text, 0));
  EXPECT_TRUE(layer->PlaySound(nullptr, 0)) << "stopping what does not play";
  EXPECT_TRUE(DeleteFileW(platform::WideFromUtf8(wav).value_or(std::wstring()).c_str()));
}

}  // namespace
}  // namespace blazemere
