#include "controls/logic/SciValidation.h"

#include "app/base/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace velmara {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Counts the digits from `at` on.
std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The significant digits of |value| in exponent form: "12346" and 7 for 1.23456e7 at 5 digits.
struct Scientific {
  std::string mantissa;  // "1.2346"
  int exponent = 0;
};

Scientific ToScientific(double value, int significantDigits) {
  char buffer[64];
  const int decimals = std::max(significantDigits, 1) - 1;
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, decimals);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const auto e = text.find('e');
  return {std::string(text.substr(0, e)), std::atoi(std::string(text.substr(e + 1)).c_str())};
}

// The power of ten of a well-formed float text's leading digit, plus one (12.5 → 2, 0.05 → -1).
int DecimalOrder(std::string_view number) {
  const auto e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = number.substr(e + 1);
    const bool negative = !digits.empty() && digits[0] == '-';
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
    if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc())
      exponent = std::numeric_limits<int>::max();
    exponent = std::min<long long>(exponent, std::numeric_limits<int>::max() / 2);
    if (negative) exponent = -exponent;
  }
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto lead = mantissa.find_first_of("123456789");
  if (lead == std::string_view::npos) return std::numeric_limits<int>::min() / 2;
  const long long order = lead < point ? static_cast<long long>(point - lead) : -static_cast<long long>(lead - point - 1);
  return static_cast<int>(std::clamp<long long>(order + exponent, std::numeric_limits<int>::min() / 2,
                                                 std::numeric_limits<int>::max() / 2));
}

