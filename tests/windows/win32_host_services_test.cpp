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

// A hidden top-level window of this process, destroyed with the object.
class TitledWindow {
 public:
  explicit TitledWindow(const wchar_t* title)
      : hwnd_(CreateWindowExW(0, L"STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)) {}
  ~TitledWindow() { DestroyWindow(hwnd_); }
  TitledWindow(const TitledWindow&) = delete;
  TitledWindow& operator=(const TitledWindow&) = delete;
  platform::WindowHandle handle() const { return reinterpret_cast<platform::WindowHandle>(hwnd_); }

 private:
  HWND hwnd_;
};

TEST(Win32WindowLookup, FindsHiddenWindowsByTitle) {
  const TitledWindow saver(L"Blazemere_Main");
  const TitledWindow dialog(L"<Blazemere> \u8a2d\u5b9a");
  ASSERT_NE(saver.handle(), 0u);
  const struct {
    const char* title;
    platform::WindowHandle found;
  } rows[] = {
      {"Blazemere_Main", saver.handle()},
      {"BLAZEMERE_MAIN", saver.handle()},  // Windows compares titles without case
      {"<Blazemere> 設定", dialog.handle()},
      {"Blazemere_Mai", 0},
      {"Blazemere_Main\xff", 0},  // not UTF-8
  };
  platform::Win32WindowLookup lookup;
  for (const auto& row : rows) EXPECT_EQ(lookup.FindWindowByTitle(row.title), row.found) << "title: " << row.title;
}

// A second of silence as a WAV file: 8-bit mono at 8 kHz.
std::string SilentWav() {
  const std::uint32_t samples = 8000;
  std::string wav = "RIFF____WAVEfmt ";
  auto put32 = [&wav](std::uint32_t v) { for (int i = 0; i < 4; ++i) wav += static_cast<char>(v >> (8 * i)); };
  auto put16 = [&wav](std::uint16_t v) { for (int i = 0; i < 2; ++i) wav += static_cast<char>(v >> (8 * i)); };
  put32(16), put16(1), put16(1), put32(8000), put32(8000), put16(1), put16(8);
  wav += "data";
  put32(samples);
  wav.append(samples, '\x80');
  const std::uint32_t riff = static_cast<std::uint32_t>(wav.size() - 8);
  for (int i = 0; i < 4; ++i) wav[4 + i] = static_cast<char>(riff >> (8 * i));
  return wav;
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
