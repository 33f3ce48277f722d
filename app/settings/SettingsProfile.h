#pragma once
// A settings profile: the view settings a skipper tunes for a fishing ground, kept under a name as
// a small text file of sixteen lines, one value a line:
//
//   1-3   depth minimum, maximum (display depth units), palette name
//   4-6   hardness minimum, maximum, palette name
//   7-9   roughness minimum, maximum, palette name
//   10    contour interval          11  "1" contours on, "0" off
//   12    "1" smooth, "0" block colours
//   13    shading list index (0 ... 4 for 1%, 10%, 20%, 50%, 100%)
//   14    "1" day, "0" night colours
//   15    vertical scale ("." as decimal separator, whatever the locale)
//   16    active palette kind: "1" depth, "2" hardness, "3" roughness
//
// This header holds the record, its defaults, the text of a file and its reading; the files in
// the profile folder are ProfileStore's.

#include "app/settings/PaletteSettings.h"

#include <string>
#include <string_view>

namespace velmara {

struct TSettingsProfile {
  TPaletteSettings palettes;
  int contourInterval = 10;  // display depth units
  bool contoursOn = true;
  bool smoothColours = true;
  int shadingIndex = 4;  // into "1%", "10%", "20%", "50%", "100%"
  bool dayColours = true;
  double verticalScale = 2.0;
  int activeKind = TPaletteSettings::Depth;  // a TPaletteSettings kind index

  bool operator==(const TSettingsProfile&) const = default;
};

inline constexpr int ProfileLineCount = 16;
inline constexpr std::string_view DefaultDepthPalette = "Velmara #7";
inline constexpr std::string_view DefaultHardRoughPalette = "RoughHard";

// The defaults every profile starts from (and the start-up applies): depth 0 ... 100 inshore or
// 0 ... 1000 deep-sea, hardness and roughness 0 ... 10000, contour interval 10, contours on,
// smooth colours, shading 100%, day colours, vertical scale 2, depth active.
TSettingsProfile ProfileDefaults(bool inshore);

// The sixteen lines of a profile file, each ended by a line feed. Palette names must not hold
// line breaks (ProfileProblem says so).
std::string ProfileText(const TSettingsProfile& profile);

// Why a profile cannot be written as sixteen lines; empty when it can.
std::string ProfileProblem(const TSettingsProfile& profile);

struct TProfileText {
  bool ok = false;
  std::string error;  // which line is wrong and why; empty when ok
  TSettingsProfile profile;
};

// Reads the sixteen lines back, exactly as written. Lines may end in CR LF; numbers may carry
// blanks around them; lines after the sixteenth are ignored. Any other deviation (too few lines,
// a number that is not one or does not fit, a flag other than 0 or 1, a kind other than 1 ... 3,
// a vertical scale that is not finite) fails with the line named. Never throws for any input.
TProfileText ParseProfileText(std::string_view text);

struct TProfileCorrections {
  bool depthRangeReplaced = false;  // the caller presses "Auto" after the next frame
};

// What selecting a profile corrects in the values read: empty palette names become the default
// names; a range whose minimum is not below its maximum becomes the default range of its kind;
// a contour interval below 1 becomes 10; the shading index is kept within 0 ... 4; the vertical
// scale is kept within 0 ... 100 (the range of its spin box).
TProfileCorrections CorrectProfile(TSettingsProfile& profile, bool inshore);

}  // namespace velmara
