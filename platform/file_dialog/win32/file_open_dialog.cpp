// The common file-open dialog on Windows: see file_dialog.h.
//
// The W form of the call, so a Japanese name reaches us whole whatever the
// user's ANSI code page; the request is otherwise the one the settings
// dialog has always made: one filter, no proposed name, no flags (the
// read-only box shows, a name that does not exist is accepted).
#include "platform/file_dialog/file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <array>

#include "platform/file_dialog/path_length_limit.h"
#include "platform/message_box/message_box.h"
#include "platform/win32/wide_text.h"

namespace blazemere::platform {
namespace {

constexpr DWORD kBufferChars = 255;

// "name" NUL "patterns" NUL NUL: the filter list of one entry.
std::wstring FilterList(const OpenFileRequest& request) {
  std::wstring list = WideFromUtf8(request.filterName).value_or(L"");
  list.push_back(L'\0');
  list += WideFromUtf8(request.filterPatterns).value_or(L"");
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) {
  const std::wstring filter = FilterList(request);
  const std::wstring title = WideFromUtf8(request.title).value_or(L"");
  // A folder that is not valid UTF-8 cannot be named: the chooser starts
  // where the system would start it.
  const std::optional<std::wstring> folder = WideFromUtf8(request.initialFolder);
  for (;;) {
    std::array<wchar_t, kBufferChars> file{};
    std::array<wchar_t, kBufferChars> fileTitle{};
    OPENFILENAMEW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = reinterpret_cast<HWND>(request.owner);
    record.hInstance = GetModuleHandleW(nullptr);
    record.lpstrFilter = filter.c_str();
    record.lpstrFile = file.data();
    record.nMaxFile = kBufferChars;
    record.lpstrFileTitle = fileTitle.data();
    record.nMaxFileTitle = kBufferChars;
    record.lpstrInitialDir = folder && !folder->empty() ? folder->c_str() : nullptr;
    record.lpstrTitle = title.c_str();
    record.Flags = 0;
    // Cancelled, or failed (a name longer than the buffer included): nothing chosen.
    if (!GetOpenFileNameW(&record)) return std::nullopt;
    const std::string path = Utf8FromWide(file.data());
    const std::optional<std::string> refusal = PathTooLongMessage(path, request.longestPath);
    if (!refusal) return path;
    ShowMessageBox(request.title, *refusal, MessageBoxIcon::kError);
  }
}

}  // namespace blazemere::platform
