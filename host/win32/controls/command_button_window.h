// The skinned push button `Command` as a Win32 child control: a window of its
// own showing the persistent surface the button's core paints, with the
// caption centred on it, a 100 ms hover poll (a window timer) that ends the
// hover look, and Click raised from pointer releases only.
//
// Use: Create() on the parent, LoadStoredProperties, then Initialize once the
// form has loaded. The object owns its window; destroying it destroys the
// window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "host/core/controls/command_button.h"
#include "host/core/controls/stored_properties.h"

namespace blazemere::controls {

class GdiFont;

class CommandButtonWindow {
 public:
  // A child of `parent` at (x, y), w x h pixels, visible, a tab stop.
  CommandButtonWindow(HWND parent, int x, int y, int w, int h);
  ~CommandButtonWindow();
  CommandButtonWindow(const CommandButtonWindow&) = delete;
  CommandButtonWindow& operator=(const CommandButtonWindow&) = delete;

  // Restores the stored values in their read order, then shows the Normal look.
  void LoadStoredProperties(const StoredProperties& stored, const CaptionFont& containerFont);
  // State Normal and the hover poll; the form calls it once on load.
  void Initialize();
  // Enabled, with the repaint it causes. The window itself stays enabled.
  void SetEnabled(bool enabled);
  // The Click event; it runs after the release's redraw is on the screen.
  void OnClick(std::function<void()> handler);

  [[nodiscard]] HWND window() const { return window_; }
  [[nodiscard]] const CommandButton& core() const { return *core_; }

  // The window class's name, registered on first use.
  static const wchar_t* ClassName();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Apply(const Effects& effects);
  void Paint();
  void DrawCaption(HDC dc);
  void PollPointer();
  void Press(PointerButton button);
  void Release(PointerButton button);

  HWND window_ = nullptr;
  std::unique_ptr<CommandButton> core_;
  std::unique_ptr<GdiFont> font_;
  CaptionFont fontValue_;
  std::function<void()> clickHandler_;
  bool pollRunning_ = false;
};

}  // namespace blazemere::controls
