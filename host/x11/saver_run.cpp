// Saver run: see saver_run.h.
#include "host/x11/saver_run.h"

#include <algorithm>
#include <poll.h>
#include <unistd.h>

#include "common/names.h"
#include "host/core/saver/palette_ramp_file.h"
#include "host/x11/shutdown_signals.h"
#include "platform/paths/drive_letter_path.h"
#include "platform/process/process.h"
#include "platform/window_lookup/x11/x11_window_lookup.h"
#include "platform/x11/x11_titled_window.h"

namespace blazemere::host {

namespace {

using Clock = WindowTimer::Clock;

// Xlib's lost-connection handler gets no context, and it must not return;
// this is how it reaches the run whose end it has to carry out.
SaverRun* g_activeRun = nullptr;

}  // namespace

SaverRun::SaverRun(HostContext& context, Display* display, platform::X11Cursor& cursor)
    : context_(context), display_(display), cursor_(cursor), layer_(platform::CreateMultimediaLayer()) {
  if (layer_) bgm_.emplace(*layer_, context_.settings);
}

SaverRun::~SaverRun() {
  if (g_activeRun == this) g_activeRun = nullptr;
}

void SaverRun::FormLoad() {
  window_ = platform::CreateHiddenTitledWindow(display_, names::kSaverWindowTitle);
  // Every step goes on after a failure of the one before.
  (void)WritePaletteRampFile(platform::MapDriveLetterPath(names::kPaletteImagePath));
  rendererPath_ = context_.hostFolder + "/" + names::kRendererFileName;
  rendererPid_ = platform::StartProgram(rendererPath_);
  const Clock::time_point now = Clock::now();
  watch_ = RendererWatch(now);
  if (bgm_ && context_.settings.bgmMode == MusicKind::kAudioCd) {
    bgm_->OpenCdAudio();
    timer2_.Enable(now);  // the CD watch starts the disc
  }
  if (bgm_ && context_.settings.bgmMode == MusicKind::kMusicFile) {
    const MusicFileKind kind = context_.settings.bgmFileKind;
    if (kind == MusicFileKind::kWav) bgm_->StartWav();
    if (kind == MusicFileKind::kMp3) {
      bgm_->StartMp3();
      timer1_.Enable(now);
    }
  }
  timer3_.Enable(now);
}

void SaverRun::Timer1Tick() {
  if (bgm_) bgm_->RepeatMp3();
}

void SaverRun::Timer2Tick() {
  if (!bgm_ || !bgm_->WatchCdAudio()) timer2_.Disable();
}

void SaverRun::Timer3Tick() {
  const bool windowFound = platform::FindWindowByTitle(display_, names::kRendererWindowTitle) != 0;
  const bool rendererEnded = platform::HasProgramEnded(rendererPid_);
  if (!watch_.KeepRunning(windowFound, rendererEnded, Clock::now())) {
    timer3_.Disable();
    unloading_ = true;
  }
}

void SaverRun::QueryUnload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (timer2_.enabled()) {
    timer2_.Disable();
    if (bgm_) bgm_->CloseCdAudio();
  }
  if (bgm_ && context_.settings.bgmMode == MusicKind::kMusicFile) {
    const MusicFileKind kind = context_.settings.bgmFileKind;
    if (kind == MusicFileKind::kWav) bgm_->StopWav();
    if (kind == MusicFileKind::kMp3) {
      timer1_.Disable();
      bgm_->CloseMp3();
    }
  }
  if (context_.mode == HostMode::kSaver) {
    context_.savedCursorCount = cursor_.ShowCursor(context_.savedCursorCount != 0);
  }
}

int SaverRun::OnXServerLost(Display*) {
  if (g_activeRun != nullptr) {
    g_activeRun->cursor_.ForgetDisplay();  // the server has shown the pointer itself
    g_activeRun->QueryUnload();
  }
  _exit(0);
}

void SaverRun::WaitForEvents() {
  XFlush(display_);
  if (XPending(display_) > 0) return;
  Clock::time_point next = Clock::time_point::max();
  for (const WindowTimer* timer : {&timer1_, &timer2_, &timer3_}) {
    if (timer->enabled()) next = std::min(next, timer->due());
  }
  int timeout = -1;
  if (next != Clock::time_point::max()) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
    timeout = static_cast<int>(std::clamp<long long>(wait, 0, 60000));
  }
  pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {signalFd_, POLLIN, 0}};
  poll(fds, signalFd_ >= 0 ? 2 : 1, timeout);
}

void SaverRun::HandleXEvents() {
  while (XPending(display_) > 0) {
    XEvent event{};
    XNextEvent(display_, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == window_) unloading_ = true;
  }
}

void SaverRun::RunDueTimers() {
  const Clock::time_point now = Clock::now();
  if (!unloading_ && timer1_.TakeTick(now)) Timer1Tick();
  if (!unloading_ && timer2_.TakeTick(now)) Timer2Tick();
  if (!unloading_ && timer3_.TakeTick(now)) Timer3Tick();
}

void SaverRun::Run() {
  if (display_ == nullptr) return;
  ShutdownSignals signals;
  signalFd_ = signals.fd();
  g_activeRun = this;
  XSetIOErrorHandler(OnXServerLost);
  FormLoad();
  while (!unloading_) {
    WaitForEvents();
    if (signals.Arrived()) unloading_ = true;
    HandleXEvents();
    RunDueTimers();
  }
  QueryUnload();
  g_activeRun = nullptr;
}

}  // namespace blazemere::host
