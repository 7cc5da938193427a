// INI document: see ini_document.h.
#include "platform/ini/ini_document.h"

#include <algorithm>
#include <string>

#include "common/text.h"

namespace blazemere::platform {

namespace {

// A CR that does not end a CR LF pair (a last line without LF) is blank too.
constexpr std::string_view kLineBlanks = " \t\r";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

bool NamesMatch(std::string_view a, std::string_view b) { return EqualsIgnoringAsciiCase(a, b); }

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Whether the line's first character (past a byte order mark and blanks) is
// "[". A lead byte of Shift_JIS is never "[", so the bytes tell as well as
// the decoded text would.
bool MayBeSectionHeader(std::string_view raw) {
  if (raw.starts_with(kUtf8Bom)) raw.remove_prefix(kUtf8Bom.size());
  const std::size_t first = raw.find_first_not_of(kLineBlanks);
  return first != std::string_view::npos && raw[first] == '[';
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes, std::string_view newFileLineEnding) {
  IniDocument document;
  document.bytes_ = bytes;
  document.encoding_ = DetectIniEncoding(bytes);
  // New lines follow the file's first line ending; files from Windows end
  // their lines with CR LF.
  const std::size_t lf = bytes.find('\n');
  if (lf != std::string_view::npos) {
    document.newline_ = lf > 0 && bytes[lf - 1] == '\r' ? "\r\n" : "\n";
  } else if (document.encoding_ == IniEncoding::kCp932) {
    document.newline_ = "\r\n";
  } else {
    document.newline_ = newFileLineEnding;
  }
  return document;
}

IniDocument::LineSpan IniDocument::LineAt(std::size_t begin) const {
  const std::size_t lf = bytes_.find('\n', begin);
  if (lf == std::string::npos) return {begin, bytes_.size(), bytes_.size()};
  const std::size_t end = lf > begin && bytes_[lf - 1] == '\r' ? lf - 1 : lf;
  return {begin, end, lf + 1};
}

IniDocument::LineMeaning IniDocument::Meaning(const LineSpan& line, IniLineDecoder& decoder) const {
  const std::string_view raw = std::string_view(bytes_).substr(line.begin, line.end - line.begin);
  // Neither a header nor an entry, whatever its characters; no need to decode.
  if (!MayBeSectionHeader(raw) && raw.find('=') == std::string_view::npos) return {};
  const std::optional<std::string_view> decoded = decoder.Decode(raw);
  if (!decoded) return {};
  std::string_view text = *decoded;
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  text = Trim(text, kLineBlanks);
  if (text.starts_with('[')) {
    text.remove_prefix(1);
    return {Kind::kSection, Trim(text.substr(0, text.find(']')), kLineBlanks), {}};
  }
  if (text.starts_with(';')) return {};
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {};
  return {Kind::kEntry, Trim(text.substr(0, equals), kLineBlanks), Unquote(Trim(text.substr(equals + 1), kLineBlanks))};
}

std::optional<IniDocument::LineSpan> IniDocument::FindSection(std::string_view section,
                                                              IniLineDecoder& decoder) const {
  const std::string_view wanted = Trim(section, kLineBlanks);
  for (LineSpan line = LineAt(0); line.begin < bytes_.size(); line = LineAt(line.next)) {
    if (!MayBeSectionHeader(std::string_view(bytes_).substr(line.begin, line.end - line.begin))) continue;
    const LineMeaning meaning = Meaning(line, decoder);
    if (meaning.kind == Kind::kSection && NamesMatch(meaning.name, wanted)) return line;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  IniLineDecoder decoder(encoding_);
  const std::optional<LineSpan> header = FindSection(section, decoder);
  if (!header) return std::nullopt;
  const std::string_view wanted = Trim(key, kLineBlanks);
  for (LineSpan line = LineAt(header->next); line.begin < bytes_.size(); line = LineAt(line.next)) {
    const LineMeaning meaning = Meaning(line, decoder);
    if (meaning.kind == Kind::kSection) break;
    if (meaning.kind == Kind::kEntry && NamesMatch(meaning.name, wanted)) return std::string(meaning.value);
  }
  return std::nullopt;
}

bool IniDocument::InsertLine(std::size_t position, std::string_view utf8Text) {
  const std::optional<std::string> raw = EncodeFromUtf8(utf8Text, encoding_);
  if (!raw) return false;
  // The line before the new one must end, or the two would run together.
  const std::string before = position > 0 && bytes_[position - 1] != '\n' ? newline_ : "";
  bytes_.insert(position, before + *raw + newline_);
  return true;
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view sectionName = Trim(section, kLineBlanks);
  const std::string_view keyName = Trim(key, kLineBlanks);
  if (sectionName.empty() || keyName.empty() || HasLineBreak(section) || HasLineBreak(key) ||
      HasLineBreak(value) || sectionName.find(']') != std::string_view::npos ||
      keyName.find('=') != std::string_view::npos || keyName.starts_with('[') || keyName.starts_with(';')) {
    return false;
  }
  const std::string entry = std::string(keyName) + "=" + std::string(value);
  const std::string headerLine = "[" + std::string(sectionName) + "]";
  // A Shift_JIS file cannot hold every name (an accented letter, an emoji);
  // rather than lose the value, the whole file becomes UTF-8.
  if ((!EncodeFromUtf8(entry, encoding_) || !EncodeFromUtf8(headerLine, encoding_)) && !TurnIntoUtf8()) return false;

  IniLineDecoder decoder(encoding_);
  // Both lines can be encoded now, so a new section is added whole.
  const std::optional<LineSpan> header = FindSection(sectionName, decoder);
  if (!header) return InsertLine(bytes_.size(), headerLine) && InsertLine(bytes_.size(), entry);

  // A new key goes after the section's last line that is not blank.
  std::size_t insertAt = header->next;
  for (LineSpan line = LineAt(header->next); line.begin < bytes_.size(); line = LineAt(line.next)) {
    const LineMeaning meaning = Meaning(line, decoder);
    if (meaning.kind == Kind::kSection) break;
    if (meaning.kind == Kind::kEntry && NamesMatch(meaning.name, keyName)) {
      const std::string rewritten = std::string(meaning.name) + "=" + std::string(value);
      const std::optional<std::string> raw = EncodeFromUtf8(rewritten, encoding_);
      if (!raw) return false;
      bytes_.replace(line.begin, line.end - line.begin, *raw);
      return true;
    }
    if (!Trim(std::string_view(bytes_).substr(line.begin, line.end - line.begin), kLineBlanks).empty()) insertAt = line.next;
  }
  return InsertLine(insertAt, entry);
}

bool IniDocument::TurnIntoUtf8() {
  if (encoding_ == IniEncoding::kUtf8) return true;
  std::optional<std::string> utf8 = DecodeToUtf8(bytes_, encoding_);
  if (!utf8) return false;
  bytes_ = std::move(*utf8);
  encoding_ = IniEncoding::kUtf8;
  return true;
}

}  // namespace blazemere::platform
