// The fire window asks for the keyboard once it covers the screen. GLUT has
// no call for it, so this reaches past GLUT to the window system (x11/,
// win32/): the window is the one the current GL context draws to.
#pragma once

// Gives the keyboard focus to the window whose GL context is current.
void FocusFireWindow();
