// Number forms: input-file floats and doubles, strict and lenient parsing, rounding.
#include "base/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <random>

namespace tarnix {
namespace {

TEST(FileFloatFormat, WritesTheFileForms) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {0.0f, "0"},          {-0.0f, "0"},          {0.85f, ".85"},          {-0.09f, "-.09"},
      {0.003f, ".003"},     {1.0f, "1"},           {-3.0f, "-3"},           {4000.0f, "4000"},
      {3605000.0f, "3605000"}, {9999999.0f, "9999999"}, {29000000.0f, "2.9E+07"}, {1e7f, "1E+07"},
      {12345678.0f, "1.2345678E+07"}, {-2e8f, "-2E+08"}, {0.0005f, ".0005"},   {0.00015f, ".00015"},
      {1e-5f, "1E-05"},     {-2.5e-6f, "-2.5E-06"}, {123.456f, "123.456"},  {2.5f, "2.5"},
      {1e20f, "1E+20"},     {1e-20f, "1E-20"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFileFloat(c.value), c.text) << c.value;
}

TEST(FileFloatFormat, NonFiniteValuesGiveTokensNoReaderAccepts) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float v : {nan, inf, -inf}) {
    const std::string text = FormatFileFloat(v);
    EXPECT_FALSE(text.empty());
    EXPECT_FALSE(ParseFileFloat(text).has_value()) << text;
  }
}

TEST(FileFloatFormat, EveryFloatReadsBackExactly) {
  // Random bit patterns cover every exponent, subnormals included.
  std::mt19937 random(12345);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    const uint32_t bits = random();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = FormatFileFloat(value);
    const auto back = ParseFileFloat(text);
    ASSERT_TRUE(back.has_value()) << text;
    if (value == 0) {
      EXPECT_EQ(*back, 0.0f);
    } else {
      EXPECT_EQ(*back, value) << text;
    }
    ASSERT_TRUE(text.size() < 2 || text.compare(0, 2, "0.") != 0) << text;
    ++checked;
  }
  EXPECT_GT(checked, 190000);
}

TEST(FileNumberParse, AcceptsEveryWrittenFormAndRefusesText) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {".85", 0.85},     {"0.85", 0.85},  {"-.09", -0.09}, {"+3", 3},        {"2.9E+07", 2.9e7},
      {"2.9e7", 2.9e7},  {"1E-05", 1e-5}, {"5.", 5},       {" 12 ", 12},     {"\t-4\t", -4},
      {"", {}},          {" ", {}},       {".", {}},       {"-", {}},        {"abc", {}},
      {"12abc", {}},     {"1e", {}},      {"1e+", {}},     {"1 2", {}},      {"--1", {}},
      {"inf", {}},       {"nan", {}},     {"0x10", {}},    {"1,5", {}},      {"1e400", {}},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseFileDouble(c.text);
    ASSERT_EQ(parsed.has_value(), c.value.has_value()) << '"' << c.text << '"';
    if (parsed) {
      EXPECT_DOUBLE_EQ(*parsed, *c.value) << c.text;
    }
  }
  EXPECT_FALSE(ParseFileFloat("1e39").has_value());  // beyond single precision
  EXPECT_FALSE(ParseFileFloat("1e-50").has_value());  // would silently become 0
  EXPECT_EQ(ParseFileFloat(".79").value(), 0.79f);
}

// Counts read from the file or typed in a field round half to even and must fit an int.
TEST(CountParse, RoundHalfToEvenAndStayInRange) {
  const struct {
    const char* text;
    std::optional<int> file, lenient;
  } cases[] = {{"3", 3, 3},       {"2.5", 2, 2},          {"3.5", 4, 4},         {"-1.5", -2, -2},
               {"2.49", 2, 2},    {"1E+03", 1000, 1000}, {"2147483647", 2147483647, 2147483647},
               {"2147483648", {}, {}}, {"1e12", {}, {}},   {"1e9x", {}, 1000000000}, {"7 bars", {}, 7},
               {"abc", {}, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ParseFileInt(c.text), c.file) << c.text;
    EXPECT_EQ(LenientCount(c.text), c.lenient) << c.text;
  }
}

// A field typed in the window reads its leading number, and anything else as zero.
TEST(LenientParse, ReadsTheLeadingNumberElseZero) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"12.5 kip", 12.5}, {"  -.5x", -0.5}, {"abc", 0}, {"", 0}, {"-", 0}, {"1e", 1}, {"2E3", 2000},
               {"3.", 3}, {".", 0}, {"1e999", 0}, {"inf", 0}, {"nan", 0}, {"1,5", 1}, {"x12", 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LenientDouble(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(LenientFloat("1e39"), 0.0f);
}

TEST(Rounding, HalfAwayFromZero) {
  const struct {
    double value;
    int digits;
    double rounded;
  } cases[] = {{12.34, 1, 12.3}, {56.78, 1, 56.8}, {0.25, 1, 0.3}, {-0.25, 1, -0.3}, {2.5, 0, 3}, {-2.5, 0, -3},
               {1.005, 2, 1.01}, {0.8124, 3, 0.812}, {12350.0f / 1000.0, 1, 12.4},
               // Halves that binary arithmetic leaves just below the half.
               {0.85 - 0.0015 * 25, 3, 0.813}, {0.805, 3, 0.805}, {60000.0 / 29000000.0, 5, 0.00207}};
  for (const auto& c : cases) {
    EXPECT_EQ(static_cast<float>(RoundHalfAway(c.value, c.digits)), static_cast<float>(c.rounded)) << c.value;
  }
}

}  // namespace
}  // namespace tarnix
