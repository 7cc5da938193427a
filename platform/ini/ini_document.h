// One INI file in memory, read and changed the way the Windows private
// profile functions do it, while every line we do not change keeps its exact
// bytes (other sections, comments, unknown keys, order, line endings,
// encoding). Pure: no file access.
//
// The document is the file's bytes themselves; lines are found and read
// where they lie when a value is asked for or set, so a file of millions of
// lines costs one scan per call and no more memory than its own size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini/ini_encoding.h"

namespace blazemere::platform {

class IniDocument {
 public:
  // Never fails: lines that cannot be decoded are kept and match nothing.
  // New lines end as the file's first line does; `newFileLineEnding` serves
  // a file that has no line ending yet (a new one).
  static IniDocument Parse(std::string_view bytes, std::string_view newFileLineEnding = "\n");

  // The value (UTF-8) of `key` in the first section named `section`, blanks
  // around it trimmed and one pair of matching quotes removed; nullopt when
  // section or key is missing. Names match without regard to ASCII case.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // Sets key=value, replacing the key's line (the name keeps the file's
  // spelling, as Windows keeps it), appending the key to the end of its
  // section, or appending the section to the end of the document. Text
  // a Shift_JIS file cannot hold turns the whole document into UTF-8, every
  // other line keeping its text. False (and nothing changed) for names or
  // values that would break the file's structure, or for such text in a
  // Shift_JIS file with lines that do not decode.
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);

  std::string Serialize() const { return bytes_; }
  IniEncoding encoding() const { return encoding_; }

 private:
  // Where one line lies in bytes_: its text is [begin, end), its ending
  // ("\n", "\r\n" or nothing for a last line without one) runs up to next.
  struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
  };
  enum class Kind { kOther, kSection, kEntry };
  // Views into the line's bytes or the decoder's buffer: use before the
  // next decode.
  struct LineMeaning {
    Kind kind = Kind::kOther;
    std::string_view name;   // section name or key, trimmed, UTF-8
    std::string_view value;  // entry value, trimmed and unquoted, UTF-8
  };

  LineSpan LineAt(std::size_t begin) const;
  LineMeaning Meaning(const LineSpan& line, IniLineDecoder& decoder) const;
  // The header line of the first section named `section`.
  std::optional<LineSpan> FindSection(std::string_view section, IniLineDecoder& decoder) const;
  // Puts `utf8Text` as a line of its own at byte `position` (a line start).
  bool InsertLine(std::size_t position, std::string_view utf8Text);
  // False, and nothing changed, when a line does not decode.
  bool TurnIntoUtf8();

  IniEncoding encoding_ = IniEncoding::kUtf8;
  std::string newline_ = "\n";
  std::string bytes_;
};

}  // namespace blazemere::platform
