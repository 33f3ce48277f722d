// libFuzzer target for the settings profile reader: any bytes either fail with a message or read
// as a profile that writes back to text reading as the same profile; corrected, its values lie
// within what the view can show.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/settings/SettingsProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmara;
  const TProfileText read = ParseProfileText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (read.ok != read.error.empty()) std::abort();
  if (!read.ok) return 0;
  if (read.profile.activeKind < 0 || read.profile.activeKind >= TPaletteSettings::KindCount) std::abort();

  if (ProfileProblem(read.profile).empty()) {
    const TProfileText again = ParseProfileText(ProfileText(read.profile));
    if (!again.ok || !(again.profile == read.profile)) std::abort();
  }
  for (bool inshore : {false, true}) {
    TSettingsProfile corrected = read.profile;
    CorrectProfile(corrected, inshore);
    for (int kind = 0; kind < TPaletteSettings::KindCount; ++kind) {
      const TPaletteKindSettings& entry = corrected.palettes[kind];
      if (entry.minimum >= entry.maximum || entry.paletteName.empty()) std::abort();
    }
    if (corrected.contourInterval < 1 || corrected.shadingIndex < 0 || corrected.shadingIndex > 4) std::abort();
    if (!(corrected.verticalScale >= 0.0 && corrected.verticalScale <= 100.0)) std::abort();
  }
  return 0;
}
