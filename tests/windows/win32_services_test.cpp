// The portable services' Win32 backends under Wine.
#include <gtest/gtest.h>

#include "platform/files/files.h"

namespace blazemere::platform {
namespace {

TEST(Win32Files, MissingFileIsNotRead) { EXPECT_FALSE(ReadWholeFile("Z:\\no\\such\\file").has_value()); }

}  // namespace
}  // namespace blazemere::platform
