// measure-window-timing: how long a program takes from its start until a
// window with a given title exists (found by the same whole-tree title lookup
// the host uses), and from an Escape key sent to that window until the
// program has ended. Measured in-process, so no helper program's own start-up
// is counted. Prints every run and the medians. With --resident-after S it
// also reads the program's resident memory S seconds after its start, just
// before the Escape.
// Usage: measure-window-timing [--resident-after S] RUNS TITLE PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <algorithm>
#include <chrono>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "platform/process/process.h"
#include "platform/window_lookup/x11/x11_window_lookup.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

Window WaitForWindow(blazemere::platform::X11Connection& connection, const std::string& title, pid_t pid) {
  const auto deadline = Clock::now() + 20s;
  while (Clock::now() < deadline) {
    if (const Window window = blazemere::platform::FindWindowByTitle(connection, title); window != 0) return window;
    if (waitpid(pid, nullptr, WNOHANG) == pid) return 0;
    std::this_thread::sleep_for(1ms);
  }
  return 0;
}

void SendEscape(Display* display, Window window) {
  XKeyEvent key{};
  key.type = KeyPress;
  key.display = display;
  key.window = window;
  key.root = DefaultRootWindow(display);
  key.same_screen = True;
  key.keycode = XKeysymToKeycode(display, XK_Escape);
  XSendEvent(display, window, True, KeyPressMask, reinterpret_cast<XEvent*>(&key));
  key.type = KeyRelease;
  XSendEvent(display, window, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&key));
  XFlush(display);
}

bool WaitForExit(pid_t pid) {
  const auto deadline = Clock::now() + 20s;
  while (Clock::now() < deadline) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(1ms);
  }
  return false;
}

// Resident memory of /proc/PID/status in kB: "rss N anon N file N".
std::string ResidentMemory(pid_t pid) {
  constexpr std::pair<const char*, const char*> kFields[] = {{"VmRSS:", "rss"}, {"RssAnon:", "anon"}, {"RssFile:", "file"}};
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  std::string found;
  while (std::getline(status, line)) {
    for (const auto& [key, label] : kFields) {
      if (line.rfind(key, 0) != 0) continue;
      if (!found.empty()) found += ' ';
      found += std::string(label) + ' ' + std::to_string(std::atol(line.c_str() + std::string(key).size()));
    }
  }
  return found.empty() ? "unknown" : found;
}

}  // namespace

int main(int argc, char** argv) {
  double residentAfterSeconds = 0;
  if (argc > 2 && std::string(argv[1]) == "--resident-after") {
    residentAfterSeconds = std::atof(argv[2]);
    argc -= 2;
    argv += 2;
  }
  if (argc < 4) {
    std::fprintf(stderr, "usage: measure-window-timing [--resident-after S] RUNS TITLE PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::string title = argv[2];
  const std::string program = argv[3];
  const std::vector<std::string> arguments(argv + 4, argv + argc);
  const std::unique_ptr<blazemere::platform::X11Connection> connection = blazemere::platform::X11Connection::Open();
  if (!connection || runs < 1) {
    std::fprintf(stderr, "measure-window-timing: needs a display and at least one run\n");
    return 2;
  }

  Display* display = connection->display();
  std::vector<double> starts;
  std::vector<double> ends;
  for (int run = 1; run <= runs; ++run) {
    const auto started = Clock::now();
    const auto pid = static_cast<pid_t>(blazemere::platform::StartProgram(program, arguments));
    const Window window = pid > 0 ? WaitForWindow(*connection, title, pid) : 0;
    if (window == 0) {
      std::fprintf(stderr, "run %d: no window \"%s\" appeared\n", run, title.c_str());
      return 1;
    }
    starts.push_back(Milliseconds(Clock::now() - started));
    std::this_thread::sleep_for(1s);  // let it settle: full screen, palette read
    if (residentAfterSeconds > 0) {
      std::this_thread::sleep_until(started + std::chrono::duration<double>(residentAfterSeconds));
      std::printf("run %d: resident after %g s (kB): %s\n", run, residentAfterSeconds, ResidentMemory(pid).c_str());
    }
    const auto escaped = Clock::now();
    SendEscape(display, window);
    if (!WaitForExit(pid)) {
      std::fprintf(stderr, "run %d: still running 20 s after Escape\n", run);
      return 1;
    }
    ends.push_back(Milliseconds(Clock::now() - escaped));
    std::printf("run %d: start to window %.0f ms, Escape to exit %.0f ms\n", run, starts.back(), ends.back());
    std::this_thread::sleep_for(200ms);
  }
  std::printf("median start to window: %.0f ms\n", Median(starts));
  std::printf("median Escape to exit:  %.0f ms\n", Median(ends));
  return 0;
}
