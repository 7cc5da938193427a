// Looking up one name in a space-separated extension list such as GLX's,
// where a name may be the prefix of another ("..._swap_control_tear").
#pragma once

#include <string_view>

namespace blazemere::fire {

[[nodiscard]] bool ExtensionListed(std::string_view extensionList, std::string_view name);

}  // namespace blazemere::fire
