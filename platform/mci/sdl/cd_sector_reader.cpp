// The two ways of reading CD audio: cdio-paranoia for drives, plain sector
// reads for images (which have no jitter to correct).
#include "platform/mci/sdl/cd_sector_reader.h"

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <SDL_endian.h>

#include <cstring>

namespace blazemere::platform::mci {

namespace {

constexpr int kParanoiaRetries = 3;  // a scratch costs a moment of silence, not a stall

class ImageSectorReader final : public CdSectorReader {
 public:
  explicit ImageSectorReader(CdIo_t* cdio) : cdio_(cdio) {}
  ~ImageSectorReader() override { cdio_destroy(cdio_); }
  bool Read(std::int32_t lsn, int count, std::int16_t* samples) override {
    if (cdio_read_audio_sectors(cdio_, samples, lsn, static_cast<std::uint32_t>(count)) != DRIVER_OP_SUCCESS) {
      return false;
    }
    for (int i = 0; i < count * kSectorSamples; ++i) samples[i] = static_cast<std::int16_t>(SDL_SwapLE16(samples[i]));
    return true;
  }

 private:
  CdIo_t* cdio_;
};

class ParanoiaSectorReader final : public CdSectorReader {
 public:
  ParanoiaSectorReader(cdrom_drive_t* drive, cdrom_paranoia_t* paranoia) : drive_(drive), paranoia_(paranoia) {}
  ~ParanoiaSectorReader() override {
    cdio_paranoia_free(paranoia_);
    cdio_cddap_close(drive_);
  }
  bool Read(std::int32_t lsn, int count, std::int16_t* samples) override {
    if (lsn != next_) cdio_paranoia_seek(paranoia_, lsn, SEEK_SET);
    next_ = lsn;
    for (int i = 0; i < count; ++i) {
      const std::int16_t* sector = cdio_paranoia_read_limited(paranoia_, nullptr, kParanoiaRetries);
      ++next_;
      if (sector == nullptr) return false;
      std::memcpy(samples + i * kSectorSamples, sector, kSectorBytes);
    }
    return true;
  }

 private:
  cdrom_drive_t* drive_;
  cdrom_paranoia_t* paranoia_;
  std::int32_t next_ = -1;
};

bool IsImage(CdIo_t* cdio) {
  const driver_id_t driver = cdio_get_driver_id(cdio);
  return driver == DRIVER_BINCUE || driver == DRIVER_CDRDAO || driver == DRIVER_NRG;
}

}  // namespace

std::unique_ptr<CdSectorReader> OpenCdSectorReader(const std::string& source) {
  CdIo_t* cdio = cdio_open(source.c_str(), DRIVER_UNKNOWN);
  if (cdio == nullptr) return nullptr;
  if (IsImage(cdio)) return std::make_unique<ImageSectorReader>(cdio);
  cdrom_drive_t* drive = cdio_cddap_identify_cdio(cdio, CDDA_MESSAGE_FORGETIT, nullptr);
  if (drive == nullptr || cdio_cddap_open(drive) != 0) {
    if (drive != nullptr) cdio_cddap_close_no_free_cdio(drive);
    cdio_destroy(cdio);
    return nullptr;
  }
  cdrom_paranoia_t* paranoia = cdio_paranoia_init(drive);
  if (paranoia == nullptr) {
    cdio_cddap_close(drive);
    return nullptr;
  }
  cdio_paranoia_modeset(paranoia, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
  return std::make_unique<ParanoiaSectorReader>(drive, paranoia);
}

}  // namespace blazemere::platform::mci
