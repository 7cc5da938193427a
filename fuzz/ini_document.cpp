// Settings files of any content: reading, changing and writing one must
// never crash, and a change must keep every other line and read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ini/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  blazemere::platform::IniDocument document = blazemere::platform::IniDocument::Parse(bytes);
  // Parsing alone changes nothing.
  if (document.Serialize() != bytes) std::abort();
  // "é" is not in Shift_JIS: such a file is turned into UTF-8 to hold it.
  constexpr std::string_view kPath = "/music/Café 火.mp3";
  if (document.SetValue("Section", "BGMﾌｧｲﾙ", kPath)) {
    const auto value = blazemere::platform::IniDocument::Parse(document.Serialize()).Value("Section", "BGMﾌｧｲﾙ");
    if (!value || *value != kPath) std::abort();
  }
  return 0;
}
