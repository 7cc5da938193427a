// MessageBox for a program that seldom shows one (the renderer: its only box
// reports an unusable palette). The box and its toolkit (FLTK, Xft,
// fontconfig, FreeType) lie in a module beside the program and are loaded at
// the first box, so a program that never shows one neither links nor maps
// them. Without the module the text goes to standard error, with the reason.
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "platform/message_box/message_box.h"
#include "platform/message_box/message_box_module.h"
#include "platform/message_box/message_box_text.h"
#include "platform/paths/executable_folder.h"

namespace blazemere::platform {

namespace {

// The module is loaded once and never unloaded: the toolkit keeps its X
// connection and handlers until the process ends, like a linked library.
BlazemereShowMessageBoxFunction* LoadShowFunction() {
  // Only beside the program: a module from the current folder or the
  // library path could be anybody's.
  const std::string folder = ExecutableFolder();
  if (folder.empty()) {
    std::fprintf(stderr, "no message box: the program's folder is unknown\n");
    return nullptr;
  }
  const std::string path = folder + "/" + BLAZEMERE_MESSAGE_BOX_MODULE;
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    std::fprintf(stderr, "no message box: %s\n", dlerror());
    return nullptr;
  }
  auto* show = reinterpret_cast<BlazemereShowMessageBoxFunction*>(dlsym(module, kBlazemereShowMessageBoxSymbol));
  if (show == nullptr) std::fprintf(stderr, "no message box: %s\n", dlerror());
  return show;
}

}  // namespace

void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon) {
  static BlazemereShowMessageBoxFunction* const show = LoadShowFunction();
  if (show == nullptr) {
    WriteMessageToStandardError(caption, text);
    return;
  }
  show(caption.c_str(), text.c_str(), static_cast<int>(icon));
}

}  // namespace blazemere::platform
