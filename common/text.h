// The project's one module of small text helpers: trimming, words, ASCII
// case folding and comparison, and stepping through UTF-8 without decoding it.
// Every part that needs one of these uses this module; none keeps its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace blazemere {

// Blanks as the settings file, the dialog and the command line see them.
inline constexpr std::string_view kBlanks = " \t";

// `text` without the characters of `blanks` at either end.
[[nodiscard]] std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks);

// The words of `text`: the runs between characters of `blanks`.
[[nodiscard]] std::vector<std::string_view> Words(std::string_view text, std::string_view blanks = kBlanks);

[[nodiscard]] bool IsAsciiLetter(char c);

// ASCII letters only; every other byte (UTF-8 included) stays as it is.
[[nodiscard]] char LowerAscii(char c);
[[nodiscard]] char UpperAscii(char c);
[[nodiscard]] std::string LowerAscii(std::string_view text);
[[nodiscard]] std::string UpperAscii(std::string_view text);
[[nodiscard]] bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
[[nodiscard]] bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view ending);

// Bytes of the UTF-8 character that starts at `at`: the byte itself and the
// continuation bytes after it (at most three), so a malformed sequence still
// moves on by at least one byte.
[[nodiscard]] std::size_t Utf8CharacterLength(std::string_view text, std::size_t at);

// The longest prefix of at most `limit` bytes that does not end inside a
// UTF-8 sequence.
[[nodiscard]] std::string_view CutUtf8(std::string_view text, std::size_t limit);

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
[[nodiscard]] bool IsValidUtf8(std::string_view bytes);

}  // namespace blazemere
