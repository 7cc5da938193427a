// The repeat box `BGM_Repeat`: an editable drop-down list the way a Windows
// combo box is one. A text field that takes typing and the keyboard focus;
// an arrow beside it that opens the list but is never a Tab stop; and the
// list itself, dropped below the field a few rows tall and scrolling through
// the rest. Picking an entry, the empty one included, puts its text in the
// field.
#pragma once

#include <FL/Fl_Group.H>

#include <string>
#include <vector>

class Fl_Input;

namespace blazemere::dialog {

class RepeatBox : public Fl_Group {
 public:
  RepeatBox(int x, int y, int w, int h);

  void SetEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }
  const char* value() const;
  void value(const char* text);
  void SetTextFont(Fl_Font font, Fl_Fontsize size);

  // Drops the list and runs it until an entry is picked or it is dismissed
  // (Escape, a press outside it).
  void DropList();

 private:
  Fl_Input* field_ = nullptr;
  std::vector<std::string> entries_;
};

}  // namespace blazemere::dialog
