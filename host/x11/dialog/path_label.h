// The label `lbl_Fname` that shows the music file's path: transparent, the
// path spread over as many whole lines as the box holds; what does not fit
// is not drawn.
#pragma once

#include <FL/Fl_Widget.H>

#include <string>

namespace blazemere::dialog {

class PathLabel : public Fl_Widget {
 public:
  PathLabel(int x, int y, int w, int h);

  void SetPath(const std::string& path);
  const std::string& path() const { return path_; }

 protected:
  void draw() override;

 private:
  std::string path_;
};

}  // namespace blazemere::dialog
