// File names as the host hands them over: a Windows drive-letter path lands
// in the per-user drive folder, anything else is taken as it is.
#pragma once

#include <string>

namespace blazemere::platform::mci {

std::string LocalFilePath(const std::string& name);
bool IsReadableFile(const std::string& path);

}  // namespace blazemere::platform::mci
