// The FLTK file-open chooser: see file_dialog.h.
//
// FLTK's own Fl_File_Chooser cannot carry a filter name with parentheses in
// it and always adds "All Files", so the chooser is put together from FLTK's
// file list and inputs here, with exactly the one filter it was asked for.
#include "platform/file_dialog/file_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Return_Button.H>
#include <FL/filename.H>

#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_dialog/fltk/file_filter_pattern.h"
#include "platform/file_dialog/path_length_limit.h"
#include "platform/fltk/japanese_ui_font.h"
#include "platform/message_box/message_box.h"
#include "platform/paths/home_folder.h"

namespace blazemere::platform {
namespace {

constexpr int kFontSize = 13;

bool IsFolder(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string CanonicalFolder(const std::string& path) {
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (getcwd(buffer, sizeof buffer) == nullptr) return "/";
  return buffer;
}

// A menu entry whose text is taken literally ("/" would open a submenu).
std::string LiteralMenuText(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '/' || c == '\\' || c == '&' || c == '_') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

class FileOpenWindow {
 public:
  explicit FileOpenWindow(const OpenFileRequest& request)
      : window_(460, 360, request.title.c_str()),
        place_(80, 10, 370, 25, "場所:"),
        list_(10, 45, 440, 200),
        name_(100, 255, 350, 25, "ﾌｧｲﾙ名:"),
        kind_(100, 285, 350, 25, "ﾌｧｲﾙの種類:"),
        open_(280, 325, 80, 25, "開く"),
        cancel_(370, 325, 80, 25, "ｷｬﾝｾﾙ"),
        title_(request.title),
        longestPath_(request.longestPath),
        pattern_(CaseInsensitiveFltkPattern(request.filterPatterns)) {
    window_.end();
    window_.set_modal();
    window_.callback(&FileOpenWindow::OnCancel, this);
    const Fl_Font font = JapaneseUiFont();
    for (Fl_Widget* widget : {static_cast<Fl_Widget*>(&place_), static_cast<Fl_Widget*>(&name_),
                              static_cast<Fl_Widget*>(&kind_), static_cast<Fl_Widget*>(&open_),
                              static_cast<Fl_Widget*>(&cancel_)}) {
      widget->labelfont(font);
      widget->labelsize(kFontSize);
    }
    place_.textfont(font);
    place_.textsize(kFontSize);
    name_.textfont(font);
    name_.textsize(kFontSize);
    kind_.textfont(font);
    kind_.textsize(kFontSize);
    list_.textfont(font);
    list_.textsize(kFontSize);
    list_.type(FL_HOLD_BROWSER);
    list_.filter(pattern_.c_str());
    list_.callback(&FileOpenWindow::OnListClick, this);
    kind_.add(LiteralMenuText(request.filterName).c_str());
    kind_.value(0);
    open_.callback(&FileOpenWindow::OnOpen, this);
    cancel_.callback(&FileOpenWindow::OnCancel, this);
    ShowFolder(IsFolder(request.initialFolder) ? request.initialFolder : CurrentFolder());
  }

  std::optional<std::string> Run() {
    // Where the settings dialog itself stands: centred, a third down.
    window_.position((Fl::w() - window_.w()) / 2, (Fl::h() - window_.h()) / 3);
    window_.show();
    Fl::focus(&name_);
    while (window_.shown()) Fl::wait();
    return chosen_;
  }

 private:
  void ShowFolder(const std::string& folder) {
    folder_ = CanonicalFolder(folder);
    place_.value(folder_.c_str());
    // A long place shows its end, where one folder differs from the next;
    // the whole field is painted again so no piece of a longer text stays.
    place_.position(place_.size());
    place_.redraw();
    list_.load(folder_.c_str(), fl_casenumericsort);
  }

  // Opens a folder, or ends the chooser with a file (one that does not exist
  // included, as the Windows chooser does without its must-exist flag).
  void Take(const std::string& typed) {
    if (typed.empty()) return;
    const std::string path = ResolveTypedName(folder_, typed, HomeFolder());
    if (IsFolder(path)) {
      ShowFolder(path);
      name_.value("");
      return;
    }
    if (const std::optional<std::string> refusal = PathTooLongMessage(path, longestPath_)) {
      ShowMessageBox(title_, *refusal, MessageBoxIcon::kError);
      return;
    }
    chosen_ = path;
    window_.hide();
  }

  static void OnListClick(Fl_Widget*, void* self) {
    auto* chooser = static_cast<FileOpenWindow*>(self);
    const int line = chooser->list_.value();
    if (line <= 0) return;
    const std::string entry = chooser->list_.text(line);
    const bool isFolder = !entry.empty() && entry.back() == '/';
    if (Fl::event_clicks() > 0) {
      chooser->Take(entry);
    } else if (!isFolder) {
      chooser->name_.value(entry.c_str());
    }
  }

  static void OnOpen(Fl_Widget*, void* self) {
    auto* chooser = static_cast<FileOpenWindow*>(self);
    chooser->Take(chooser->name_.value());
  }

  static void OnCancel(Fl_Widget*, void* self) {
    auto* chooser = static_cast<FileOpenWindow*>(self);
    chooser->chosen_.reset();
    chooser->window_.hide();
  }

  Fl_Double_Window window_;
  Fl_Output place_;
  Fl_File_Browser list_;
  Fl_Input name_;
  Fl_Choice kind_;
  Fl_Return_Button open_;
  Fl_Button cancel_;
  std::string title_;
  std::size_t longestPath_;
  std::string pattern_;
  std::string folder_;
  std::optional<std::string> chosen_;
};

}  // namespace

std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) {
  auto chooser = std::make_unique<FileOpenWindow>(request);
  return chooser->Run();
}

}  // namespace blazemere::platform
