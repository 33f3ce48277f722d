// The numeric edit box's rules: which texts are numbers, what wrong entries become, events, texts.
#include "controls/logic/SciValidation.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <vector>

namespace velmara {
namespace {

using enum TSciOutcome;

// "valid new value" → "valid_new_value", a test name gtest accepts.
std::string test_name(const char* name) {
  std::string out;
  for (const char c : std::string(name)) out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return out;
}

struct Events {
  std::vector<std::string> fired;
  explicit Events(TSciValidation& box) {
    box.OnNumberChange = [this] { fired.push_back("change"); };
    box.OnNotNumber = [this] { fired.push_back("not number"); };
    box.OnOutOfBounds = [this] { fired.push_back("out of bounds"); };
  }
};

const struct ParseCase {
  const char* name;
  TSciType type;
  TSciFloatPointType point;
  const char* text;
  std::optional<double> expected;
} ParseCases[] = {
    {"integer", TSciType::iastInteger, TSciFloatPointType::iasdptDecimalSeparatorOnly, "42", 42},
    {"signed integer with blanks", TSciType::iastInteger, TSciFloatPointType::iasdptDecimalSeparatorOnly, " -7 ", -7},
    {"plus sign", TSciType::iastInteger, TSciFloatPointType::iasdptDecimalSeparatorOnly, "+7", 7},
    {"integer with a point", TSciType::iastInteger, TSciFloatPointType::iasdptPointAndCommaAreEqual, "5.0", std::nullopt},
    {"integer with an exponent", TSciType::iastInteger, TSciFloatPointType::iasdptDecimalSeparatorOnly, "1e3", std::nullopt},
    {"empty", TSciType::iastInteger, TSciFloatPointType::iasdptDecimalSeparatorOnly, "", std::nullopt},
    {"sign alone", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "-", std::nullopt},
    {"letters", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "12a", std::nullopt},
    {"float", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "13.25", 13.25},
    {"decimals only", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "-.5", -0.5},
    {"point alone", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, ".", std::nullopt},
    {"exponent", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "1.5E-3", 0.0015},
    {"exponent without digits", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "1.5e", std::nullopt},
    {"comma refused", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "13,25", std::nullopt},
    {"comma as point", TSciType::iastFloat, TSciFloatPointType::iasdptPointAndCommaAreEqual, "13,25", 13.25},
    {"point still a point", TSciType::iastFloat, TSciFloatPointType::iasdptPointAndCommaAreEqual, "13.25", 13.25},
    {"two separators", TSciType::iastFloat, TSciFloatPointType::iasdptPointAndCommaAreEqual, "1.000,5", std::nullopt},
    {"infinity word", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "inf", std::nullopt},
    {"nan word", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "nan", std::nullopt},
    {"hex", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "0x10", std::nullopt},
    {"underflow is zero", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "1e-999", 0.0},
    {"overflow is huge", TSciType::iastFloat, TSciFloatPointType::iasdptDecimalSeparatorOnly, "-1e999", -HUGE_VAL},
    {"integer overflow is the largest", TSciType::iastInteger, TSciFloatPointType::iasdptDecimalSeparatorOnly,
     "99999999999999999999", 9223372036854775807.0},
};

class SciParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(SciParse, ReadsOnlyNumbersOfTheType) {
  const ParseCase& c = GetParam();
  TSciValidation box;
  box.Settings.SciType = c.type;
  box.Settings.SciFloatPointType = c.point;
  EXPECT_EQ(box.ParseNumber(c.text), c.expected) << "\"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Texts, SciParse, ::testing::ValuesIn(ParseCases),
                         [](const auto& info) { return test_name(info.param.name); });

TEST(SciValidation, StartsWithTheDocumentedDefaults) {
  const TSciValidation box;
  EXPECT_EQ(box.Settings.SciNotNumberString, "The value is Not Number");
  EXPECT_EQ(box.Settings.SciOutBoundsString, "Out Of Bounds");
  EXPECT_EQ(box.Settings.SciType, TSciType::iastFloat);
  EXPECT_EQ(box.SciFloatValue(), 0.0);
  EXPECT_EQ(box.Text(), "0.00");
}

const struct ReactionCase {
  const char* name;
  const char* text;
  TSciReactNotNumber notNumber;
  TSciReactOutBounds outBounds;
  TSciOutcome outcome;
  int value;  // held afterwards (started at 50)
  const char* shown;
  bool mustCorrect;
  std::vector<std::string> events;
} ReactionCases[] = {
    {"valid new value", "75", TSciReactNotNumber::iasrovnnSetDefault, TSciReactOutBounds::iasrovoommSetDefault, Valid,
     75, "75", false, {"change"}},
    {"valid same value", "050", TSciReactNotNumber::iasrovnnSetDefault, TSciReactOutBounds::iasrovoommSetDefault,
     Valid, 50, "50", false, {}},
    {"not a number to default", "abc", TSciReactNotNumber::iasrovnnSetDefault, TSciReactOutBounds::iasrovoommSetDefault,
     NotNumber, 20, "20", false, {"not number", "change"}},
    {"not a number left to correct", "abc", TSciReactNotNumber::iasrovnnUserMustCorrect,
     TSciReactOutBounds::iasrovoommSetDefault, NotNumber, 50, "abc", true, {"not number"}},
    {"above to default", "101", TSciReactNotNumber::iasrovnnSetDefault, TSciReactOutBounds::iasrovoommSetDefault,
     OutOfBounds, 20, "20", false, {"out of bounds", "change"}},
    {"above to nearest bound", "101", TSciReactNotNumber::iasrovnnSetDefault,
     TSciReactOutBounds::iasrovoommSetNearestBound, OutOfBounds, 100, "100", false, {"out of bounds", "change"}},
    {"below to nearest bound", "-3", TSciReactNotNumber::iasrovnnSetDefault,
     TSciReactOutBounds::iasrovoommSetNearestBound, OutOfBounds, 10, "10", false, {"out of bounds", "change"}},
    {"far above to nearest bound", "99999999999999999999", TSciReactNotNumber::iasrovnnSetDefault,
     TSciReactOutBounds::iasrovoommSetNearestBound, OutOfBounds, 100, "100", false, {"out of bounds", "change"}},
    {"out of bounds left to correct", "101", TSciReactNotNumber::iasrovnnSetDefault,
     TSciReactOutBounds::iasrovoommUserMustcorrect, OutOfBounds, 50, "101", true, {"out of bounds"}},
    {"bounds are inclusive", "100", TSciReactNotNumber::iasrovnnSetDefault, TSciReactOutBounds::iasrovoommSetDefault,
     Valid, 100, "100", false, {"change"}},
};

class SciReaction : public ::testing::TestWithParam<ReactionCase> {};

TEST_P(SciReaction, IntegerEntryIsHandledAsItsReactionSays) {
  const ReactionCase& c = GetParam();
  TSciValidation box;
  box.Settings.SciType = TSciType::iastInteger;
  box.Settings.SciIntMin = 10;
  box.Settings.SciIntMax = 100;
  box.Settings.SciIntDefault = 20;
  box.Settings.SciReactNotNumber = c.notNumber;
  box.Settings.SciReactOutBounds = c.outBounds;
  box.SetSciIntegerValue(50);
  Events events(box);

  const TSciCommit commit = box.Commit(c.text);
  EXPECT_EQ(commit.Outcome, c.outcome);
  EXPECT_EQ(box.SciIntegerValue(), c.value);
  EXPECT_EQ(commit.Text, c.shown);
  EXPECT_EQ(commit.MustCorrect, c.mustCorrect);
  EXPECT_EQ(commit.Changed, c.value != 50);
  EXPECT_EQ(events.fired, c.events);
  const char* error = c.outcome == NotNumber ? "The value is Not Number" : c.outcome == OutOfBounds ? "Out Of Bounds" : "";
  EXPECT_EQ(commit.Error, error);
}

INSTANTIATE_TEST_SUITE_P(Reactions, SciReaction, ::testing::ValuesIn(ReactionCases),
                         [](const auto& info) { return test_name(info.param.name); });

TEST(SciValidation, FloatBoundsDefaultsAndOwnErrorTexts) {
  TSciValidation box;
  box.Settings.SciFloatMin = 0.0;
  box.Settings.SciFloatMax = 59.999;
  box.Settings.SciFloatDefault = 1.5;
  box.Settings.SciOutBoundsString = "Minutes 0 .. 59.999";
  box.Settings.SciReactOutBounds = TSciReactOutBounds::iasrovoommSetNearestBound;
  Events events(box);

  EXPECT_EQ(box.Commit("60").Error, "Minutes 0 .. 59.999");
  EXPECT_DOUBLE_EQ(box.SciFloatValue(), 59.999);
  EXPECT_EQ(box.Commit("-0.5").Text, "0.00");
  box.Settings.SciReactOutBounds = TSciReactOutBounds::iasrovoommSetDefault;
  EXPECT_EQ(box.Commit("1e6").Text, "1.50");
  EXPECT_EQ(box.Commit("junk").Outcome, NotNumber);
  EXPECT_DOUBLE_EQ(box.SciFloatValue(), 1.5);
  EXPECT_EQ(events.fired, (std::vector<std::string>{"out of bounds", "change", "out of bounds", "change",
                                                     "out of bounds", "change", "not number"}));
}

TEST(SciValidation, ProgramValuesObeyTheBoundsToo) {
  TSciValidation box;
  box.Settings.SciType = TSciType::iastInteger;
  box.Settings.SciIntMin = 0;
  box.Settings.SciIntMax = 3000;
  Events events(box);
  EXPECT_EQ(box.SetSciIntegerValue(4000).Outcome, OutOfBounds);
  EXPECT_EQ(box.SciIntegerValue(), 3000);
  EXPECT_EQ(box.SetSciIntegerValue(120).Text, "120");
  // A float set into an integer box is kept apart; the box still shows its integer.
  EXPECT_EQ(box.SetSciFloatValue(2.5).Text, "120");
  EXPECT_EQ(box.SciFloatValue(), 2.5);
  EXPECT_EQ(events.fired, (std::vector<std::string>{"out of bounds", "change", "change", "change"}));
}

TEST(SciValidation, IntegerDigitCounts) {
  TSciValidation box;
  box.Settings.SciType = TSciType::iastInteger;
  box.Settings.SciNIntegerPrecitionDigits = 3;
  EXPECT_EQ(box.FormatInteger(7), "007");
  EXPECT_EQ(box.FormatInteger(-7), "-007");
  EXPECT_EQ(box.FormatInteger(12345), "12345");
  EXPECT_EQ(box.FormatInteger(std::numeric_limits<long long>::min()), "-9223372036854775808");
  // More digits than the box takes is out of bounds; leading zeros do not count.
  box.Settings.SciNIntegerAllDigits = 3;
  box.Settings.SciIntMin = -5000;
  box.Settings.SciIntMax = 5000;
  EXPECT_EQ(box.Commit("0000999").Outcome, Valid);
  EXPECT_EQ(box.Commit("1000").Outcome, OutOfBounds);
  EXPECT_EQ(box.SciIntegerValue(), 5000);
}

const struct FloatTextCase {
  const char* name;
  double value;
  int fixedAll, fixedDecimals, floatAll, exponentDigits;
  const char* expected;
} FloatTextCases[] = {
    {"fixed with decimals", 13.0, 15, 2, 5, 3, "13.00"},
    {"fixed rounds decimals", 2.345, 15, 2, 5, 3, "2.35"},
    {"fixed rounds to its significant digits first", 123.456, 4, 2, 5, 3, "123.50"},
    {"fixed without decimals", 41.6, 15, 0, 5, 3, "42"},
    {"negative fixed", -0.25, 15, 3, 5, 3, "-0.250"},
    {"zero is fixed", 0.0, 15, 1, 5, 3, "0.0"},
    {"too many integer digits for fixed", 123456.0, 4, 2, 5, 3, "1.2346E+005"},
    {"above the fixed range", 2.5e10, 15, 2, 3, 2, "2.50E+10"},
    {"below the fixed range", -0.000123, 15, 2, 2, 1, "-1.2E-4"},
};

class SciFloatText : public ::testing::TestWithParam<FloatTextCase> {};

TEST_P(SciFloatText, FixedInsideTheRangeExponentOutside) {
  const FloatTextCase& c = GetParam();
  TSciValidation box;
  box.Settings.SciFloatFixedMin = 0.001;
  box.Settings.SciFloatFixedMax = 1.0e9;
  box.Settings.SciNFixedAllDigits = c.fixedAll;
  box.Settings.SciNFixedPrecitionDigits = c.fixedDecimals;
  box.Settings.SciNFloatAllDigits = c.floatAll;
  box.Settings.SciNFloatPrecitionDigits = c.exponentDigits;
  EXPECT_EQ(box.FormatFloat(c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, SciFloatText, ::testing::ValuesIn(FloatTextCases),
                         [](const auto& info) { return test_name(info.param.name); });

TEST(SciValidation, ValidEntryIsShownInTheBoxFormat) {
  TSciValidation box;
  box.Settings.SciFloatPointType = TSciFloatPointType::iasdptPointAndCommaAreEqual;
  box.Settings.SciNFixedPrecitionDigits = 3;
  const TSciCommit commit = box.Commit(" 7,1 ");
  EXPECT_EQ(commit.Outcome, Valid);
  EXPECT_EQ(commit.Text, "7.100");
  EXPECT_DOUBLE_EQ(box.SciFloatValue(), 7.1);
}

}  // namespace
}  // namespace velmara
