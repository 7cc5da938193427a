// The message box as a module of its own, loaded by a program only when it
// shows a box: its one entry point, with plain C types, so that the loader
// needs nothing of the module's C++.
#pragma once

// ShowMessageBox(caption, text, MessageBoxIcon(icon)); UTF-8 texts, null
// taken as empty. Defined in the module only: a program finds it by name.
extern "C" void BlazemereShowMessageBox(const char* caption, const char* text, int icon);

using BlazemereShowMessageBoxFunction = decltype(BlazemereShowMessageBox);
inline constexpr const char* kBlazemereShowMessageBoxSymbol = "BlazemereShowMessageBox";
