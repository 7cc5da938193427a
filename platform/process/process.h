// Starting another program by its path, the way the host starts its
// renderer: no shell in between, no waiting for it.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace blazemere::platform {

// Starts `path` with `arguments` (argv[1...]) and this process's environment.
// Returns the child's pid, or -1 when it could not be started (missing file,
// not executable). The child is not waited for; it is reaped by the kernel
// once the starter ends, or by ReapFinishedChildren.
pid_t StartProgram(const std::string& path, const std::vector<std::string>& arguments = {});

// Collects children that have ended, so none lingers as a zombie while the
// starter runs on. Returns true if `pid` is among them or is already gone.
bool HasProgramEnded(pid_t pid);

}  // namespace blazemere::platform
