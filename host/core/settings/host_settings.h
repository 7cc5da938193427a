// The host-wide settings, as LoadSettings leaves them and the saver run, the
// music module and the settings dialog use them. The stored numbers and texts
// are kept as they are; what they mean is read once, here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace blazemere::host {

// What the stored music kind asks for. The settings keep whatever whole
// number the file gives; a number other than these plays nothing and is
// written back unchanged.
enum class MusicKind : std::int16_t {
  kNone = 0,
  kAudioCd = 1,
  kMusicFile = 2,
};

// How the music file is played, by the last three letters of its name in any
// case: a WAV file looped, an MP3 file repeated; anything else not at all.
enum class MusicFileKind { kOther, kWav, kMp3 };

[[nodiscard]] MusicFileKind MusicFileKindOf(std::string_view path);

struct HostSettings {
  MusicKind bgmMode = MusicKind::kNone;
  std::int16_t bgmRepeat = 0;  // CD track to hold, 0 the whole disc
  std::string bgmFile;         // empty or the music file's path
  std::string bgmFolder;       // folder of bgmFile, or the host folder: where the file chooser starts
  MusicFileKind bgmFileKind = MusicFileKind::kOther;  // of bgmFile, set together with it
};

}  // namespace blazemere::host
