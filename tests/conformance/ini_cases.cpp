// The INI conformance cases: the settings file's own shapes first, then what
// a hand-edited or foreign file may hold.
#include "tests/conformance/ini_cases.h"

#include <cstdio>
#include <fstream>

#include "platform/files/files.h"

namespace blazemere::testing {

namespace {

IniStep Read(std::string section, std::string key) { return {false, std::move(section), std::move(key), {}}; }
IniStep Write(std::string section, std::string key, std::string value) {
  return {true, std::move(section), std::move(key), std::move(value)};
}

std::vector<IniCase> MakeCases() {
  return {
      // Reads.
      {"plain value", "[Section]\r\nkey=value\r\n", {Read("Section", "key")}},
      {"missing file", std::nullopt, {Read("Section", "key")}},
      {"missing section", "[Other]\r\nkey=value\r\n", {Read("Section", "key")}},
      {"missing key", "[Section]\r\nkey=value\r\n", {Read("Section", "other")}},
      {"blanks around names and value", "[ Section ]\r\n  key  =  value  \r\n", {Read("Section", "key")}},
      {"tabs around value", "[Section]\r\nkey=\tvalue\t\r\n", {Read("Section", "key")}},
      {"blanks inside value kept", "[Section]\r\nkey=a  b\r\n", {Read("Section", "key")}},
      {"blanks around asked names", "[Section]\r\nkey=value\r\n", {Read(" Section ", " key ")}},
      {"double quotes around value", "[Section]\r\nkey=\" quoted \"\r\n", {Read("Section", "key")}},
      {"single quotes around value", "[Section]\r\nkey=' quoted '\r\n", {Read("Section", "key")}},
      {"unmatched quote", "[Section]\r\nkey=\"open\r\n", {Read("Section", "key")}},
      {"quotes inside value", "[Section]\r\nkey=a\"b\"c\r\n", {Read("Section", "key")}},
      {"quoted value with blanks outside", "[Section]\r\nkey=  \"x\"  \r\n", {Read("Section", "key")}},
      {"section name case", "[SECTION]\r\nkey=value\r\n", {Read("section", "key")}},
      {"key name case", "[Section]\r\nKEY=value\r\n", {Read("Section", "Key")}},
      {"duplicate sections",
       "[Section]\r\nkey=first\r\n[Section]\r\nkey=second\r\nonly=second\r\n",
       {Read("Section", "key"), Read("Section", "only")}},
      {"duplicate keys", "[Section]\r\nkey=first\r\nkey=second\r\n", {Read("Section", "key")}},
      {"no final newline", "[Section]\r\nkey=value", {Read("Section", "key")}},
      {"LF line endings", "[Section]\nkey=value\nnext=2\n", {Read("Section", "key"), Read("Section", "next")}},
      {"value of 300 bytes", "[Section]\r\nkey=" + std::string(300, 'v') + "\r\n", {Read("Section", "key")}},
      {"value of 255 bytes", "[Section]\r\nkey=" + std::string(255, 'w') + "\r\n", {Read("Section", "key")}},
      {"empty value", "[Section]\r\nkey=\r\nnext=2\r\n", {Read("Section", "key"), Read("Section", "next")}},
      {"key without equals sign", "[Section]\r\nkey\r\nnext=2\r\n", {Read("Section", "key"), Read("Section", "next")}},
      {"keys before any section", "key=outside\r\n[Section]\r\nkey=inside\r\n", {Read("Section", "key")}},
      {"semicolon comment", "[Section]\r\n;key=hidden\r\nkey=shown\r\n", {Read("Section", "key"), Read("Section", ";key")}},
      {"hash comment", "[Section]\r\n#key=hash\r\n", {Read("Section", "#key"), Read("Section", "key")}},
      {"comment after value", "[Section]\r\nkey=value ; note\r\n", {Read("Section", "key")}},
      {"equals sign in value", "[Section]\r\nkey=a=b\r\n", {Read("Section", "key")}},
      {"blank inside key name", "[Section]\r\nmy key=value\r\n", {Read("Section", "my key")}},
      {"text after section header", "[Section] trailing\r\nkey=value\r\n", {Read("Section", "key")}},
      {"blank lines inside section", "[Section]\r\n\r\n\r\nkey=value\r\n", {Read("Section", "key")}},
      {"UTF-8 byte order mark", "\xEF\xBB\xBF[Section]\r\nkey=value\r\n", {Read("Section", "key")}},
      {"the host's settings", "[Section]\r\nBGMmode= 2\r\nBGMrepeat= 0\r\nBGMfile=C:\\Music\\fire song.mp3\r\n",
       {Read("Section", "BGMmode"), Read("Section", "BGMrepeat"), Read("Section", "BGMfile")}},

      // Writes.
      {"first write creates the file", std::nullopt, {Write("Section", "key", "value")}},
      {"key order of a new file", std::nullopt,
       {Write("Section", "BGMmode", " 2"), Write("Section", "BGMrepeat", " 0"),
        Write("Section", "BGMfile", "C:\\Music\\fire.mp3")}},
      {"write to an existing key", "[Section]\r\nkey=old\r\nnext=2\r\n",
       {Write("Section", "key", "new"), Read("Section", "key")}},
      {"write a new key to an existing section", "[Section]\r\nkey=old\r\n[Other]\r\nz=9\r\n",
       {Write("Section", "added", "1")}},
      {"write a new section", "[Other]\r\nz=9\r\n", {Write("Section", "key", "v")}},
      {"write keeps the key's case", "[Section]\r\nKey=old\r\n", {Write("section", "KEY", "new")}},
      {"write with blanks around value", std::nullopt, {Write("Section", "key", "  padded  "), Read("Section", "key")}},
      {"write quoted value", std::nullopt, {Write("Section", "key", "\"quoted\""), Read("Section", "key")}},
      {"write empty value", "[Section]\r\nkey=old\r\n", {Write("Section", "key", ""), Read("Section", "key")}},
      {"write a value of 256 bytes", std::nullopt,
       {Write("Section", "key", std::string(256, 'x')), Read("Section", "key")}},
      {"write to an LF file", "[Section]\nkey=old\n", {Write("Section", "added", "1")}},
      {"write to a file without final newline", "[Section]\r\nkey=old", {Write("Section", "added", "1")}},
      {"write keeps comments and blank lines", "; settings\r\n\r\n[Section]\r\n; note\r\nkey=old\r\n\r\n[Other]\r\nz=9\r\n",
       {Write("Section", "key", "new")}},
      {"write into a duplicate section", "[Section]\r\nkey=first\r\n[Section]\r\nkey=second\r\n",
       {Write("Section", "key", "new"), Read("Section", "key")}},
      {"write to a blank-padded key", "[Section]\r\n  key  =  old  \r\n", {Write("Section", "key", "new")}},
  };
}

std::string WindowsLineEndings(const std::string& bytes, std::string_view lineEnding) {
  std::string converted;
  for (std::size_t at = 0; at < bytes.size();) {
    if (bytes.compare(at, lineEnding.size(), lineEnding) == 0) {
      converted += "\r\n";
      at += lineEnding.size();
    } else {
      converted += bytes[at++];
    }
  }
  return converted;
}

}  // namespace

const std::vector<IniCase>& IniCases() {
  static const std::vector<IniCase> cases = MakeCases();
  return cases;
}

Transcript RunIniCase(const IniCase& iniCase, ProfileApi& api, const std::string& file,
                      std::string_view newFileLineEnding) {
  std::remove(file.c_str());
  if (iniCase.initial) std::ofstream(file, std::ios::binary) << *iniCase.initial;
  Transcript lines;
  for (const IniStep& step : iniCase.steps) {
    const std::string where = "[" + step.section + "] " + Quoted(step.key);
    if (step.write) {
      const bool written = api.Write(step.section, step.key, step.value, file);
      lines.push_back("write " + where + " = " + Quoted(step.value) + ": " + (written ? "ok" : "failed"));
    } else {
      lines.push_back("read " + where + ": " + Quoted(api.Read(step.section, step.key, file)));
    }
  }
  std::optional<std::string> bytes = platform::ReadWholeFile(file);
  if (bytes && !iniCase.initial && newFileLineEnding != "\r\n") *bytes = WindowsLineEndings(*bytes, newFileLineEnding);
  lines.push_back("file: " + (bytes ? Quoted(*bytes) : std::string("missing")));
  return lines;
}

}  // namespace blazemere::testing
