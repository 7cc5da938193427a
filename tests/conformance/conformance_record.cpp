// Conformance transcripts and records: see conformance_record.h.
#include "tests/conformance/conformance_record.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

namespace {

// The record's lines of the case with its known differences put in, and the
// reason of each line that was changed; an error when one does not apply.
struct Expectation {
  std::string error;
  Transcript theirs;
  Transcript lines;
  std::vector<std::string_view> reasons;
};

Expectation Expect(std::string_view caseName, const Record& record, const std::vector<KnownDifference>& differences) {
  const auto found = record.find(caseName);
  if (found == record.end()) return {"the record has no case \"" + std::string(caseName) + "\"", {}, {}, {}};
  Expectation expectation{{}, found->second, found->second, std::vector<std::string_view>(found->second.size())};
  for (const KnownDifference& difference : differences) {
    if (difference.caseName != caseName) continue;
    bool applied = false;
    for (std::size_t i = 0; i < expectation.lines.size() && !applied; ++i) {
      if (expectation.lines[i] == difference.theirs && expectation.reasons[i].empty()) {
        expectation.lines[i] = difference.ours;
        expectation.reasons[i] = difference.reason;
        applied = true;
      }
    }
    if (!applied) expectation.error = "known difference no longer in the record: " + std::string(difference.theirs);
  }
  return expectation;
}

// A cell of the table: long runs of one character shortened, "|" escaped.
std::string Cell(std::string_view text) {
  std::string cell;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t run = 1;
    while (i + run < text.size() && text[i + run] == text[i]) ++run;
    if (run > 12) {
      cell += std::string(3, text[i]) + "…(" + std::to_string(run) + " in all)";
    } else {
      for (std::size_t k = 0; k < run; ++k) cell += text[i] == '|' ? "\\|" : std::string(1, text[i]);
    }
    i += run;
  }
  return "`" + cell + "`";
}

}  // namespace

std::string MarkdownRows(std::string_view caseName, const Transcript& ours, const Record& record,
                         const std::vector<KnownDifference>& differences) {
  const Expectation expectation = Expect(caseName, record, differences);
  std::string rows;
  for (std::size_t i = 0; i < std::max(expectation.theirs.size(), ours.size()); ++i) {
    const std::string theirs = i < expectation.theirs.size() ? expectation.theirs[i] : "";
    const std::string mine = i < ours.size() ? ours[i] : "";
    std::string verdict = theirs == mine ? "same" : "not listed";
    if (theirs != mine && i < expectation.reasons.size() && !expectation.reasons[i].empty()) {
      verdict = "listed: " + std::string(expectation.reasons[i]);
    }
    rows += "| " + (i == 0 ? std::string(caseName) : std::string()) + " | " + Cell(theirs) + " | " +
            (theirs == mine ? std::string("same") : Cell(mine)) + " | " + verdict + " |\n";
  }
  return rows;
}

void AppendMarkdownRows(const std::string& rows) {
  if (const char* path = std::getenv("BLAZEMERE_CONFORMANCE_TABLE"); path != nullptr && path[0] != '\0') {
    std::ofstream(path, std::ios::binary | std::ios::app) << rows;
  }
}

std::string CompareWithRecord(std::string_view caseName, const Transcript& ours, const Record& record,
                              const std::vector<KnownDifference>& differences) {
  const Expectation expectation = Expect(caseName, record, differences);
  if (!expectation.error.empty()) return expectation.error;
  const Transcript& expected = expectation.lines;
  std::ostringstream message;
  for (std::size_t i = 0; i < std::max(expected.size(), ours.size()); ++i) {
    const std::string want = i < expected.size() ? expected[i] : "(no line)";
    const std::string got = i < ours.size() ? ours[i] : "(no line)";
    if (want != got) message << "line " << i + 1 << "\n  expected: " << want << "\n  ours:     " << got << "\n";
  }
  return message.str();
}

}  // namespace blazemere::testing
