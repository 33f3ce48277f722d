#include "app/settings/SettingsProfile.h"

#include "app/base/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace velmara {

TPaletteKindSettings& TPaletteSettings::operator[](int kind) {
  assert(kind >= 0 && kind < KindCount && "TPaletteSettings::operator[](): no such palette kind");
  return kind == Hardness ? hardness : kind == Roughness ? roughness : depth;
}

const TPaletteKindSettings& TPaletteSettings::operator[](int kind) const {
  return const_cast<TPaletteSettings&>(*this)[kind];
}

namespace {

constexpr int kHardRoughMaximum = 10000;
constexpr int kMaxShadingIndex = 4;
constexpr double kMaxVerticalScale = 100.0;

int DefaultDepthMaximum(bool inshore) { return inshore ? 100 : 1000; }

const char* Flag(bool on) { return on ? "1" : "0"; }

// What each line holds, for the messages of a file that does not read.
constexpr std::array<const char*, ProfileLineCount> kLineNames = {
    "depth minimum",     "depth maximum",     "depth palette name",     "hardness minimum",
    "hardness maximum",  "hardness palette name", "roughness minimum", "roughness maximum",
    "roughness palette name", "contour interval", "contours on or off", "smooth or block colours",
    "shading level",     "day or night colours", "vertical scale",    "active palette kind",
};

// Splits at line feeds, dropping a carriage return before each. A final line feed ends the last
// line rather than starting an empty one.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// Quotes a line for a message, cut short so that junk does not flood the message box.
std::string Quoted(std::string_view line) {
  constexpr std::size_t kShown = 40;
  std::string text = "'";
  for (char c : line.substr(0, kShown)) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte < ' ' || byte >= 0x7F ? '?' : c;  // nothing that garbles a message box
  }
  return text + (line.size() > kShown ? "...'" : "'");
}

class LineReader {
public:
  explicit LineReader(const std::vector<std::string_view>& lines) : lines_(lines) {}

  std::string_view line(int number) const { return lines_[static_cast<std::size_t>(number - 1)]; }

  bool integer(int number, int& out, int lowest = INT_MIN, int highest = INT_MAX) {
    const std::optional<long long> value = ParseInteger(Trim(line(number)));
    if (!value || *value < lowest || *value > highest) {
      return fail(number, lowest == INT_MIN ? "is not a whole number" : "is not a whole number from " +
                                                                             std::to_string(lowest) + " to " +
                                                                             std::to_string(highest));
    }
    out = static_cast<int>(*value);
    return true;
  }

  bool flag(int number, bool& out) {
    const std::string_view text = Trim(line(number));
    if (text != "0" && text != "1") return fail(number, "is not 0 or 1");
    out = text == "1";
    return true;
  }

  bool real(int number, double& out) {
    const std::optional<double> value = ParseFloat(Trim(line(number)));
    if (!value || !std::isfinite(*value)) return fail(number, "is not a number");
    out = *value;
    return true;
  }

  bool name(int number, std::string& out) {
    out = std::string(Trim(line(number)));
    return true;
  }

  const std::string& error() const { return error_; }

private:
  bool fail(int number, const std::string& why) {
    error_ = "Line " + std::to_string(number) + " (" + kLineNames[static_cast<std::size_t>(number - 1)] + ") " +
             Quoted(line(number)) + " " + why;
    return false;
  }

  const std::vector<std::string_view>& lines_;
  std::string error_;
};

}  // namespace

TSettingsProfile ProfileDefaults(bool inshore) {
  TSettingsProfile profile;
  profile.palettes.depth = {0, DefaultDepthMaximum(inshore), std::string(DefaultDepthPalette)};
  profile.palettes.hardness = {0, kHardRoughMaximum, std::string(DefaultHardRoughPalette)};
  profile.palettes.roughness = {0, kHardRoughMaximum, std::string(DefaultHardRoughPalette)};
  return profile;
}

