// The dialog's painted parts as numbers: gradient rows, tiling with an empty
// strip, the path label's line breaks, and the generated pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/dialog/dialog_background.h"
#include "host/dialog/path_label_wrap.h"
#include "host/resources/dialog/dialog_art.h"

namespace blazemere::dialog {
namespace {

TEST(DialogBackground, GradientRowsAndPanelTiles) {
  const struct {
    int y;
    Rgb colour;
  } rows[] = {{0, {0, 0, 30}}, {1, {3, 3, 33}}, {61, {155, 155, 185}}, {123, {220, 220, 250}},
              {200, {122, 122, 152}}, {245, {3, 3, 33}}, {246, {0, 0, 30}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.y);
    EXPECT_EQ(GradientRowColour(row.y, 246), row.colour);
  }
  EXPECT_TRUE(TileOrigins(0, 20, 469, 165).empty()) << "an empty strip must not tile forever";
  EXPECT_TRUE(TileOrigins(556, 0, 469, 165).empty());
}

TEST(PathLabelWrap, BreaksAtSeparatorsElseBetweenCharacters) {
  const TextMeasure tenPixelsPerCharacter = [](std::string_view text) {
    double width = 0;
    for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 10;
    return width;
  };
  const struct {
    const char* text;
    double width;
    std::size_t maxLines;
    std::vector<std::string> lines;
  } rows[] = {
      {"", 100, 3, {}},
      {"/m/a.mp3", 100, 3, {"/m/a.mp3"}},
      {"/music/fire/a.mp3", 100, 3, {"/music/", "fire/a.mp3"}},
      {"/music/a b c.mp3", 130, 3, {"/music/a b ", "c.mp3"}},
      {"abcdefghijklmnop", 50, 3, {"abcde", "fghij", "klmno"}},
      {"/曲/ファイル名.wav", 50, 3, {"/曲/", "ファイル名", ".wav"}},
      {"abc", 5, 5, {"a", "b", "c"}},  // narrower than one character
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(WrapIntoLines(row.text, row.width, row.maxLines, tenPixelsPerCharacter), row.lines);
  }
}

TEST(DialogArt, PicturesHaveTheirSizesAndLooks) {
  const resources::RgbPicture strip = resources::PanelStrip();
  ASSERT_EQ(strip.width, 556);
  ASSERT_EQ(strip.height, 20);
  double sum[3] = {0, 0, 0};
  for (int i = 0; i < strip.width * strip.height; ++i)
    for (int c = 0; c < 3; ++c) sum[c] += strip.pixels[i * 3 + c];
  const double mean[3] = {199, 195, 194};
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(sum[c] / (strip.width * strip.height), mean[c], 1.0) << "channel " << c;

  const auto centre = [](const resources::RgbPicture& picture) {
    const std::uint8_t* p = picture.pixels + (6 * picture.width + 6) * 3;
    return Rgb{p[0], p[1], p[2]};
  };
  EXPECT_EQ(centre(resources::OptionNotSelected()), (Rgb{255, 255, 255}));
  const Rgb selected = centre(resources::OptionSelected());
  EXPECT_GT(selected.blue, selected.red + 100);

  const resources::CursorBitmap hand = resources::HandCursor();
  const auto bit = [&hand](int x, int y) { return (hand.mask[y * 4 + x / 8] >> (x % 8)) & 1; };
  EXPECT_EQ(bit(hand.hotX, hand.hotY), 1) << "the hot spot is on the finger tip";
  EXPECT_EQ(bit(hand.hotX, hand.hotY - 1), 0) << "nothing above the tip";

  const resources::RgbaPicture icon = resources::WindowIcon();
  EXPECT_EQ(icon.pixels[3], 0) << "top-left corner transparent";
  const std::uint8_t* body = icon.pixels + (24 * 32 + 16) * 4;
  EXPECT_EQ(body[3], 255);
  EXPECT_GT(body[0], body[2]) << "fire colours: more red than blue";
}

}  // namespace
}  // namespace blazemere::dialog
