// INI document: see ini_document.h.
#include "platform/ini/ini_document.h"

#include <algorithm>

namespace blazemere::platform {

namespace {

// A CR that does not end a CR LF pair (a last line without LF) is blank too.
constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool NamesMatch(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

IniDocument::Line IniDocument::ClassifyLine(std::string raw, std::string ending, IniEncoding encoding) {
  Line line;
  line.raw = std::move(raw);
  line.ending = std::move(ending);
  const std::optional<std::string> decoded = DecodeToUtf8(line.raw, encoding);
  if (!decoded) return line;
  std::string_view text = *decoded;
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  text = Trim(text);
  if (text.starts_with('[')) {
    text.remove_prefix(1);
    const std::size_t close = text.find(']');
    line.kind = Kind::kSection;
    line.name = Trim(text.substr(0, close));
    return line;
  }
  if (text.starts_with(';')) return line;
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return line;
  line.kind = Kind::kEntry;
  line.name = Trim(text.substr(0, equals));
  line.value = Unquote(Trim(text.substr(equals + 1)));
  return line;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
  IniDocument document;
  document.encoding_ = DetectIniEncoding(bytes);
  // Files from Windows end their lines with CR LF; new lines follow the file.
  document.newline_ = document.encoding_ == IniEncoding::kCp932 ? "\r\n" : "\n";
  bool newlineSeen = false;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t lf = bytes.find('\n', start);
    std::string_view content = bytes.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
    std::string ending;
    if (lf != std::string_view::npos) {
      ending = "\n";
      if (content.ends_with('\r')) {
        content.remove_suffix(1);
        ending = "\r\n";
      }
      if (!newlineSeen) {
        document.newline_ = ending;
        newlineSeen = true;
      }
    }
    document.lines_.push_back(ClassifyLine(std::string(content), std::move(ending), document.encoding_));
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  return document;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
  const std::string_view wanted = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::kSection && NamesMatch(lines_[i].name, wanted)) return i;
  }
  return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && lines_[end].kind != Kind::kSection) ++end;
  return end;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return std::nullopt;
  const std::string_view wanted = Trim(key);
  for (std::size_t i = *header + 1; i < SectionEnd(*header); ++i) {
    if (lines_[i].kind == Kind::kEntry && NamesMatch(lines_[i].name, wanted)) return lines_[i].value;
  }
  return std::nullopt;
}

bool IniDocument::AppendLine(std::size_t position, std::string_view utf8Text) {
  std::optional<std::string> raw = EncodeFromUtf8(utf8Text, encoding_);
  if (!raw) return false;
  // The line before the new one must end, or the two would run together.
  if (position > 0 && lines_[position - 1].ending.empty()) lines_[position - 1].ending = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position),
                ClassifyLine(std::move(*raw), newline_, encoding_));
  return true;
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view sectionName = Trim(section);
  const std::string_view keyName = Trim(key);
  if (sectionName.empty() || keyName.empty() || HasLineBreak(section) || HasLineBreak(key) ||
      HasLineBreak(value) || sectionName.find(']') != std::string_view::npos ||
      keyName.find('=') != std::string_view::npos || keyName.starts_with('[') || keyName.starts_with(';')) {
    return false;
  }
  const std::string entry = std::string(keyName) + "=" + std::string(value);

  const std::optional<std::size_t> header = FindSection(sectionName);
  if (!header) {
    const std::size_t end = lines_.size();
    std::vector<Line> saved = lines_;
    if (!AppendLine(end, "[" + std::string(sectionName) + "]") || !AppendLine(end + 1, entry)) {
      lines_ = std::move(saved);
      return false;
    }
    return true;
  }

  const std::size_t end = SectionEnd(*header);
  std::size_t lastContent = *header;
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::kEntry && NamesMatch(lines_[i].name, keyName)) {
      std::optional<std::string> raw = EncodeFromUtf8(entry, encoding_);
      if (!raw) return false;
      lines_[i] = ClassifyLine(std::move(*raw), lines_[i].ending, encoding_);
      return true;
    }
    if (lines_[i].kind != Kind::kOther || !Trim(lines_[i].raw).empty()) lastContent = i;
  }
  return AppendLine(lastContent + 1, entry);
}

std::string IniDocument::Serialize() const {
  std::string bytes;
  for (const Line& line : lines_) bytes += line.raw + line.ending;
  return bytes;
}

}  // namespace blazemere::platform
