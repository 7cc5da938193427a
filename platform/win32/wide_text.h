// UTF-8, the text of every interface of ours, and UTF-16, the text of the
// Win32 W calls. Every backend talks to Windows through the W calls, so
// Japanese names and paths work whatever the user's ANSI code page is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace blazemere::platform {

// nullopt when `utf8` is not well-formed UTF-8: a damaged name must not
// quietly become another one.
[[nodiscard]] std::optional<std::wstring> WideFromUtf8(std::string_view utf8);

// A lone surrogate (which no file name of ours holds) becomes U+FFFD.
[[nodiscard]] std::string Utf8FromWide(std::wstring_view wide);

}  // namespace blazemere::platform
