// The chooser's length refusal: see path_length_limit.h.
#include "platform/file_dialog/path_length_limit.h"

namespace blazemere::platform {

std::optional<std::string> PathTooLongMessage(const std::string& path, std::size_t longestPath) {
  if (longestPath == 0 || path.size() <= longestPath) return std::nullopt;
  // Not the path itself: a long one without blanks would not wrap.
  return "ﾌｧｲﾙ名が長すぎます (" + std::to_string(path.size()) + " ﾊﾞｲﾄ)。\nﾌｫﾙﾀﾞ名を含めて " +
         std::to_string(longestPath) + " ﾊﾞｲﾄ (UTF-8) までのﾌｧｲﾙを選んでください。";
}

}  // namespace blazemere::platform
