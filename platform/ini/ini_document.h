// One INI file in memory, read and changed the way the Windows private
// profile functions do it, while every line we do not change keeps its exact
// bytes (other sections, comments, unknown keys, order, line endings,
// encoding). Pure: no file access.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/ini_encoding.h"

namespace blazemere::platform {

class IniDocument {
 public:
  // Never fails: lines that cannot be decoded are kept and match nothing.
  static IniDocument Parse(std::string_view bytes);

  // The value (UTF-8) of `key` in the first section named `section`, blanks
  // around it trimmed and one pair of matching quotes removed; nullopt when
  // section or key is missing. Names match without regard to ASCII case.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // Sets key=value, replacing the key's line, appending the key to the end of
  // its section, or appending the section to the end of the document.
  // False (and nothing changed) for names or values that would break the
  // file's structure, or text the file's encoding cannot hold.
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);

  std::string Serialize() const;
  IniEncoding encoding() const { return encoding_; }

 private:
  enum class Kind { kOther, kSection, kEntry };
  struct Line {
    std::string raw;      // the line's bytes in the file's encoding, no ending
    std::string ending;   // "\r\n", "\n" or "" for a last line without one
    Kind kind = Kind::kOther;
    std::string name;     // section name or key, trimmed, UTF-8
    std::string value;    // entry value, trimmed and unquoted, UTF-8
  };

  static Line ClassifyLine(std::string raw, std::string ending, IniEncoding encoding);
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::size_t SectionEnd(std::size_t header) const;  // index after its last line
  bool AppendLine(std::size_t position, std::string_view utf8Text);

  IniEncoding encoding_ = IniEncoding::kUtf8;
  std::string newline_ = "\n";
  std::vector<Line> lines_;
};

}  // namespace blazemere::platform
