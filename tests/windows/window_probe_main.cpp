// window-probe [--combos | --dialog] TITLE: what the X server cannot tell
// about a top-level window of another program, titled TITLE, one line each:
//   (alone)   its controls as "CLASS<TAB>TEXT", line breaks written as \n
//             and \r (what a message box or chooser says);
//   --combos  the entries of every combo box (a file chooser's filters);
//   --dialog  the settings dialog's client size and screen origin, the repeat
//             box's size closed and dropped, and whether the caption font
//             asked for by name has a glyph for every character of the
//             captions.
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

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  wchar_t className[256] = {};
  GetClassNameW(control, className, 256);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  std::printf("%s\t%s\n", Utf8FromWide(className).c_str(), Escaped(Utf8FromWide(text)).c_str());
  return TRUE;
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

void PrintRepeatBox(HWND dialog) {
  HWND box = FindWindowExW(dialog, nullptr, L"ComboBox", nullptr);
  if (box == nullptr) {
    std::printf("repeat box: none\n");
    return;
  }
  RECT closed{};
  GetWindowRect(box, &closed);
  RECT dropped{};
  SendMessageW(box, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
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

void PrintDialog(HWND dialog) {
  RECT client{};
  GetClientRect(dialog, &client);
  POINT origin{0, 0};
  ClientToScreen(dialog, &origin);
  std::printf("client: %ldx%ld\n", client.right, client.bottom);
  std::printf("client origin: %ld %ld\n", origin.x, origin.y);
  PrintRepeatBox(dialog);
  PrintCaptionGlyphs();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc == 3 ? argv[1] : L"";
  if (argc < 2 || argc > 3 || (argc == 3 && mode != L"--combos" && mode != L"--dialog")) {
    std::fprintf(stderr, "usage: window-probe [--combos | --dialog] TITLE\n");
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  for (int waited = 0; waited < 10000; waited += 50) {
    if (const HWND window = FindWindowW(nullptr, argv[argc - 1])) {
      if (mode == L"--dialog") PrintDialog(window);
      else EnumChildWindows(window, mode == L"--combos" ? PrintComboItems : PrintControl, 0);
      std::fflush(stdout);
      return 0;
    }
    Sleep(50);
  }
  return 1;
}
