#pragma once
// The rules of the numeric edit box, apart from any widget: which texts are numbers of the box's
// type, what a wrong or out-of-range entry turns into, and how the held value is written as text.
// The box's value lives here; a widget shows Text() and hands what the user typed to Commit().
//
// Texts: an integer is an optional sign and digits; a float is an optional sign, digits with at
// most one decimal point (or only decimals, ".5"), and an optional exponent ("1.5E-3"). The
// decimal point is "." whatever the locale; with iasdptPointAndCommaAreEqual a "," counts as the
// point too. Blanks round the number are allowed; nothing else is (no "inf", no hex, no grouping).
//
// Writing: an integer shows at least SciNIntegerPrecitionDigits digits (zero-padded); an entry of
// more than SciNIntegerAllDigits digits (when that is above 0) is out of bounds. A float whose
// magnitude lies in SciFloatFixedMin … SciFloatFixedMax (and zero) is shown fixed-point: rounded
// to SciNFixedAllDigits significant digits, then with SciNFixedPrecitionDigits decimals; any other
// float (or one whose integer part has more digits than SciNFixedAllDigits) is shown with an
// exponent: SciNFloatAllDigits significant digits and an exponent of at least
// SciNFloatPrecitionDigits digits ("1.2346E+007").
//
// Main thread only, like the box it serves.

#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace velmara {

enum class TSciType { iastFloat, iastInteger };
enum class TSciReactNotNumber { iasrovnnSetDefault, iasrovnnUserMustCorrect };
enum class TSciReactOutBounds { iasrovoommSetDefault, iasrovoommSetNearestBound, iasrovoommUserMustcorrect };
enum class TSciFloatPointType { iasdptDecimalSeparatorOnly, iasdptPointAndCommaAreEqual };

struct TSciSettings {
  TSciType SciType = TSciType::iastFloat;
  int SciIntDefault = 0;
  int SciIntMin = std::numeric_limits<int>::min();
  int SciIntMax = std::numeric_limits<int>::max();
  double SciFloatDefault = 0.0;
  double SciFloatMin = std::numeric_limits<double>::lowest();
  double SciFloatMax = std::numeric_limits<double>::max();
  TSciReactNotNumber SciReactNotNumber = TSciReactNotNumber::iasrovnnSetDefault;
  TSciReactOutBounds SciReactOutBounds = TSciReactOutBounds::iasrovoommSetNearestBound;
  std::string SciNotNumberString = "The value is Not Number";
  std::string SciOutBoundsString = "Out Of Bounds";
  TSciFloatPointType SciFloatPointType = TSciFloatPointType::iasdptDecimalSeparatorOnly;
  double SciFloatFixedMin = 0.001;
  double SciFloatFixedMax = 1.0e9;
  int SciNIntegerAllDigits = 10;
  int SciNIntegerPrecitionDigits = 1;
  int SciNFloatAllDigits = 5;
  int SciNFloatPrecitionDigits = 3;
  int SciNFixedAllDigits = 15;
  int SciNFixedPrecitionDigits = 2;
};

enum class TSciOutcome { Valid, NotNumber, OutOfBounds };

// What one entry did to the box.
struct TSciCommit {
  TSciOutcome Outcome = TSciOutcome::Valid;
  bool Changed = false;      // the held value is different now (OnNumberChange fired)
  bool MustCorrect = false;  // the entry stays in the box, wrong, for the user to correct
  std::string Text;          // what the box shows now
  std::string Error;         // SciNotNumberString or SciOutBoundsString; empty when valid
};

class TSciValidation {
public:
  TSciSettings Settings;

  // Fired by Commit and the value setters: OnNotNumber / OnOutOfBounds for a wrong entry (before
  // its correction), then OnNumberChange when the held value changed.
  std::function<void()> OnNumberChange;
  std::function<void()> OnNotNumber;
  std::function<void()> OnOutOfBounds;

  int SciIntegerValue() const { return intValue_; }
  double SciFloatValue() const { return floatValue_; }
  // A value set by the program is handled as if it had been typed: bounds and reactions apply.
  TSciCommit SetSciIntegerValue(int value);
  TSciCommit SetSciFloatValue(double value);

  // An entry of the user's in the box's current type.
  TSciCommit Commit(std::string_view text);

  // The held value of the current type as the box shows it.
  std::string Text() const;
  std::string FormatInteger(long long value) const;
  std::string FormatFloat(double value) const;

  // The number a text stands for in the current type, or nothing when it is not one. Integers
  // too long for 64 bits come back as the largest value of their sign (out of any bounds).
  std::optional<double> ParseNumber(std::string_view text) const;

private:
  struct Entry {
    std::optional<double> number;  // nothing: not a number
    int digits = 0;                // significant integer digits typed
  };
  Entry Read(std::string_view text) const;
  TSciCommit Apply(const Entry& entry, std::string_view typed);
  bool InBounds(const Entry& entry) const;
  double NearestBound(double number) const;
  double DefaultValue() const;
  double HeldValue() const;
  // Stores a number of the current type; true when the value changed.
  bool Store(double number);

  int intValue_ = 0;
  double floatValue_ = 0.0;
};

}  // namespace velmara
