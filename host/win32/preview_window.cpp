// The preview window on Windows: see preview_window.h.
#include "host/win32/preview_window.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/names.h"
#include "host/core/preview/preview_picture.h"
#include "host/resources/preview/preview_pictures.h"
#include "host/win32/controls/window_class.h"
#include "platform/jpeg/jpeg_decode.h"
#include "platform/win32/wide_text.h"

namespace blazemere::host {

namespace {

constexpr const wchar_t* kClassName = L"BlazemerePreviewWindow";
// How often the preview checks that its parent still exists: a parent in
// another process may vanish without its children being told.
constexpr UINT_PTR kParentWatchTimer = 1;
constexpr UINT kParentWatchMs = 250;

// The picture as the top-down 32-bit DIB GDI draws from.
struct Dib {
  BITMAPINFO info{};
  std::vector<std::uint8_t> bgrx;
};

Dib DibOf(const RgbImage& picture) {
  Dib dib;
  dib.info.bmiHeader.biSize = sizeof dib.info.bmiHeader;
  dib.info.bmiHeader.biWidth = picture.width;
  dib.info.bmiHeader.biHeight = -picture.height;  // top row first
  dib.info.bmiHeader.biPlanes = 1;
  dib.info.bmiHeader.biBitCount = 32;
  dib.info.bmiHeader.biCompression = BI_RGB;
  const std::size_t count = picture.pixels.size() / 3;
  dib.bgrx.resize(count * 4);
  for (std::size_t i = 0; i < count; ++i) {
    dib.bgrx[i * 4 + 0] = picture.pixels[i * 3 + 2];
    dib.bgrx[i * 4 + 1] = picture.pixels[i * 3 + 1];
    dib.bgrx[i * 4 + 2] = picture.pixels[i * 3 + 0];
  }
  return dib;
}

struct Preview {
  HWND parent;
  Dib dib;
  int width;
  int height;
};

void Paint(HWND hwnd, const Preview& preview) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd, &paint);
  if (dc != nullptr && !preview.dib.bgrx.empty()) {
    StretchDIBits(dc, 0, 0, preview.width, preview.height, 0, 0, preview.width, preview.height,
                  preview.dib.bgrx.data(), &preview.dib.info, DIB_RGB_COLORS, SRCCOPY);
  }
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK PreviewWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* preview = WindowObject<const Preview>(hwnd, message, lParam);
  if (preview == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      Paint(hwnd, *preview);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole window
    case WM_TIMER:
      if (wParam == kParentWatchTimer && !IsWindow(preview->parent)) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kParentWatchTimer);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A window handle as the command line carries it: its low 32 bits, which
// is all of a handle on 64-bit Windows too (the upper half is the sign).
HWND HandleOf(std::uint32_t number) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(number)));
}

}  // namespace

void RunPreview(std::uint32_t parentHandle) {
  HWND parent = HandleOf(parentHandle);
  RECT client{};
  // A handle naming no window would leave an unseen preview nobody destroys.
  if (parentHandle == 0 || !IsWindow(parent) || !GetClientRect(parent, &client)) return;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(kClassName, PreviewWindowProc, ClassPointer::kArrow)) return;

  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const RgbImage still = platform::DecodeJpeg(resources::PreviewStillJpeg()).value_or(RgbImage{});
  const RgbImage grid = platform::DecodeJpeg(resources::PreviewGridJpeg()).value_or(RgbImage{});
  Preview preview{parent, DibOf(ComposePreview(still, grid, width, height)), width, height};

  // Made as a hidden top-level window, then made a child and moved into the
  // parent, as a screen saver's preview is.
  const std::wstring title = platform::WideFromUtf8(names::kPreviewWindowTitle).value_or(L"");
  HWND hwnd = CreateWindowExW(0, kClassName, title.c_str(), WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                              instance, &preview);
  if (hwnd == nullptr) return;
  SetWindowLongPtrW(hwnd, GWL_STYLE, WS_CHILD | WS_CLIPSIBLINGS);
  if (SetParent(hwnd, parent) == nullptr) {
    DestroyWindow(hwnd);
    return;
  }
  SetWindowPos(hwnd, HWND_TOP, 0, 0, width, height, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
  SetTimer(hwnd, kParentWatchTimer, kParentWatchMs, nullptr);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

}  // namespace blazemere::host
