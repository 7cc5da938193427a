// Number texts of the dialog: the "##" pattern, the sign position, and what
// counts as a number in the repeat box, with the rounding and the range.
#include <gtest/gtest.h>

#include "host/dialog/dialog_number_text.h"

namespace blazemere::dialog {
namespace {

TEST(DialogNumberText, Formats) {
  struct Row {
    int value;
    const char* hash;
    const char* signPosition;
  };
  const Row rows[] = {{0, "", " 0"}, {7, "7", " 7"}, {45, "45", " 45"}, {-3, "-3", "-3"}, {-32768, "-32768", "-32768"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(FormatHashPattern(row.value), row.hash);
    EXPECT_EQ(FormatWithSignPosition(row.value), row.signPosition);
  }
}

TEST(DialogNumberText, RepeatTrackFromText) {
  struct Row {
    const char* text;
    int track;
  };
  const Row rows[] = {
      {"", 0},          {"7", 7},           {" 12 ", 12},         {"+3", 3},          {"-3", -3},
      {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},         {"0.5", 0},         {"1.5", 2},
      {"2.49", 2},      {".5", 0},          {"5.", 5},            {"1e1", 10},        {"2.5E+1", 25},
      {"abc", 0},       {"7a", 0},          {"1 2", 0},           {"-", 0},           {".", 0},
      {"1e", 0},        {"inf", 0},         {"nan", 0},           {"0x10", 0},        {"３", 0},
      {"32767", 32767}, {"-32768", -32768}, {"32767.5", 0},       {"32768", 0},       {"-32769", 0},
      {"1e400", 0},     {"1e-400", 0},      {"99999999999999999999999", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(RepeatTrackFromText(row.text), row.track);
  }
}

}  // namespace
}  // namespace blazemere::dialog
