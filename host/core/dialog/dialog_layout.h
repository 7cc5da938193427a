// Where everything sits on the settings dialog, in pixels: dialog positions
// relative to the client area, panel positions relative to the panel.
#pragma once

namespace blazemere::dialog::layout {

struct Box {
  int x;
  int y;
  int w;
  int h;
};

inline constexpr int kClientWidth = 495;
inline constexpr int kClientHeight = 246;

// On the dialog.
inline constexpr Box kPanel{12, 16, 469, 165};
inline constexpr Box kCreditLine{12, 192, 300, 13};
inline constexpr Box kLinkLabel{12, 208, 219, 13};
inline constexpr Box kSetButton{316, 200, 81, 25};
inline constexpr Box kCancelButton{400, 200, 81, 25};

// Inside the panel.
inline constexpr Box kHeaderFrame{20, 20, 113, 21};
inline constexpr Box kHeaderLabel{20, 24, 111, 13};
inline constexpr Box kRepeatBox{112, 52, 41, 20};
inline constexpr Box kRepeatLabel{156, 56, 66, 13};
inline constexpr Box kFileButton{28, 112, 41, 25};
inline constexpr Box kPathLabel{72, 116, 381, 33};
// Option pictures and captions by music kind (0 none, 1 CD, 2 file): the CD
// option stands first on screen.
inline constexpr Box kOptionPicture[3] = {{28, 76, 12, 12}, {28, 56, 12, 12}, {28, 96, 12, 12}};
inline constexpr Box kOptionCaption[3] = {{44, 76, 22, 13}, {44, 56, 43, 13}, {44, 96, 60, 13}};

inline constexpr int kFontPixels = 13;

}  // namespace blazemere::dialog::layout
