// The file service on Windows: see files.h. Paths are UTF-8 and go to the
// W calls; reads take only disk files, so a named pipe or a console never
// stalls or feeds the reader.
#include "platform/files/files.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

#include "platform/paths/native_path.h"
#include "platform/win32/wide_text.h"

namespace blazemere::platform {

namespace {

// Owns one handle from CreateFileW.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  [[nodiscard]] bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  [[nodiscard]] HANDLE get() const { return handle_; }
  bool Close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

FileHandle OpenForReading(const std::wstring& path) {
  return FileHandle(CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
}

DWORD AttributesOf(const std::string& path) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide || wide->empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(wide->c_str());
}

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// A name beside `path` that no other writer of this or another process
// picks at the same moment.
std::wstring TemporaryNameBeside(const std::wstring& path) {
  static std::atomic<unsigned> counter{0};
  return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++) + L".tmp";
}

// The folder that would receive a new file `file`: "." for a bare name.
std::string FolderToWrite(const std::string& file) {
  const std::string folder = NativeFolderOf(file);
  return folder.empty() ? "." : folder;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide || wide->empty()) return std::nullopt;
  FileHandle file = OpenForReading(*wide);
  if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || static_cast<unsigned long long>(size.QuadPart) > limit) {
    return std::nullopt;
  }
  std::string bytes;
  std::vector<char> chunk(65536);
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    if (bytes.size() + got > limit) return std::nullopt;
    bytes.append(chunk.data(), got);
  }
  return bytes;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  const std::optional<std::wstring> target = WideFromUtf8(path);
  if (!target || target->empty()) return false;
  // A read-only file is the user's "leave this alone". Windows refuses to
  // move a file over it, but not every implementation of the call does
  // (Wine replaces it): ask first.
  const DWORD attributes = GetFileAttributesW(target->c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
  const std::wstring temporary = TemporaryNameBeside(*target);
  FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  if (!file.valid()) return false;
  const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
  const bool closed = file.Close();
  // A rename within one folder: readers see the old file or the new one.
  if (!written || !closed ||
      !MoveFileExW(temporary.c_str(), target->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

void IgnoreFileSizeLimitSignal() {}

bool MakeStandardOutputBinary() { return _setmode(_fileno(stdout), _O_BINARY) != -1; }

bool CreateFolders(const std::string& folder) {
  const std::optional<std::wstring> wide = WideFromUtf8(folder);
  if (!wide || wide->empty()) return false;
  // Every step of the way is tried; the steps that cannot be made ("C:",
  // "\\server\share", folders that exist) are judged by the end result.
  for (std::size_t at = wide->find_first_of(L"\\/", 1); at != std::wstring::npos;
       at = wide->find_first_of(L"\\/", at + 1)) {
    CreateDirectoryW(wide->substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryW(wide->c_str(), nullptr);
  return IsFolder(GetFileAttributesW(wide->c_str()));
}

bool OpensAsFile(const std::string& path) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide || wide->empty()) return false;
  // CreateFileW opens no folder without FILE_FLAG_BACKUP_SEMANTICS.
  return OpenForReading(*wide).valid();
}

bool PathExists(const std::string& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool IsSurelyMissing(const std::string& path) {
  if (AttributesOf(path) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool CanReplaceFile(const std::string& file) {
  const std::optional<std::wstring> wide = WideFromUtf8(file);
  const std::optional<std::wstring> folder = WideFromUtf8(FolderToWrite(file));
  if (!wide || wide->empty() || !folder) return false;
  // Asking is the only reliable test of a folder's access rules: a probe
  // file that is gone again as soon as it is closed.
  const std::wstring probe = TemporaryNameBeside(*folder + L"\\blazemere-probe");
  FileHandle made(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!made.valid()) return false;
  made.Close();
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  return !IsFolder(attributes) && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

}  // namespace blazemere::platform
