// Process start on Windows: see process.h. CreateProcessW with the program's
// own path (no search, no shell) and a command line quoted so that the
// child's C runtime reads back exactly our arguments. The started children's
// handles are kept, so "has it ended" is asked of the process itself and
// never of an id the system may have given to another process since.
#include "platform/process/process.h"

#include <windows.h>

#include <map>
#include <mutex>

#include "platform/win32/wide_text.h"

namespace blazemere::platform {

namespace {

// The children started here and not yet seen ending, by id.
class Children {
 public:
  void Add(ProcessId id, HANDLE process) {
    const std::lock_guard lock(mutex_);
    processes_[id] = process;
  }
  // True when `id` is not (or no longer) one of ours, or has ended.
  bool Ended(ProcessId id) {
    const std::lock_guard lock(mutex_);
    const auto found = processes_.find(id);
    if (found == processes_.end()) return true;
    if (WaitForSingleObject(found->second, 0) == WAIT_TIMEOUT) return false;
    CloseHandle(found->second);
    processes_.erase(found);
    return true;
  }
  // Waits up to `grace` for `id` to end, then ends it outright; forgets it.
  void WaitOrTerminate(ProcessId id, DWORD grace) {
    const std::lock_guard lock(mutex_);
    const auto found = processes_.find(id);
    if (found == processes_.end()) return;
    if (WaitForSingleObject(found->second, grace) == WAIT_TIMEOUT) {
      TerminateProcess(found->second, 1);
      WaitForSingleObject(found->second, INFINITE);
    }
    CloseHandle(found->second);
    processes_.erase(found);
  }

 private:
  std::mutex mutex_;
  std::map<ProcessId, HANDLE> processes_;
};

Children& StartedChildren() {
  static Children children;
  return children;
}

// Windows has no SIGTERM: a GUI program is asked to end by closing its
// top-level windows, as the taskbar does.
BOOL CALLBACK CloseIfOwnedBy(HWND window, LPARAM process) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(process)) PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// One argument as the C runtime splits it: quoted when it holds a blank or
// a quote or is empty; backslashes doubled only before a quote.
void AppendQuoted(std::wstring& line, const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += argument;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

}  // namespace

ProcessId StartProgram(const std::string& path, const std::vector<std::string>& arguments) {
  const std::optional<std::wstring> program = WideFromUtf8(path);
  if (!program || program->empty()) return kNoProcess;
  std::wstring line;
  AppendQuoted(line, *program);
  for (const std::string& argument : arguments) {
    const std::optional<std::wstring> wide = WideFromUtf8(argument);
    if (!wide) return kNoProcess;
    line += L' ';
    AppendQuoted(line, *wide);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  // CREATE_NO_WINDOW: a console program (the renderer is one) opens no
  // console window behind its own; a windowed program is not affected.
  if (!CreateProcessW(program->c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &started)) {
    return kNoProcess;
  }
  CloseHandle(started.hThread);
  const ProcessId id = started.dwProcessId;
  StartedChildren().Add(id, started.hProcess);
  return id;
}

bool HasProgramEnded(ProcessId process) {
  if (process <= 0) return true;
  return StartedChildren().Ended(process);
}

void StopProgram(ProcessId process, std::chrono::milliseconds grace) {
  if (process <= 0 || HasProgramEnded(process)) return;
  EnumWindows(CloseIfOwnedBy, static_cast<LPARAM>(process));
  StartedChildren().WaitOrTerminate(process, static_cast<DWORD>(grace.count()));
}

}  // namespace blazemere::platform
