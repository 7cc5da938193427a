// Transcripts of the conformance cases and the record they are held to: what
// the Windows services (under Wine) answered to the same cases. A record is
// a text file of blocks, one per case: a line "== <case>" and then the
// case's transcript lines.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace blazemere::testing {

using Transcript = std::vector<std::string>;
using Record = std::map<std::string, Transcript, std::less<>>;

// The bytes as one printable line between double quotes: \r, \n, \t, \\, \"
// and \xNN for every other byte outside printable ASCII.
[[nodiscard]] std::string Quoted(std::string_view bytes);

[[nodiscard]] std::optional<Record> ReadRecord(const std::string& path);
[[nodiscard]] std::string RecordText(const std::vector<std::pair<std::string, Transcript>>& cases);

// One place where our answer differs from the record on purpose: in `caseName`,
// the record's line `theirs` reads `ours` in our transcript, for `reason`.
struct KnownDifference {
  std::string_view caseName;
  std::string_view theirs;
  std::string_view ours;
  std::string_view reason;
};

// Empty when `ours` is the record's transcript of `caseName` with the known
// differences of that case put in; otherwise says which line differs (or
// which known difference no longer applies).
[[nodiscard]] std::string CompareWithRecord(std::string_view caseName, const Transcript& ours, const Record& record,
                                            const std::vector<KnownDifference>& differences);

}  // namespace blazemere::testing
