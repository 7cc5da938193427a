// Any command string through the MCI grammar, and any position text it holds
// through the CD position rules of a made-up mixed-mode disc: no crash, no
// hang, and every accepted position lies on the disc. The same bytes read as
// a disc image's sheet give only names of one line each.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/mci/cd_image_files.h"
#include "platform/mci/cd_position.h"
#include "platform/mci/mci_command_parser.h"

using namespace blazemere::platform::mci;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string& name : SheetFileNames(text)) {
    if (name.empty() || name.find_first_of("\r\n") != std::string::npos) std::abort();
  }
  const ParsedCommand parsed = ParseMciCommand(text);
  if (parsed.error != MciError::kNone) {
    if (!ErrorText(Code(parsed.error))) std::abort();
    return 0;
  }
  static const CdToc disc{{{1, 0, 300, false}, {2, 300, 450, true}, {3, 450, 750, true}}};
  for (const std::optional<std::string>* position : {&parsed.command.from, &parsed.command.to}) {
    if (!position->has_value()) continue;
    for (TimeFormat format : {TimeFormat::kTmsf, TimeFormat::kMsf, TimeFormat::kMilliseconds}) {
      const PositionResult result = ParseCdPosition(disc, **position, format);
      if (result.error != MciError::kNone) continue;
      if (result.lsn < disc.Start() || result.lsn > disc.End()) std::abort();
      (void)FormatCdPosition(disc, result.lsn, format);
      (void)PlanCdPlay(disc, result.lsn, disc.End(), true);
    }
  }
  return 0;
}
