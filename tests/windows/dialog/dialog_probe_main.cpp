// dialog-probe TITLE: what the X server cannot tell about another program's
// settings dialog, one "name: value" a line: the client area's size and
// where it starts on the screen, the controls in focus order (class, place,
// enabled), the repeat box's entries and text, and whether the caption font
// asked for by name has a glyph for every character of the captions.
// dialog-probe --combos TITLE: the entries of every combo box of that
// window (a file chooser's filter list), a line each.
// Waits up to 10 s for the window; status 1 when none comes.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

#include "host/core/dialog/dialog_contents.h"
#include "platform/win32/wide_text.h"

namespace {

using blazemere::platform::Utf8FromWide;

// GetWindowText does not ask another program's controls; the message does.
std::string WindowText(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return Utf8FromWide(text);
}

// The entries of every combo box in `window`, a line each.
BOOL CALLBACK PrintComboItems(HWND control, LPARAM) {
  wchar_t className[64] = {};
  GetClassNameW(control, className, 64);
  if (lstrcmpiW(className, L"ComboBox") != 0) return TRUE;
  std::string items;
  const auto count = SendMessageW(control, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    wchar_t entry[256] = {};
    if (SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 256)
      SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry));
    items += (index > 0 ? "|" : "") + Utf8FromWide(entry);
  }
  std::printf("combo items: %s\n", items.c_str());
  return TRUE;
}

std::string ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Utf8FromWide(name);
}

void PrintControls(HWND dialog) {
  std::printf("focus order:");
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) == 0) continue;
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    std::printf(" %s@%ld,%ld", ClassOf(child).c_str(), box.left, box.top);
  }
  std::printf("\n");
}

void PrintRepeatBox(HWND dialog) {
  HWND box = FindWindowExW(dialog, nullptr, L"ComboBox", nullptr);
  if (box == nullptr) {
    std::printf("repeat box: none\n");
    return;
  }
  const auto count = SendMessageW(box, CB_GETCOUNT, 0, 0);
  std::string entries;
  for (LRESULT index = 0; index < count; ++index) {
    wchar_t entry[64] = {};
    if (SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 64)
      SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry));
    entries += (index > 0 ? "," : "") + Utf8FromWide(entry);
  }
  RECT closed{};
  GetWindowRect(box, &closed);
  RECT dropped{};
  SendMessageW(box, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  std::printf("repeat style: %s\n", (GetWindowLongW(box, GWL_STYLE) & 3) == CBS_DROPDOWN ? "dropdown" : "other");
  std::printf("repeat entries: %ld [%s]\n", static_cast<long>(count), entries.c_str());
  std::printf("repeat text: [%s]\n", WindowText(box).c_str());
  std::printf("repeat enabled: %d\n", IsWindowEnabled(box) ? 1 : 0);
  std::printf("repeat size: %ldx%ld, list %ld high\n", closed.right - closed.left, closed.bottom - closed.top,
              dropped.bottom - dropped.top - (closed.bottom - closed.top));
}

// Glyphs missing from the font the captions ask for by name.
void PrintCaptionGlyphs() {
  std::wstring all;
  for (const char* text : blazemere::dialog::kOptionCaptions) all += blazemere::platform::WideFromUtf8(text).value_or(L"");
  for (const char* text : {blazemere::dialog::kRepeatCaption, blazemere::dialog::kSetButton.caption,
                           blazemere::dialog::kCancelButton.caption})
    all += blazemere::platform::WideFromUtf8(text).value_or(L"");
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontW(-13, 0, 0, 0, 400, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"ＭＳ Ｐゴシック");
  SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  std::wstring glyphs(all.size(), L'\0');
  GetGlyphIndicesW(dc, all.c_str(), static_cast<int>(all.size()), reinterpret_cast<WORD*>(glyphs.data()),
                   GGI_MARK_NONEXISTING_GLYPHS);
  int missing = 0;
  for (const wchar_t glyph : glyphs) missing += glyph == 0xFFFF ? 1 : 0;
  std::printf("caption face: %s, %d of %zu glyphs missing\n", Utf8FromWide(face).c_str(), missing, all.size());
  DeleteDC(dc);
  DeleteObject(font);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool combos = argc == 3 && lstrcmpW(argv[1], L"--combos") == 0;
  if (argc != 2 && !combos) {
    std::fprintf(stderr, "usage: dialog-probe [--combos] TITLE\n");
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  for (int waited = 0; waited < 10000; waited += 50) {
    if (const HWND dialog = FindWindowW(nullptr, argv[argc - 1])) {
      if (combos) {
        EnumChildWindows(dialog, PrintComboItems, 0);
        return 0;
      }
      RECT client{};
      GetClientRect(dialog, &client);
      POINT origin{0, 0};
      ClientToScreen(dialog, &origin);
      const LONG style = GetWindowLongW(dialog, GWL_STYLE);
      std::printf("client: %ldx%ld\n", client.right, client.bottom);
      std::printf("client origin: %ld %ld\n", origin.x, origin.y);
      std::printf("frame: caption %d, close box %d, minimise %d, maximise %d, sizing %d\n",
                  (style & WS_CAPTION) == WS_CAPTION, (style & WS_SYSMENU) != 0, (style & WS_MINIMIZEBOX) != 0,
                  (style & WS_MAXIMIZEBOX) != 0, (style & WS_THICKFRAME) != 0);
      PrintControls(dialog);
      PrintRepeatBox(dialog);
      PrintCaptionGlyphs();
      std::fflush(stdout);
      return 0;
    }
    Sleep(50);
  }
  return 1;
}