std::string ProfileProblem(const TSettingsProfile& profile) {
  const char* kinds[] = {"depth", "hardness", "roughness"};
  for (int kind = 0; kind < TPaletteSettings::KindCount; ++kind) {
    if (profile.palettes[kind].paletteName.find_first_of("\r\n") != std::string::npos) {
      return std::string("The ") + kinds[kind] + " palette name holds a line break";
    }
  }
  if (profile.activeKind < 0 || profile.activeKind >= TPaletteSettings::KindCount) {
    return "No palette kind " + std::to_string(profile.activeKind);
  }
  if (!std::isfinite(profile.verticalScale)) return "The vertical scale is not a number";
  return {};
}

std::string ProfileText(const TSettingsProfile& profile) {
  std::string text;
  auto line = [&](std::string_view value) {
    text += value;
    text += '\n';
  };
  for (int kind = 0; kind < TPaletteSettings::KindCount; ++kind) {
    const TPaletteKindSettings& entry = profile.palettes[kind];
    line(std::to_string(entry.minimum));
    line(std::to_string(entry.maximum));
    line(entry.paletteName);
  }
  line(std::to_string(profile.contourInterval));
  line(Flag(profile.contoursOn));
  line(Flag(profile.smoothColours));
  line(std::to_string(profile.shadingIndex));
  line(Flag(profile.dayColours));
  line(FloatToText(profile.verticalScale));
  line(std::to_string(profile.activeKind + 1));
  return text;
}

TProfileText ParseProfileText(std::string_view text) {
  TProfileText result;
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() < static_cast<std::size_t>(ProfileLineCount)) {
    result.error = "The file has " + std::to_string(lines.size()) + " of its " + std::to_string(ProfileLineCount) +
                   " lines";
    return result;
  }
  LineReader read(lines);
  TSettingsProfile& p = result.profile;
  int kind = 0;
  bool ok = true;
  for (int k = 0; ok && k < TPaletteSettings::KindCount; ++k) {
    TPaletteKindSettings& entry = p.palettes[k];
    ok = read.integer(3 * k + 1, entry.minimum) && read.integer(3 * k + 2, entry.maximum) &&
         read.name(3 * k + 3, entry.paletteName);
  }
  ok = ok && read.integer(10, p.contourInterval) && read.flag(11, p.contoursOn) && read.flag(12, p.smoothColours) &&
       read.integer(13, p.shadingIndex) && read.flag(14, p.dayColours) && read.real(15, p.verticalScale) &&
       read.integer(16, kind, 1, TPaletteSettings::KindCount);
  if (!ok) {
    result.error = read.error();
    result.profile = {};
    return result;
  }
  p.activeKind = kind - 1;
  result.ok = true;
  return result;
}

TProfileCorrections CorrectProfile(TSettingsProfile& profile, bool inshore) {
  TProfileCorrections corrections;
  const TSettingsProfile defaults = ProfileDefaults(inshore);
  for (int kind = 0; kind < TPaletteSettings::KindCount; ++kind) {
    TPaletteKindSettings& entry = profile.palettes[kind];
    const TPaletteKindSettings& fallback = defaults.palettes[kind];
    if (Trim(entry.paletteName).empty()) entry.paletteName = fallback.paletteName;
    if (entry.minimum >= entry.maximum) {
      entry.minimum = fallback.minimum;
      entry.maximum = fallback.maximum;
      if (kind == TPaletteSettings::Depth) corrections.depthRangeReplaced = true;
    }
  }
  if (profile.contourInterval < 1) profile.contourInterval = defaults.contourInterval;
  profile.shadingIndex = std::clamp(profile.shadingIndex, 0, kMaxShadingIndex);
  if (!std::isfinite(profile.verticalScale)) profile.verticalScale = defaults.verticalScale;
  profile.verticalScale = std::clamp(profile.verticalScale, 0.0, kMaxVerticalScale);
  if (profile.activeKind < 0 || profile.activeKind >= TPaletteSettings::KindCount) {
    profile.activeKind = TPaletteSettings::Depth;
  }
  return corrections;
}

}  // namespace velmara
