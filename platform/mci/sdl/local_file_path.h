// File names as the host hands them over: a Windows drive-letter path lands
// in the per-user drive folder, anything else is taken as it is. Music files
// are opened here and only here, so that nothing but a regular file ever
// reaches a decoder.
#pragma once

#include <SDL_rwops.h>

#include <memory>
#include <string>

namespace blazemere::platform::mci {

[[nodiscard]] std::string LocalFilePath(const std::string& name);

struct RwCloser {
  void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};
using RwHandle = std::unique_ptr<SDL_RWops, RwCloser>;

// The regular file `name` names, open for reading; nothing when it is
// missing, unreadable or not a regular file (a named pipe, a device, a
// folder). Never waits for a writer.
RwHandle OpenMusicFile(const std::string& name);

}  // namespace blazemere::platform::mci
