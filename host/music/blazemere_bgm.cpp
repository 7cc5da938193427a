// PLACEHOLDER until the music module is written: every operation does nothing.
#include "host/music/blazemere_bgm.h"

namespace blazemere::music {

void BlazemereBgm::OpenCdAudio() {}
bool BlazemereBgm::WatchCdAudio() { return cdKeepWatching_ = false; }
void BlazemereBgm::CloseCdAudio() {}
void BlazemereBgm::StartMp3() {}
bool BlazemereBgm::IsMp3Playing() { return false; }
void BlazemereBgm::RepeatMp3() {}
void BlazemereBgm::CloseMp3() {}
void BlazemereBgm::StartWav() {}
void BlazemereBgm::StopWav() {}
std::int32_t BlazemereBgm::SendMciCommand(const std::string&, std::string&) { return -1; }
std::string BlazemereBgm::QueryMci(const std::string&) { return "Error:-1"; }
std::int32_t BlazemereBgm::PlayMciDevice(const std::string&, const std::string&, const std::string&) { return -1; }

}  // namespace blazemere::music