double FromChars(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

TSciValidation::Entry TSciValidation::Read(std::string_view text) const {
  std::string number(Trimmed(text));
  if (Settings.SciFloatPointType == TSciFloatPointType::iasdptPointAndCommaAreEqual)
    std::replace(number.begin(), number.end(), ',', '.');

  std::size_t at = 0;
  if (at < number.size() && (number[at] == '+' || number[at] == '-')) ++at;
  const std::size_t integerStart = at;
  at = SkipDigits(number, at);
  Entry entry;
  const std::string_view integer = std::string_view(number).substr(integerStart, at - integerStart);
  const auto significant = integer.find_first_not_of('0');
  entry.digits = significant == std::string_view::npos ? 0 : static_cast<int>(integer.size() - significant);
  const bool integerDigits = !integer.empty();

  if (Settings.SciType == TSciType::iastInteger) {
    if (!integerDigits || at != number.size()) return entry;
    long long value = 0;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
      value = number[0] == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    entry.number = static_cast<double>(value);
    return entry;
  }

  bool mantissaDigits = integerDigits;
  if (at < number.size() && number[at] == '.') {
    const std::size_t decimals = SkipDigits(number, at + 1);
    mantissaDigits = mantissaDigits || decimals > at + 1;
    at = decimals;
  }
  if (!mantissaDigits) return entry;
  if (at < number.size() && (number[at] == 'e' || number[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < number.size() && (number[exponent] == '+' || number[exponent] == '-')) ++exponent;
    const std::size_t end = SkipDigits(number, exponent);
    if (end == exponent) return entry;
    at = end;
  }
  if (at != number.size()) return entry;

  double value = 0.0;
  const char* first = number.data() + (number[0] == '+' ? 1 : 0);
  const auto result = std::from_chars(first, number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond a double: too large a magnitude is out of any bounds, too small one is zero.
    value = DecimalOrder(number) > 0 ? std::copysign(HUGE_VAL, number[0] == '-' ? -1.0 : 1.0) : 0.0;
  }
  entry.number = value;
  return entry;
}

std::optional<double> TSciValidation::ParseNumber(std::string_view text) const { return Read(text).number; }

bool TSciValidation::InBounds(const Entry& entry) const {
  const double v = *entry.number;
  if (Settings.SciType == TSciType::iastInteger) {
    if (Settings.SciNIntegerAllDigits > 0 && entry.digits > Settings.SciNIntegerAllDigits) return false;
    return v >= Settings.SciIntMin && v <= Settings.SciIntMax;
  }
  return v >= Settings.SciFloatMin && v <= Settings.SciFloatMax;
}

double TSciValidation::NearestBound(double number) const {
  if (Settings.SciType == TSciType::iastInteger) {
    const double low = Settings.SciIntMin, high = Settings.SciIntMax;
    if (number < low) return low;
    if (number > high) return high;
    // Too many digits inside the range goes to the bound nearer the entry.
    return number - low <= high - number ? low : high;
  }
  return number < Settings.SciFloatMin ? Settings.SciFloatMin : Settings.SciFloatMax;
}

double TSciValidation::DefaultValue() const {
  return Settings.SciType == TSciType::iastInteger ? Settings.SciIntDefault : Settings.SciFloatDefault;
}

double TSciValidation::HeldValue() const {
  return Settings.SciType == TSciType::iastInteger ? intValue_ : floatValue_;
}

bool TSciValidation::Store(double number) {
  const double before = HeldValue();
  if (Settings.SciType == TSciType::iastInteger)
    intValue_ = static_cast<int>(number);
  else
    floatValue_ = number;
  return HeldValue() != before;
}

TSciCommit TSciValidation::Apply(const Entry& entry, std::string_view typed) {
  TSciCommit commit;
  std::optional<double> accepted;
  if (!entry.number) {
    commit.Outcome = TSciOutcome::NotNumber;
    commit.Error = Settings.SciNotNumberString;
    if (OnNotNumber) OnNotNumber();
    if (Settings.SciReactNotNumber == TSciReactNotNumber::iasrovnnSetDefault) accepted = DefaultValue();
  } else if (!InBounds(entry)) {
    commit.Outcome = TSciOutcome::OutOfBounds;
    commit.Error = Settings.SciOutBoundsString;
    if (OnOutOfBounds) OnOutOfBounds();
    switch (Settings.SciReactOutBounds) {
      case TSciReactOutBounds::iasrovoommSetDefault: accepted = DefaultValue(); break;
      case TSciReactOutBounds::iasrovoommSetNearestBound: accepted = NearestBound(*entry.number); break;
      case TSciReactOutBounds::iasrovoommUserMustcorrect: break;
    }
  } else {
    accepted = entry.number;
  }

  if (!accepted) {
    commit.MustCorrect = true;
    commit.Text = std::string(typed);
    return commit;
  }
  commit.Changed = Store(*accepted);
  commit.Text = Text();
  if (commit.Changed && OnNumberChange) OnNumberChange();
  return commit;
}

TSciCommit TSciValidation::Commit(std::string_view text) { return Apply(Read(text), text); }

TSciCommit TSciValidation::SetSciIntegerValue(int value) {
  const TSciType type = Settings.SciType;
  Settings.SciType = TSciType::iastInteger;
  const std::string text = FormatInteger(value);
  TSciCommit commit = Apply(Read(text), text);
  Settings.SciType = type;
  if (type != TSciType::iastInteger) commit.Text = Text();
  return commit;
}

TSciCommit TSciValidation::SetSciFloatValue(double value) {
  const TSciType type = Settings.SciType;
  Settings.SciType = TSciType::iastFloat;
  Entry entry;
  entry.number = value;
  TSciCommit commit = Apply(entry, FormatFloat(value));
  Settings.SciType = type;
  if (type != TSciType::iastFloat) commit.Text = Text();
  return commit;
}

std::string TSciValidation::Text() const {
  return Settings.SciType == TSciType::iastInteger ? FormatInteger(intValue_) : FormatFloat(floatValue_);
}

std::string TSciValidation::FormatInteger(long long value) const {
  const auto magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  const auto width = static_cast<std::size_t>(std::max(Settings.SciNIntegerPrecitionDigits, 1));
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return (value < 0 ? "-" : "") + digits;
}

std::string TSciValidation::FormatFloat(double value) const {
  const double magnitude = std::fabs(value);
  if (value == 0.0 || (magnitude >= Settings.SciFloatFixedMin && magnitude <= Settings.SciFloatFixedMax)) {
    const Scientific rounded = ToScientific(value, Settings.SciNFixedAllDigits);
    if (value == 0.0 || rounded.exponent < std::max(Settings.SciNFixedAllDigits, 1)) {
      double fixed = FromChars(rounded.mantissa + "e" + std::to_string(rounded.exponent));
      if (value < 0) fixed = -fixed;
      std::string pattern = "0";
      if (Settings.SciNFixedPrecitionDigits > 0)
        pattern += "." + std::string(static_cast<std::size_t>(Settings.SciNFixedPrecitionDigits), '0');
      return velmara::FormatFloat(fixed, pattern);
    }
  }
  const Scientific s = ToScientific(value, Settings.SciNFloatAllDigits);
  std::string exponent = std::to_string(std::abs(s.exponent));
  const auto width = static_cast<std::size_t>(std::max(Settings.SciNFloatPrecitionDigits, 1));
  if (exponent.size() < width) exponent.insert(0, width - exponent.size(), '0');
  return (value < 0 ? "-" : "") + s.mantissa + "E" + (s.exponent < 0 ? "-" : "+") + exponent;
}

}  // namespace velmara
