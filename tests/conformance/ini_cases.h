// The INI conformance cases: files and edits applied through a private
// profile API (the Windows functions, or ours), each told as a transcript of
// what every read returned, whether every write succeeded and the file's
// bytes at the end.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/conformance/conformance_record.h"

namespace blazemere::testing {

// GetPrivateProfileStringA (default "", 256-byte buffer, as the host reads)
// and WritePrivateProfileStringA, or their stand-ins.
class ProfileApi {
 public:
  virtual ~ProfileApi() = default;
  virtual std::string Read(const std::string& section, const std::string& key, const std::string& file) = 0;
  virtual bool Write(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& file) = 0;
};

struct IniStep {
  bool write = false;
  std::string section;
  std::string key;
  std::string value;  // writes only
};

struct IniCase {
  std::string name;
  std::optional<std::string> initial;  // the file's bytes before the steps; none: no file
  std::vector<IniStep> steps;
};

[[nodiscard]] const std::vector<IniCase>& IniCases();

// Runs the case on `file` (replaced or removed first). A file the case
// creates is told with Windows' line endings: where the API ends the lines of
// a new file with `newFileLineEnding` instead, that is the system's way, not
// a difference.
[[nodiscard]] Transcript RunIniCase(const IniCase& iniCase, ProfileApi& api, const std::string& file,
                                    std::string_view newFileLineEnding = "\r\n");

}  // namespace blazemere::testing
