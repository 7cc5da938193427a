// The repeat box and the set button as a hand meets them: the real list with
// every entry, the empty first one included; two digits shown whole; Tab
// stopping only at the dialog's four controls; and a tap on 設定 that comes
// with the pointer, right after typing.
#include <algorithm>

#include "tests/dialog/dialog_fixture.h"

namespace blazemere::testing {
namespace {

constexpr Point kRepeatBox{kPanelX + 112, kPanelY + 52};  // top-left; 41 x 20
constexpr Point kRepeatArrow{kPanelX + 146, kPanelY + 62};

// First and last column holding ink; {-1, -1} for none.
std::pair<int, int> InkColumns(const RgbImage& image) {
  std::pair<int, int> columns{-1, -1};
  for (int x = 0; x < image.width; ++x)
    for (int y = 0; y < image.height; ++y)
      if (IsDark(image.At(x, y))) {
        if (columns.first < 0) columns.first = x;
        columns.second = x;
      }
  return columns;
}

TEST_F(SettingsDialogTest, RepeatListHoldsAllEntriesScrollsAndItsEmptyEntrySavesZero) {
  WriteFile(IniPath(), IniBytes(" 1", " 7", ""));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  const auto field = [this] { return CaptureDialog(kRepeatBox.x + 2, kRepeatBox.y + 2, 22, 16); };
  // Drops the list, walks it with the keys and picks with Return.
  const auto pickWithKeys = [&](int downs, const char* start) {
    Click(kRepeatArrow);
    std::vector<std::string> keys{"key", start};
    keys.insert(keys.end(), static_cast<std::size_t>(downs), "Down");
    keys.push_back("Return");
    XDoTool(keys);
    std::this_thread::sleep_for(200ms);
    return field();
  };
  const RgbImage last = pickWithKeys(0, "End");
  EXPECT_EQ(pickWithKeys(30, "Home"), last) << "30 steps from the first entry do not reach the last";
  EXPECT_NE(pickWithKeys(29, "Home"), last) << "29 steps from the first entry already reach the last";

  // The dropped list: a window of its own right under the box, a few rows
  // tall, that scrolls.
  Click(kRepeatArrow);
  const WindowGeometry box{geometry_.x + kRepeatBox.x, geometry_.y + kRepeatBox.y, 41, 20};
  WindowGeometry list;
  ASSERT_TRUE(Eventually([&] {
    for (const Window w : MappedTopWindows())
      if (const WindowGeometry g = x_.Geometry(w); g.x == box.x && g.y == box.y + box.height) list = g;
    return list.height > 0;
  })) << "no list under the box";
  EXPECT_EQ(list.width, 41);
  EXPECT_LE(list.height, 160) << "not a sensible height";
  const auto listShot = [&] { return x_.Capture(list.x, list.y, list.width, list.height); };
  const RgbImage before = listShot();
  XDoTool({"mousemove", std::to_string(list.x + 10), std::to_string(list.y + list.height / 2)});
  for (int i = 0; i < 3; ++i) XDoTool({"click", "5"});
  EXPECT_TRUE(Eventually([&] { return listShot() != before; })) << "the wheel does not scroll the list";

  // Back to the top with the wheel; a click on the first, empty, row.
  for (int i = 0; i < 20; ++i) XDoTool({"click", "4"});
  std::this_thread::sleep_for(200ms);
  XDoTool({"mousemove", std::to_string(list.x + 10), std::to_string(list.y + 5), "click", "1"});
  EXPECT_TRUE(Eventually([&] {
    const std::vector<Window> windows = MappedTopWindows();
    return std::none_of(windows.begin(), windows.end(), [&](Window w) { return x_.Geometry(w).y == list.y; });
  })) << "the list stayed open";
  Click(kSetButton);
  ExpectClosed();
  EXPECT_EQ(ReadFile(IniPath()), IniBytes(" 1", " 0", ""));
}

// Each text typed and left (Tab), then the columns its glyphs cover: a text
// of two digits starts where its first digit alone starts and is as wide as
// both digits together, so neither is cut.
TEST_F(SettingsDialogTest, RepeatBoxShowsTwoDigitsWhole) {
  WriteFile(IniPath(), IniBytes(" 1", " 0", ""));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  const auto typedInk = [this](const std::string& text) {
    Click(kRepeatInput);
    XDoTool({"key", "ctrl+a"});
    XDoTool({"type", text});
    XDoTool({"key", "Tab"});
    std::this_thread::sleep_for(150ms);
    return InkColumns(CaptureDialog(kRepeatBox.x + 2, kRepeatBox.y + 2, 22, 16));
  };
  for (const char* text : {"12", "30", "45"}) {
    SCOPED_TRACE(text);
    const auto first = typedInk(std::string(1, text[0])), second = typedInk(std::string(1, text[1]));
    const auto both = typedInk(text);
    EXPECT_EQ(both.first, first.first) << "the first digit is cut or moved";
    EXPECT_GE(both.second - both.first, (first.second - first.first) + (second.second - second.first) + 1)
        << "narrower than its two digits";
  }
}

// From the repeat box, Tab goes to the file button (disabled here, so it
// looks the same), then 設定, then ｷｬﾝｾﾙ, then back to the box.
TEST_F(SettingsDialogTest, TabStopsAreTheRepeatBoxAndTheThreeButtons) {
  WriteFile(IniPath(), IniBytes(" 1", " 7", ""));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  // A focused Command button shows the Selected band in its third row.
  const auto focused = [this](Point button) { return CaptureDialog(button.x, button.y - 10, 1, 1).At(0, 0) == 0xCEE7FF; };
  Click(kRepeatInput);
  const struct { const char* focus; bool set, cancel; } rows[] = {
      {"Cmd_File", false, false}, {"Cmd_Set", true, false}, {"Cmd_Can", false, true}, {"BGM_Repeat", false, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.focus);
    XDoTool({"key", "Tab"});
    EXPECT_TRUE(Eventually([&] { return focused(kSetButton) == row.set && focused(kCancelButton) == row.cancel; }, 2s));
  }
  const RgbImage field = CaptureDialog(kRepeatBox.x + 2, kRepeatBox.y + 2, 22, 16);
  XDoTool({"type", "9"});
  EXPECT_TRUE(Eventually([&] { return CaptureDialog(kRepeatBox.x + 2, kRepeatBox.y + 2, 22, 16) != field; }))
      << "the box did not take the typing";
}

// A tap lands on 設定 in the same instant as the pointer: it saves and
// closes every time.
TEST_F(SettingsDialogTest, TapOnSetRightAfterTypingSaves) {
  for (int round = 1; round <= 5; ++round) {
    SCOPED_TRACE(round);
    WriteFile(IniPath(), IniBytes(" 1", " 7", ""));
    XDoTool({"mousemove", "0", "0"});  // the dialog opens away from the pointer
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    Click(kRepeatInput);
    XDoTool({"key", "ctrl+a"});
    XDoTool({"type", std::to_string(10 + round)});
    XDoTool({"mousemove", std::to_string(geometry_.x + kSetButton.x), std::to_string(geometry_.y + kSetButton.y),
             "click", "1"});
    ASSERT_TRUE(x_.WaitForNoWindow(kDialogTitle, 5s)) << "the tap did nothing";
    EXPECT_EQ(host_->WaitForExit(10s), 0);
    EXPECT_EQ(ReadFile(IniPath()), IniBytes(" 1", " " + std::to_string(10 + round), ""));
  }
}

}  // namespace
}  // namespace blazemere::testing
