// The screen-saver command line as Windows passes it ("/s", "/c:1234",
// "/p 1234", nothing): the mode letter, the mode it asks for and the preview
// window handle; and XScreenSaver's ("--xscreensaver", perhaps with a
// preview's "--window-id 0x...").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace blazemere::host {

// argv[1...] joined by single blanks, the way Windows hands the text over.
[[nodiscard]] std::string JoinCommandLine(const std::vector<std::string>& arguments);

// The second character upper-cased (ASCII); empty for a shorter line. The
// first character ("/" or "-") is never looked at.
[[nodiscard]] std::string ModeLetterOf(const std::string& commandLine);

// What a command line asks the host to do.
enum class HostMode {
  kPreview,           // mode letter "P"
  kSettings,          // mode letter "C"
  kSaver,             // mode letter "S": the saver with the pointer hidden
  kSaverWithPointer,  // an empty command line: the saver, the pointer left alone
  kNothing,           // anything else: the host ends silently
  kDisplayMode,       // first word "--xscreensaver": XScreenSaver's display mode
};

[[nodiscard]] HostMode HostModeOf(const std::string& commandLine);

// The number that starts at the fourth character: blanks skipped, ending at
// the first character that cannot belong to it. Decimal, a fraction rounded
// half to even, or hex after "0x" or "&H" (either case). 0 when there is no
// number or it does not fit a 32-bit window id (a negative one included).
[[nodiscard]] std::uint32_t PreviewHandleOf(const std::string& commandLine);

// The display mode's preview window: the id after the word "--window-id",
// which xscreensaver-settings appends to the command for its preview (the
// daemon itself never does). Nothing without that word; 0 when the id after
// it is missing or unusable (ReadWindowId).
[[nodiscard]] std::optional<std::uint32_t> DisplayModePreviewOf(const std::string& commandLine);

}  // namespace blazemere::host
