// The saver window's logic: see saver_window.h.
#include "host/core/saver/saver_window.h"

#include "common/names.h"
#include "host/core/saver/palette_ramp_file.h"
#include "platform/paths/drive_letter_path.h"

namespace blazemere::host {

SaverWindow::SaverWindow(HostContext& context, Services services, std::optional<DisplayMode> displayMode)
    : context_(context), services_(services), displayMode_(std::move(displayMode)) {
  if (services_.multimedia != nullptr) bgm_.emplace(*services_.multimedia, context_.settings);
}

void SaverWindow::FormLoad(Clock::time_point now) {
  // Every step goes on after a failure of the one before.
  if (!WritePaletteRampFile(platform::MapDriveLetterPath(names::kPaletteImagePath))) {
    // The renderer tells the user that it cannot read the palette.
  }
  rendererPid_ = platform::StartProgram(context_.hostFolder + "/" + names::kRendererFileName,
                                        displayMode_ ? displayMode_->rendererArguments : std::vector<std::string>{});
  watch_ = RendererWatch(now);
  if (!displayMode_ || TakeMusicTurn()) StartMusic(now);
  timers_[Index(Timer::kRendererWatch)].Enable(now);
}

void SaverWindow::StartMusic(Clock::time_point now) {
  musicStarted_ = true;
  if (bgm_ && context_.settings.bgmMode == MusicKind::kAudioCd) {
    bgm_->OpenCdAudio();
    timers_[Index(Timer::kCdWatch)].Enable(now);  // the CD watch starts the disc
  }
  if (bgm_ && context_.settings.bgmMode == MusicKind::kMusicFile) {
    if (context_.settings.bgmFileKind == MusicFileKind::kWav) bgm_->StartWav();
    if (context_.settings.bgmFileKind == MusicFileKind::kMp3) {
      bgm_->StartMp3();
      timers_[Index(Timer::kMp3Repeat)].Enable(now);
    }
  }
}

bool SaverWindow::TakeMusicTurn() {
  if (!bgm_) return false;
  if (!musicLock_ || musicLock_->state() == platform::InstanceLock::State::kHeldElsewhere) {
    musicLock_.emplace(displayMode_->musicLockPath);
  }
  return musicLock_->state() != platform::InstanceLock::State::kHeldElsewhere;
}

void SaverWindow::Tick(Timer timer, Clock::time_point now) {
  switch (timer) {
    case Timer::kMp3Repeat:
      if (bgm_) bgm_->RepeatMp3();
      break;
    case Timer::kCdWatch:
      if (!bgm_ || !bgm_->WatchCdAudio()) timers_[Index(Timer::kCdWatch)].Disable();
      break;
    case Timer::kRendererWatch: {
      const bool rendererEnded = platform::HasProgramEnded(rendererPid_);
      const bool windowFound =
          displayMode_ ? !rendererEnded : services_.windows.FindWindowByTitle(names::kRendererWindowTitle) != 0;
      if (!watch_.KeepRunning(windowFound, rendererEnded, now)) {
        timers_[Index(Timer::kRendererWatch)].Disable();
        unloadRequested_ = true;
      } else if (displayMode_ && !musicStarted_ && TakeMusicTurn()) {
        StartMusic(now);
      }
      break;
    }
  }
}

void SaverWindow::RunDueTimers(Clock::time_point now) {
  for (const Timer which : kTimers) {
    if (!unloadRequested_ && timers_[Index(which)].TakeTick(now)) Tick(which, now);
  }
}

std::optional<SaverWindow::Clock::time_point> SaverWindow::NextDue() const {
  std::optional<Clock::time_point> next;
  for (const WindowTimer& timer : timers_) {
    if (timer.enabled() && (!next || timer.due() < *next)) next = timer.due();
  }
  return next;
}

void SaverWindow::StopMusic() {
  WindowTimer& cdWatch = timers_[Index(Timer::kCdWatch)];
  if (cdWatch.enabled()) {
    cdWatch.Disable();
    if (bgm_) bgm_->CloseCdAudio();
  }
  if (bgm_ && context_.settings.bgmMode == MusicKind::kMusicFile) {
    if (context_.settings.bgmFileKind == MusicFileKind::kWav) bgm_->StopWav();
    if (context_.settings.bgmFileKind == MusicFileKind::kMp3) {
      timers_[Index(Timer::kMp3Repeat)].Disable();
      bgm_->CloseMp3();
    }
  }
}

void SaverWindow::QueryUnload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (musicStarted_) StopMusic();
  if (context_.mode == HostMode::kSaver) {
    context_.savedCursorCount = services_.cursor.ShowCursor(context_.savedCursorCount != 0);
  }
  if (displayMode_) {
    musicLock_.reset();  // only once the music is silent: the next holder starts its own
    platform::StopProgram(rendererPid_, kRendererStopGrace);  // returns at once for one that has ended
  }
}

std::string_view SaverWindow::caption() const { return displayMode_ ? "" : names::kSaverWindowTitle; }

}  // namespace blazemere::host
