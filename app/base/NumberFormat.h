#pragma once
// Number texts for the whole program. Always "." as decimal separator and "," as thousands
// separator, whatever the user's locale: the C library's printf follows LC_NUMERIC, which Qt sets
// from the environment, so nothing here goes through it.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velmara {

// Picture formats: "0" a digit always shown, "#" a digit shown when significant, "." the decimal
// point, "," anywhere in the integer part groups thousands. Examples: "0.0", "#,##0.0", "00.0000",
// "#,###,##0.00", "0.#", "000". Decimal ties round away from zero; "-" is shown only when the
// rounded value is not zero. Throws std::invalid_argument for a character outside that grammar.
std::string FormatFloat(double value, std::string_view pattern);

// printf-style formats: %d and %D (integers, %3D right-aligned in three characters), %f with width
// and precision ("%.1f", "%1.4f"), %s, and %%. Flags "-" (left align) and "0" (zero pad) work.
// Throws std::invalid_argument when the arguments do not match the format.
using FormatArg = std::variant<long long, double, std::string_view>;
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

template <typename... Args>
std::string FormatText(std::string_view format, const Args&... args) {
  [[maybe_unused]] auto toArg = [](const auto& a) -> FormatArg {
    using A = std::decay_t<decltype(a)>;
    if constexpr (std::is_integral_v<A>) return static_cast<long long>(a);
    else if constexpr (std::is_floating_point_v<A>) return static_cast<double>(a);
    else return std::string_view(a);
  };
  return Format(format, {toArg(args)...});
}

// Shortest text that reads back as the same double, "." separator ("1.5", "-0.25", "3").
std::string FloatToText(double value);

// Parses a whole text as a number with "." separator, surrounding blanks allowed; nullopt otherwise.
std::optional<double> ParseFloat(std::string_view text);
std::optional<long long> ParseInteger(std::string_view text);

// Round half to even (the default rounding mode of the FPU).
long long Round(double value);
// Toward zero.
long long Trunc(double value);
// Integer division truncating toward zero, as C++ '/' on integers.
constexpr long long Div(long long a, long long b) { return a / b; }

}  // namespace velmara
