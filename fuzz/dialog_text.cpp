// Any text typed into the settings dialog's repeat box, and any path shown
// in its path label: no crash or hang, a track only from a number that
// fits, and the label's lines always spell the start of the path.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "host/core/dialog/dialog_number_text.h"
#include "host/core/dialog/path_label_wrap.h"

using namespace blazemere;
using namespace blazemere::dialog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int16_t track = RepeatTrackFromText(text);
  const std::optional<double> number = ReadDecimalNumber(text);
  if (!number && track != 0) std::abort();
  if (number && std::fabs(*number) <= 32767.0 && track != static_cast<std::int16_t>(std::nearbyint(*number)))
    std::abort();

  const auto lines = WrapIntoLines(text, 60.0, 3, [](std::string_view piece) { return 7.0 * piece.size(); });
  std::string joined;
  for (const std::string& line : lines) {
    if (line.empty()) std::abort();
    joined += line;
  }
  if (lines.size() > 3 || text.substr(0, joined.size()) != joined) std::abort();
  return 0;
}
