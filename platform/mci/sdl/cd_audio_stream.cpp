// Feeder thread, sector ring and the audio-thread mixing of CD sound.
#include "platform/mci/sdl/cd_audio_stream.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/mci/sdl/cd_sector_reader.h"

namespace blazemere::platform::mci {

namespace {
constexpr int kRingSectors = 96;         // about 1.3 s read ahead
constexpr int kSectorsPerRead = 12;      // one read is 160 ms of sound
constexpr auto kReaderExitWait = std::chrono::milliseconds(250);
}  // namespace

struct CdAudioStream::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::int16_t> ring = std::vector<std::int16_t>(static_cast<std::size_t>(kRingSectors) * kSectorSamples);
  std::int32_t ringLsn[kRingSectors] = {};
  int head = 0;          // sector being heard
  int count = 0;         // sectors waiting, the one being heard included
  int headSample = 0;    // samples of the head sector already heard
  std::int32_t heardLsn = 0;
  std::int32_t endLsn = 0;  // first sector past the last segment
  bool allQueued = false;
  bool cancelled = false;
  bool readerExited = false;

  bool Finished() const { return allQueued && count == 0; }
};

namespace {

using Shared = CdAudioStream::Shared;

void MixSaturated(std::int16_t* into, const std::int16_t* from, int samples) {
  for (int i = 0; i < samples; ++i) {
    const int sum = into[i] + from[i];
    into[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
  }
}

// Runs on SDL's audio thread after each mix.
void MixCdSectors(void* context, std::int16_t* samples, int sampleCount) {
  auto& shared = *static_cast<Shared*>(context);
  const std::lock_guard lock(shared.mutex);
  int done = 0;
  while (done < sampleCount && shared.count > 0 && !shared.cancelled) {
    const int take = std::min(sampleCount - done, kSectorSamples - shared.headSample);
    const std::int16_t* sector = &shared.ring[static_cast<std::size_t>(shared.head) * kSectorSamples];
    MixSaturated(samples + done, sector + shared.headSample, take);
    shared.heardLsn = shared.ringLsn[shared.head];
    done += take;
    shared.headSample += take;
    if (shared.headSample == kSectorSamples) {
      shared.headSample = 0;
      shared.head = (shared.head + 1) % kRingSectors;
      --shared.count;
      shared.changed.notify_all();
    }
  }
  if (shared.Finished()) shared.heardLsn = shared.endLsn;
}

// Waits for room in the ring; false once the stream is cancelled.
bool WaitForRoom(Shared& shared, int sectors) {
  std::unique_lock lock(shared.mutex);
  shared.changed.wait(lock, [&] { return shared.cancelled || kRingSectors - shared.count >= sectors; });
  return !shared.cancelled;
}

void QueueSectors(Shared& shared, std::int32_t lsn, int sectors, const std::int16_t* samples) {
  const std::lock_guard lock(shared.mutex);
  for (int i = 0; i < sectors; ++i) {
    const int slot = (shared.head + shared.count) % kRingSectors;
    std::copy_n(samples + static_cast<std::size_t>(i) * kSectorSamples, kSectorSamples,
                &shared.ring[static_cast<std::size_t>(slot) * kSectorSamples]);
    shared.ringLsn[slot] = lsn + i;
    ++shared.count;
  }
}

void FeedSectors(std::shared_ptr<Shared> shared, std::string source, std::vector<CdSegment> segments) {
  const std::unique_ptr<CdSectorReader> reader = OpenCdSectorReader(source);
  std::vector<std::int16_t> samples(static_cast<std::size_t>(kSectorsPerRead) * kSectorSamples);
  for (const CdSegment& segment : segments) {
    for (std::int32_t lsn = segment.startLsn; reader && lsn < segment.endLsn; lsn += kSectorsPerRead) {
      const int sectors = std::min<std::int32_t>(kSectorsPerRead, segment.endLsn - lsn);
      if (!WaitForRoom(*shared, sectors)) break;
      // A sector that cannot be read is heard as silence rather than ending the play.
      if (!reader->Read(lsn, sectors, samples.data())) std::fill(samples.begin(), samples.end(), std::int16_t{0});
      QueueSectors(*shared, lsn, sectors, samples.data());
    }
  }
  const std::lock_guard lock(shared->mutex);
  shared->allQueued = true;
  shared->readerExited = true;
  shared->changed.notify_all();
}

}  // namespace

void CdAudioStream::Start(std::vector<CdSegment> segments) {
  Stop();
  shared_ = std::make_shared<Shared>();
  shared_->heardLsn = segments.empty() ? 0 : segments.front().startLsn;
  shared_->endLsn = segments.empty() ? 0 : segments.back().endLsn;
  output_.SetPostMix(&MixCdSectors, shared_.get());
  feeder_ = std::thread(&FeedSectors, shared_, source_, std::move(segments));
}

void CdAudioStream::Stop() {
  if (!feeder_.joinable()) return;
  output_.SetPostMix(nullptr, nullptr);
  std::unique_lock lock(shared_->mutex);
  shared_->cancelled = true;
  shared_->changed.notify_all();
  const bool exited = shared_->changed.wait_for(lock, kReaderExitWait, [&] { return shared_->readerExited; });
  lock.unlock();
  // The thread holds its own share of the state, so one still waiting on the
  // drive can finish by itself after we have gone.
  if (exited) {
    feeder_.join();
  } else {
    feeder_.detach();
  }
  shared_.reset();
}

bool CdAudioStream::Playing() const {
  if (!shared_) return false;
  const std::lock_guard lock(shared_->mutex);
  return !shared_->cancelled && !shared_->Finished();
}

std::int32_t CdAudioStream::Position() const {
  if (!shared_) return 0;
  const std::lock_guard lock(shared_->mutex);
  return shared_->heardLsn;
}

}  // namespace blazemere::platform::mci
