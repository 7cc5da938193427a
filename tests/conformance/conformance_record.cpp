// Conformance transcripts and records: see conformance_record.h.
#include "tests/conformance/conformance_record.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace blazemere::testing {

std::string Quoted(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      default:
        if (c >= 0x20 && c < 0x7F) {
          out += c;
        } else {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
          out += hex;
        }
    }
  }
  return out + "\"";
}

std::optional<Record> ReadRecord(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Record record;
  Transcript* current = nullptr;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("== ")) {
      current = &record[line.substr(3)];
    } else if (current != nullptr && !line.empty()) {
      current->push_back(line);
    }
  }
  return record;
}

std::string RecordText(const std::vector<std::pair<std::string, Transcript>>& cases) {
  std::string text;
  for (const auto& [name, lines] : cases) {
    text += "== " + name + "\n";
    for (const std::string& line : lines) text += line + "\n";
  }
  return text;
}

std::string CompareWithRecord(std::string_view caseName, const Transcript& ours, const Record& record,
                              const std::vector<KnownDifference>& differences) {
  const auto found = record.find(caseName);
  if (found == record.end()) return "the record has no case \"" + std::string(caseName) + "\"";
  // The record's lines with the case's known differences put in, each on a
  // line of its own.
  Transcript expected = found->second;
  std::vector<bool> changed(expected.size());
  for (const KnownDifference& difference : differences) {
    if (difference.caseName != caseName) continue;
    std::size_t i = 0;
    while (i < expected.size() && (changed[i] || expected[i] != difference.theirs)) ++i;
    if (i == expected.size()) return "known difference no longer in the record: " + std::string(difference.theirs);
    expected[i] = difference.ours;
    changed[i] = true;
  }
  std::ostringstream message;
  for (std::size_t i = 0; i < std::max(expected.size(), ours.size()); ++i) {
    const std::string want = i < expected.size() ? expected[i] : "(no line)";
    const std::string got = i < ours.size() ? ours[i] : "(no line)";
    if (want != got) message << "line " << i + 1 << "\n  expected: " << want << "\n  ours:     " << got << "\n";
  }
  return message.str();
}

}  // namespace blazemere::testing
