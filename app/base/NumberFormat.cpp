#include "app/base/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace velmara {
namespace {

struct Picture {
  int minIntegerDigits = 0;
  int minFractionDigits = 0;
  int maxFractionDigits = 0;
  bool groupThousands = false;
};

Picture ParsePicture(std::string_view pattern) {
  Picture picture;
  bool inFraction = false;
  for (char c : pattern) {
    if (c == '.' && !inFraction) {
      inFraction = true;
    } else if (c == ',' && !inFraction) {
      picture.groupThousands = true;
    } else if (c == '0') {
      if (inFraction) {
        if (picture.maxFractionDigits != picture.minFractionDigits)
          throw std::invalid_argument("FormatFloat(): '0' after '#' in the fraction of " + std::string(pattern));
        ++picture.minFractionDigits;
        ++picture.maxFractionDigits;
      } else {
        ++picture.minIntegerDigits;
      }
    } else if (c == '#') {
      if (inFraction) ++picture.maxFractionDigits;
    } else {
      throw std::invalid_argument("FormatFloat(): unsupported character in pattern " + std::string(pattern));
    }
  }
  return picture;
}

// Exact decimal digits of |value| with `decimals` fraction digits, ties rounded away from zero.
// Returns the digits without a point; the last `decimals` of them are the fraction.
std::string RoundedDigits(double magnitude, int decimals) {
  // Far more digits than a double carries, so the digit after the cut is exact and a tie shows
  // as "5" followed by zeros.
  const int extra = 40;
  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals + extra);
  if (ec != std::errc()) throw std::invalid_argument("FormatFloat(): value out of range");
  std::string digits;
  for (const char* p = buffer; p != end; ++p)
    if (*p != '.') digits.push_back(*p);
  const bool roundUp = digits[digits.size() - extra] >= '5';
  digits.resize(digits.size() - extra);
  if (roundUp) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) ++digits[i];
    else digits.insert(digits.begin(), '1');
  }
  return digits;
}

std::string GroupThousands(const std::string& digits) {
  std::string grouped;
  const int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) grouped.push_back(',');
    grouped.push_back(digits[i]);
  }
  return grouped;
}

std::string Pad(std::string text, int width, bool leftAlign, char fill) {
  if (static_cast<int>(text.size()) >= width) return text;
  const std::size_t count = static_cast<std::size_t>(width) - text.size();
  if (leftAlign) return text.append(count, ' ');
  if (fill == '0' && !text.empty() && text[0] == '-') return "-" + std::string(count, '0') + text.substr(1);
  return std::string(count, fill) + text;
}

std::string FixedText(double value, int precision) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  if (ec != std::errc()) throw std::invalid_argument("Format(): value out of range");
  return std::string(buffer, end);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string FormatFloat(double value, std::string_view pattern) {
  const Picture picture = ParsePicture(pattern);
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  std::string digits = RoundedDigits(std::fabs(value), picture.maxFractionDigits);
  std::string fraction = digits.substr(digits.size() - picture.maxFractionDigits);
  std::string integer = digits.substr(0, digits.size() - picture.maxFractionDigits);
  while (static_cast<int>(fraction.size()) > picture.minFractionDigits && fraction.back() == '0') fraction.pop_back();

  const auto firstNonZero = integer.find_first_not_of('0');
  integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
  if (static_cast<int>(integer.size()) < picture.minIntegerDigits)
    integer.insert(0, picture.minIntegerDigits - integer.size(), '0');
  const bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
  if (picture.groupThousands) integer = GroupThousands(integer);

  std::string text = (value < 0 && !isZero) ? "-" : "";
  text += integer;
  if (!fraction.empty()) text += "." + fraction;
  if (text.empty() || text == "-") text = "0";  // a pattern without "0" still shows a zero value
  return text;
}

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  auto next = args.begin();
  auto take = [&]() -> const FormatArg& {
    if (next == args.end()) throw std::invalid_argument("Format(): too few arguments for " + std::string(format));
    return *next++;
  };
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c != '%') {
      out.push_back(c);
      continue;
    }
    if (++i < format.size() && format[i] == '%') {
      out.push_back('%');
      continue;
    }
    bool leftAlign = false;
    char fill = ' ';
    for (; i < format.size() && (format[i] == '-' || format[i] == '0'); ++i) {
      if (format[i] == '-') leftAlign = true;
      else fill = '0';
    }
    int width = 0;
    for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i) width = width * 10 + (format[i] - '0');
    int precision = -1;
    if (i < format.size() && format[i] == '.') {
      precision = 0;
      for (++i; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
        precision = precision * 10 + (format[i] - '0');
    }
    if (i >= format.size()) throw std::invalid_argument("Format(): incomplete conversion in " + std::string(format));
    const FormatArg& arg = take();
    std::string field;
    switch (format[i]) {
      case 'd':
      case 'D':
        if (!std::holds_alternative<long long>(arg))
          throw std::invalid_argument("Format(): %d needs an integer in " + std::string(format));
        field = std::to_string(std::get<long long>(arg));
        break;
      case 'f': {
        double v = 0.0;
        if (std::holds_alternative<double>(arg)) v = std::get<double>(arg);
        else if (std::holds_alternative<long long>(arg)) v = static_cast<double>(std::get<long long>(arg));
        else throw std::invalid_argument("Format(): %f needs a number in " + std::string(format));
        field = FixedText(v, precision < 0 ? 6 : precision);
        break;
      }
      case 's':
        if (!std::holds_alternative<std::string_view>(arg))
          throw std::invalid_argument("Format(): %s needs a text in " + std::string(format));
        field = std::string(std::get<std::string_view>(arg));
        fill = ' ';
        break;
      default:
        throw std::invalid_argument("Format(): unsupported conversion in " + std::string(format));
    }
    out += Pad(std::move(field), width, leftAlign, fill);
  }
  if (next != args.end()) throw std::invalid_argument("Format(): too many arguments for " + std::string(format));
  return out;
}

std::string FloatToText(double value) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::optional<double> ParseFloat(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<long long> ParseInteger(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

long long Round(double value) { return static_cast<long long>(std::nearbyint(value)); }

long long Trunc(double value) { return static_cast<long long>(std::trunc(value)); }

}  // namespace velmara
