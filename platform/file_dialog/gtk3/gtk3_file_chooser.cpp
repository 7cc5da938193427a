// The desktop's own file chooser: see gtk3_file_chooser.h.
#include "platform/file_dialog/gtk3/gtk3_file_chooser.h"

#include <dlfcn.h>

#include <clocale>

#include "platform/file_dialog/chooser_rules.h"
#include "platform/file_dialog/gtk3/glob_patterns.h"

namespace blazemere::platform {
namespace {

// The few GTK 3, GDK and GLib functions used here, declared by hand from
// their reference documentation so that the program builds without GTK's
// headers. Every GTK object is an opaque pointer; gboolean is int.
using Object = void*;
struct Gtk3 {
  void (*disable_setlocale)();
  int (*init_check)(int*, char***);
  Object (*file_chooser_dialog_new)(const char* title, Object parent, int action, const char* first_button, ...);
  int (*file_chooser_set_current_folder)(Object chooser, const char* folder);
  Object (*file_filter_new)();
  void (*file_filter_set_name)(Object filter, const char* name);
  void (*file_filter_add_pattern)(Object filter, const char* pattern);
  void (*file_chooser_add_filter)(Object chooser, Object filter);
  int (*dialog_run)(Object dialog);
  char* (*file_chooser_get_filename)(Object chooser);
  void (*widget_destroy)(Object widget);
  int (*events_pending)();
  int (*main_iteration)();
  void (*free)(void* memory);
  unsigned (*timeout_add)(unsigned milliseconds, int (*callback)(void*), void* data);
  int (*source_remove)(unsigned id);
};

// GtkFileChooserAction and GtkResponseType values.
constexpr int kActionOpen = 0;
constexpr int kResponseAccept = -3;
constexpr int kResponseCancel = -6;

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

// GTK's functions, or nothing when the library is missing, lacks one of
// them, or cannot open the display.
std::optional<Gtk3> Load(const char* name) {
  void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return std::nullopt;
  Gtk3 gtk{};
  const bool found =
      Find(library, "gtk_disable_setlocale", gtk.disable_setlocale) && Find(library, "gtk_init_check", gtk.init_check) &&
      Find(library, "gtk_file_chooser_dialog_new", gtk.file_chooser_dialog_new) &&
      Find(library, "gtk_file_chooser_set_current_folder", gtk.file_chooser_set_current_folder) &&
      Find(library, "gtk_file_filter_new", gtk.file_filter_new) &&
      Find(library, "gtk_file_filter_set_name", gtk.file_filter_set_name) &&
      Find(library, "gtk_file_filter_add_pattern", gtk.file_filter_add_pattern) &&
      Find(library, "gtk_file_chooser_add_filter", gtk.file_chooser_add_filter) &&
      Find(library, "gtk_dialog_run", gtk.dialog_run) &&
      Find(library, "gtk_file_chooser_get_filename", gtk.file_chooser_get_filename) &&
      Find(library, "gtk_widget_destroy", gtk.widget_destroy) && Find(library, "gtk_events_pending", gtk.events_pending) &&
      Find(library, "gtk_main_iteration", gtk.main_iteration) && Find(library, "g_free", gtk.free) &&
      Find(library, "g_timeout_add", gtk.timeout_add) && Find(library, "g_source_remove", gtk.source_remove);
  if (!found) return std::nullopt;
  // GTK would set the whole locale from the environment, changing how the
  // rest of the program reads numbers and text; its own words only need
  // the language (it binds its translations to UTF-8 itself).
  gtk.disable_setlocale();
  std::setlocale(LC_MESSAGES, "");
  if (gtk.init_check(nullptr, nullptr) == 0) return std::nullopt;
  return gtk;
}

std::optional<Gtk3>& Loaded(const char* name) {
  static std::optional<Gtk3> gtk = Load(name);
  return gtk;
}

// The dialog, destroyed with its window gone from the screen before the
// caller goes on.
class ChooserDialog {
 public:
  ChooserDialog(const Gtk3& gtk, const OpenFileRequest& request)
      : gtk_(gtk),
        dialog_(gtk.file_chooser_dialog_new(request.title.c_str(), nullptr, kActionOpen, "ｷｬﾝｾﾙ", kResponseCancel,
                                            "開く", kResponseAccept, nullptr)) {
    // The dialog takes the filter's floating reference: exactly this one
    // filter, and no "All Files".
    const Object filter = gtk.file_filter_new();
    gtk.file_filter_set_name(filter, request.filterName.c_str());
    for (const std::string& pattern : CaseBlindGlobPatterns(request.filterPatterns))
      gtk.file_filter_add_pattern(filter, pattern.c_str());
    gtk.file_chooser_add_filter(dialog_, filter);
    // StartFolder names a folder that was there a moment ago; should it
    // have gone since, GTK opens in its own start instead.
    static_cast<void>(gtk.file_chooser_set_current_folder(dialog_, StartFolder(request).c_str()));
  }
  ChooserDialog(const ChooserDialog&) = delete;
  ChooserDialog& operator=(const ChooserDialog&) = delete;
  ~ChooserDialog() {
    gtk_.widget_destroy(dialog_);
    while (gtk_.events_pending() != 0) gtk_.main_iteration();
  }

  // The user's answer; the dialog stays on the screen.
  [[nodiscard]] int Run(const std::function<void()>& keepPainting) {
    std::function<void()> paint = keepPainting;
    const unsigned painter = gtk_.timeout_add(20, &ChooserDialog::Paint, &paint);
    const int response = gtk_.dialog_run(dialog_);
    gtk_.source_remove(painter);
    return response;
  }

  // The chosen local file, or nothing.
  [[nodiscard]] std::optional<std::string> Chosen() const {
    char* name = gtk_.file_chooser_get_filename(dialog_);
    if (name == nullptr) return std::nullopt;
    std::string path = name;
    gtk_.free(name);
    return path;
  }

 private:
  static int Paint(void* keepPainting) {
    (*static_cast<std::function<void()>*>(keepPainting))();
    return 1;  // G_SOURCE_CONTINUE
  }

  const Gtk3& gtk_;
  Object dialog_;
};

}  // namespace

bool Gtk3ChooserUsable(const char* library) { return Loaded(library).has_value(); }

std::optional<std::string> ChooseFileWithGtk3(const OpenFileRequest& request,
                                              const std::function<void()>& keepPainting) {
  const std::optional<Gtk3>& gtk = Loaded(nullptr);
  if (!gtk) return std::nullopt;  // not loaded first: nothing to show
  ChooserDialog dialog(*gtk, request);
  while (dialog.Run(keepPainting) == kResponseAccept) {
    std::optional<std::string> path = dialog.Chosen();
    if (path && PathFitsOrSaySo(request, *path)) return path;
  }
  return std::nullopt;
}

}  // namespace blazemere::platform
