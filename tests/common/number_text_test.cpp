// The one number reader: its grammar, and the one difference between the
// settings file (fractions rounded down) and the settings dialog (fractions
// rounded half to even), both over the same texts.
#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"

namespace blazemere {
namespace {

using Int16 = std::optional<std::int16_t>;
constexpr Int16 kNone = std::nullopt;

TEST(NumberText, DecimalGrammarAndRounding) {
  // text, rounded down (settings), rounded half to even (dialog)
  const std::tuple<const char*, Int16, Int16> rows[] = {
      {" \t2.9 ", 2, 3},  {"-1.5", -2, -2},          {"2.5", 2, 2},          {"3.5", 3, 4},       {"+.5", 0, 0},
      {"5.", 5, 5},        {"1e3", 1000, 1000},       {"2.5E-1", 0, 0},       {"1e-400", 0, 0},    {"32767", 32767, 32767},
      {"-32768", -32768, -32768}, {"32767.5", 32767, kNone}, {"32768", kNone, kNone}, {"1e400", kNone, kNone},
      {"", kNone, kNone},  {"1e", kNone, kNone},      {".", kNone, kNone},    {"- 1", kNone, kNone}, {"1 2", kNone, kNone},
      {"0x10", kNone, kNone}, {"inf", kNone, kNone}, {"12abc", kNone, kNone},
  };
  for (const auto& [text, down, halfToEven] : rows) {
    EXPECT_EQ(ReadInt16(text, Rounding::kDown), down) << "'" << text << "' rounded down";
    EXPECT_EQ(ReadInt16(text, Rounding::kHalfToEven), halfToEven) << "'" << text << "' rounded half to even";
  }
  EXPECT_EQ(ReadDecimalNumber("1e400"), std::numeric_limits<double>::infinity()) << "huge is still a number";
  EXPECT_EQ(ReadDecimalNumber("-0.125"), -0.125);
}

TEST(NumberText, WholeAndLeadingNumbers) {
  const std::tuple<const char*, std::optional<std::int64_t>> whole[] = {
      {" 7 ", 7}, {"+7", 7}, {"-7", -7}, {"7.0", std::nullopt}, {"+", std::nullopt}, {"", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& [text, value] : whole) EXPECT_EQ(ReadInteger(text), value) << "'" << text << "'";
  EXPECT_EQ(ReadInteger("\t7", " "), std::nullopt) << "only the caller's blanks";

  const std::tuple<const char*, std::optional<double>> leading[] = {
      {"12 34", 1234}, {"42abc", 42}, {"3.5.5", 3.5}, {"-5", -5}, {"abc", std::nullopt}, {"+.", std::nullopt},
  };
  for (const auto& [text, value] : leading) EXPECT_EQ(ReadLeadingNumber(text), value) << "'" << text << "'";
}

// As XScreenSaver writes ids ("0x40000F") and as strtoul with base 0 reads them.
TEST(NumberText, WindowIds) {
  using Id = std::optional<std::uint32_t>;
  const std::tuple<const char*, Id> rows[] = {
      {"0x40000F", 0x40000F}, {"0X1e00007", 0x1e00007}, {"4194319", 4194319}, {"017", 15}, {"0xffffffff", 0xffffffffu},
      {"0x100000000", std::nullopt}, {"4294967296", std::nullopt}, {"0", std::nullopt}, {"0x", std::nullopt},
      {"", std::nullopt}, {"-5", std::nullopt}, {" 5", std::nullopt}, {"5 ", std::nullopt}, {"12abc", std::nullopt},
      {"08", std::nullopt}, {"&H1F", std::nullopt},
  };
  for (const auto& [text, id] : rows) EXPECT_EQ(ReadWindowId(text), id) << "'" << text << "'";
}

}  // namespace
}  // namespace blazemere
