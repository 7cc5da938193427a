// The saver window's run on Windows: see saver_loop.h.
#include "host/win32/saver_loop.h"

#include <windows.h>

#include <algorithm>

#include "common/names.h"
#include "host/win32/controls/window_class.h"
#include "platform/win32/wide_text.h"

namespace blazemere::host {

namespace {

using Clock = SaverWindow::Clock;

constexpr const wchar_t* kClassName = L"BlazemereSaverWindow";

// A window timer's id is its place in the core's list, from 1 (0 is no id).
UINT_PTR TimerId(std::size_t index) { return index + 1; }

// What the window procedure works on; it reaches it through the window.
struct Run {
  SaverWindow& window;
  bool armed[SaverWindow::kTimers.size()] = {};
};

// Arms a window timer for each of the core's timers that is enabled and
// kills the others, after every step that may switch one.
void FollowTimers(HWND hwnd, Run& run) {
  for (std::size_t i = 0; i < SaverWindow::kTimers.size(); ++i) {
    const WindowTimer& timer = run.window.timer(SaverWindow::kTimers[i]);
    if (timer.enabled() && !run.armed[i]) {
      const auto interval = static_cast<UINT>(std::max<long long>(timer.interval().count(), USER_TIMER_MINIMUM));
      run.armed[i] = SetTimer(hwnd, TimerId(i), interval, nullptr) != 0;
    } else if (!timer.enabled() && run.armed[i]) {
      KillTimer(hwnd, TimerId(i));
      run.armed[i] = false;
    }
  }
}

LRESULT CALLBACK SaverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Run* run = WindowObject<Run>(hwnd, message, lParam);
  if (run == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_TIMER: {
      const std::size_t index = static_cast<std::size_t>(wParam) - 1;
      if (index >= SaverWindow::kTimers.size()) break;
      const SaverWindow::Timer which = SaverWindow::kTimers[index];
      // A tick queued before its timer was switched off is dropped.
      if (!run->window.timer(which).enabled() || run->window.UnloadRequested()) return 0;
      run->window.Tick(which, Clock::now());
      FollowTimers(hwnd, *run);
      if (run->window.UnloadRequested()) DestroyWindow(hwnd);
      return 0;
    }
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The process may be ended without another message: unload now.
      if (wParam != FALSE) run->window.QueryUnload();
      return 0;
    case WM_DESTROY:
      for (std::size_t i = 0; i < SaverWindow::kTimers.size(); ++i) KillTimer(hwnd, TimerId(i));
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RunSaverLoop(SaverWindow& window) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(kClassName, SaverWindowProc, ClassPointer::kNone)) {
    window.QueryUnload();
    return;
  }
  Run run{window};
  const std::wstring title = platform::WideFromUtf8(names::kSaverWindowTitle).value_or(L"");
  // Never shown: it is there to be found and to carry the timers.
  HWND hwnd = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance,
                              &run);
  if (hwnd == nullptr) {
    window.QueryUnload();  // nothing started; the pointer comes back
    return;
  }
  window.FormLoad(Clock::now());
  FollowTimers(hwnd, run);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
  window.QueryUnload();
}

}  // namespace blazemere::host
