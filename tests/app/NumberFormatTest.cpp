#include "app/base/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>
#include <stdexcept>

namespace velmara {
namespace {

struct PictureCase {
  const char* pattern;
  double value;
  const char* text;
};

const PictureCase PictureCases[] = {
    {"0", 2.5, "3"},  // decimal ties round away from zero
    {"0", -2.5, "-3"},
    {"0", 999.5, "1000"},
    {"0.0", 1.25, "1.3"},
    {"0.0", 1.24999, "1.2"},
    {"0.0", -0.04, "0.0"},  // no minus on a value that shows as zero
    {"0.00", 0.125, "0.13"},
    {"0.00", 1e-10, "0.00"},
    {"0.000", 59.9996, "60.000"},
    {"0.#", 12.0, "12"},
    {"0.#", 12.34, "12.3"},
    {"0.#", 0.06, "0.1"},
    {"00.0000", 7.12338, "07.1234"},
    {"00.000", 30.0, "30.000"},
    {"000", 5.0, "005"},
    {"000", -5.4, "-005"},
    {"000", 1234.0, "1234"},
    {"#,##0.0", 1851.9, "1,851.9"},
    {"#,##0.0", -1234.56, "-1,234.6"},
    {"#,##0.0", 0.0, "0.0"},
    {"#,###,##0", 1234567.4, "1,234,567"},
    {"#,###,##0", 999.0, "999"},
    {"#,###,##0.00", 0.5, "0.50"},
    {"#,###,##0.00", 1234567.891, "1,234,567.89"},
    {"#.##", 0.5, ".5"},
    {"#", 0.0, "0"},
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << '"' << c.pattern << "\" of " << c.value; }

class FormatFloatTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(FormatFloatTest, Picture) {
  const PictureCase& c = GetParam();
  EXPECT_EQ(FormatFloat(c.value, c.pattern), c.text) << c.pattern << " of " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatFloatTest, ::testing::ValuesIn(PictureCases));

TEST(FormatFloat, RejectsPatternsOutsideItsGrammar) {
  EXPECT_THROW(FormatFloat(1.0, "0.0 m"), std::invalid_argument);
  EXPECT_THROW(FormatFloat(1.0, "0.#0"), std::invalid_argument);
}

struct PrintfCase {
  const char* name;
  std::string text;
  const char* expected;
};

void PrintTo(const PrintfCase& c, std::ostream* os) { *os << c.name; }

class FormatTest : public ::testing::TestWithParam<PrintfCase> {};

TEST_P(FormatTest, Printf) { EXPECT_EQ(GetParam().text, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatTest,
    ::testing::Values(PrintfCase{"position", FormatText("%d %1.4f %s", 45, 7.12338, "N"), "45 7.1234 N"},
                      PrintfCase{"one_decimal", FormatText("%.1f", 12.345), "12.3"},
                      PrintfCase{"binary_tie_to_even", FormatText("%.1f", 2.25), "2.2"},
                      PrintfCase{"no_decimals", FormatText("%.0f", 2.5), "2"},
                      PrintfCase{"frame_rate", FormatText("%.1f FPS - %d", 59.96, 12000), "60.0 FPS - 12000"},
                      PrintfCase{"channel_one_digit", FormatText("%3D", 7), "  7"},
                      PrintfCase{"channel_two_digits", FormatText("%3D", 64), " 64"},
                      PrintfCase{"channel_full", FormatText("%3D", 255), "255"},
                      PrintfCase{"left_and_zero", FormatText("[%-4d|%05.1f]", 12, -2.5), "[12  |-02.5]"},
                      PrintfCase{"name", FormatText("%s can not be zero length", "Net Name"),
                                 "Net Name can not be zero length"},
                      PrintfCase{"percent", FormatText("100%%"), "100%"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Format, MismatchedArgumentsThrow) {
  EXPECT_THROW(FormatText("%d", 1.5), std::invalid_argument);
  EXPECT_THROW(FormatText("%d %d", 1), std::invalid_argument);
  EXPECT_THROW(FormatText("%d", 1, 2), std::invalid_argument);
  EXPECT_THROW(FormatText("%x", 1), std::invalid_argument);
}

TEST(Format, IgnoresTheUserLocale) {
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (!german) german = std::setlocale(LC_ALL, "de_DE");
  if (!german) GTEST_SKIP() << "no comma-decimal locale installed";
  EXPECT_EQ(FormatText("%.1f", 1.5), "1.5");
  EXPECT_EQ(FormatFloat(1234.5, "#,##0.0"), "1,234.5");
  EXPECT_EQ(ParseFloat("1.5"), 1.5);
  std::setlocale(LC_ALL, "C");
}

TEST(ParseNumbers, WholeTextWithPointSeparator) {
  EXPECT_EQ(ParseFloat(" 12.5 "), 12.5);
  EXPECT_EQ(ParseFloat("-0.25"), -0.25);
  EXPECT_EQ(ParseFloat("+3"), 3.0);
  EXPECT_EQ(ParseFloat("1e3"), 1000.0);
  EXPECT_EQ(ParseFloat("12,5"), std::nullopt);
  EXPECT_EQ(ParseFloat("12.5m"), std::nullopt);
  EXPECT_EQ(ParseFloat(""), std::nullopt);
  EXPECT_EQ(ParseInteger("42"), 42);
  EXPECT_EQ(ParseInteger("4.2"), std::nullopt);
  EXPECT_EQ(ParseInteger("99999999999999999999"), std::nullopt);
  EXPECT_EQ(FloatToText(1.5), "1.5");
  EXPECT_EQ(FloatToText(-0.1), "-0.1");
}

TEST(Rounding, HalfToEvenTruncAndDiv) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(2.6), 3);
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_EQ(Trunc(2.7), 2);
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Div(7, 2), 3);
}

}  // namespace
}  // namespace velmara
