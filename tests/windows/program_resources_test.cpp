// The programs' icon as Windows reads it, through the icon loader, compared
// with the window icon it is drawn from.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "host/resources/dialog/dialog_art.h"
#include "platform/win32/wide_text.h"

namespace {

using blazemere::platform::WideFromUtf8;

std::wstring ProgramPath(const char* name) { return *WideFromUtf8(std::string(BLAZEMERE_BIN_DIR "\\") + name); }

// Explorer shows the program's first icon: the flame, its transparent
// pixels masked, its colours as drawn.
TEST(ProgramResources, IconIsTheFlame) {
  const blazemere::resources::RgbaPicture flame = blazemere::resources::WindowIcon();
  for (const char* program : {"Blazemere.scr", "Blazemere.dll"}) {
    SCOPED_TRACE(program);
    HICON icon = nullptr;
    ASSERT_EQ(ExtractIconExW(ProgramPath(program).c_str(), 0, &icon, nullptr, 1), 1u);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), flame.width, -flame.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> bgra(static_cast<std::size_t>(flame.width * flame.height) * 4);
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, info.hbmColor, 0, flame.height, bgra.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    ASSERT_EQ(rows, flame.height);
    int differing = 0;
    for (std::size_t i = 0; i < bgra.size(); i += 4) {
      const std::uint8_t* rgba = flame.pixels + i;
      if (rgba[3] != 255) continue;  // edges are blended with what lies behind
      if (bgra[i] != rgba[2] || bgra[i + 1] != rgba[1] || bgra[i + 2] != rgba[0]) ++differing;
    }
    EXPECT_EQ(differing, 0) << "opaque pixels not as drawn";
  }
}

}  // namespace
