// The FLTK message box as a loadable module (see message_box_module.h). It
// exports this one function; the toolkit and our X11 helpers inside it stay
// private to it.
#include "platform/message_box/message_box_module.h"

#include "platform/message_box/message_box.h"

extern "C" __attribute__((visibility("default"))) void BlazemereShowMessageBox(const char* caption, const char* text,
                                                                                int icon) {
  blazemere::platform::ShowMessageBox(caption != nullptr ? caption : "", text != nullptr ? text : "",
                                      static_cast<blazemere::platform::MessageBoxIcon>(icon));
}
