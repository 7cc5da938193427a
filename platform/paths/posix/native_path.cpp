// Native paths on a POSIX system: see native_path.h.
#include "platform/paths/native_path.h"

#include "common/path_text.h"

namespace blazemere::platform {

std::string NativeFolderOf(std::string_view path) { return FolderOf(path, kPosixPathSeparators); }

}  // namespace blazemere::platform
