// What counts as a number in the repeat box, with the rounding and the range.
// (The "##" and sign-position forms show in the model's load and save tests.)
#include <gtest/gtest.h>

#include "host/dialog/dialog_number_text.h"

namespace blazemere::dialog {
namespace {

TEST(DialogNumberText, RepeatTrackFromText) {
  const struct {
    const char* text;
    int track;
  } rows[] = {
      {"", 0},       {" 12 ", 12},  {"+3", 3},       {"-2.5", -2},      {"0.5", 0},       {".5", 0},
      {"5.", 5},     {"1e1", 10},   {"2.5E+1", 25},  {"7a", 0},         {"1 2", 0},       {"-", 0},
      {".", 0},      {"1e", 0},     {"inf", 0},      {"nan", 0},        {"0x10", 0},      {"３", 0},
      {"32767", 32767}, {"-32768", -32768}, {"32767.5", 0}, {"32768", 0}, {"-32769", 0}, {"1e400", 0},
      {"1e-400", 0}, {"99999999999999999999999", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(RepeatTrackFromText(row.text), row.track);
  }
}

}  // namespace
}  // namespace blazemere::dialog
