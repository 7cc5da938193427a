// Starting another program by its path, the way the host starts its renderer
// and the settings dialog hands an address on: no shell in between, no
// waiting for it; and stopping one it started.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace blazemere::platform {

// A started program, as the system numbers it.
using ProcessId = std::int64_t;
inline constexpr ProcessId kNoProcess = -1;

// Starts `path` with `arguments` (argv[1...]) and this process's environment.
// Returns the child's id, or kNoProcess when it could not be started
// (missing file, not executable). The child is not waited for; it is
// collected by HasProgramEnded, or by the system once the starter ends.
[[nodiscard]] ProcessId StartProgram(const std::string& path, const std::vector<std::string>& arguments = {});

// Collects children that have ended, so none lingers as a zombie while the
// starter runs on. Returns true if `process` is among them or is already
// gone (kNoProcess included).
[[nodiscard]] bool HasProgramEnded(ProcessId process);

// Asks a program this process started to end (SIGTERM; on Windows, its
// windows are closed), waits up to `grace` for it and ends it outright after
// that; collects it either way. Returns at once for kNoProcess and for a
// program already seen ending.
void StopProgram(ProcessId process, std::chrono::milliseconds grace);

}  // namespace blazemere::platform
