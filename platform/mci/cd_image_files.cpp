// Companion and sheet names of a disc image, by libcdio's own rules: endings
// are matched all lower or all upper case, keywords exactly.
#include "platform/mci/cd_image_files.h"

#include <array>

namespace blazemere::platform::mci {

namespace {

bool EndsIn(const std::string& name, std::string_view lower, std::string_view upper) {
  if (name.size() <= lower.size()) return false;
  const std::string_view ending = std::string_view(name).substr(name.size() - lower.size());
  return ending == lower || ending == upper;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::optional<std::string> NameOnLine(std::string_view line) {
  static constexpr std::array<std::string_view, 4> kKeywords = {"FILE", "AUDIOFILE", "DATAFILE", "CDTEXTFILE"};
  std::size_t at = 0;
  while (at < line.size() && IsBlank(line[at])) ++at;
  std::size_t end = at;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  const std::string_view keyword = line.substr(at, end - at);
  bool named = false;
  for (std::string_view k : kKeywords) named = named || keyword == k;
  if (!named) return std::nullopt;
  at = end;
  while (at < line.size() && IsBlank(line[at])) ++at;
  if (at < line.size() && line[at] == '"') {
    end = line.find('"', ++at);
    if (end == std::string_view::npos) end = line.size();
  } else {
    end = at;
    while (end < line.size() && !IsBlank(line[end])) ++end;
  }
  if (end == at) return std::nullopt;
  return std::string(line.substr(at, end - at));
}

}  // namespace

std::optional<std::string> CompanionImageFile(const std::string& source) {
  const std::string stem = source.substr(0, source.size() >= 3 ? source.size() - 3 : 0);
  if (EndsIn(source, "cue", "CUE")) return stem + (source.back() == 'e' ? "bin" : "BIN");
  if (EndsIn(source, "bin", "BIN")) return stem + (source.back() == 'n' ? "cue" : "CUE");
  return std::nullopt;
}

bool IsImageSheet(const std::string& name) { return EndsIn(name, "cue", "CUE") || EndsIn(name, "toc", "TOC"); }

std::vector<std::string> SheetFileNames(std::string_view sheet) {
  std::vector<std::string> names;
  while (!sheet.empty()) {
    const std::size_t end = sheet.find_first_of("\r\n");
    if (auto name = NameOnLine(sheet.substr(0, end))) names.push_back(std::move(*name));
    sheet = end == std::string_view::npos ? std::string_view() : sheet.substr(end + 1);
  }
  return names;
}

}  // namespace blazemere::platform::mci
