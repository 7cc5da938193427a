// Which music a file name asks for: its last three characters, upper-cased.
#pragma once

#include <string>

namespace blazemere::host {

// "WAV", "MP3" or whatever else the name ends in (which plays nothing).
std::string MusicFileKind(const std::string& bgmFile);

}  // namespace blazemere::host
