#include "scene/text/FontLocator.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace velmara::scene {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

}  // namespace

Result<std::filesystem::path> locateFont(const FontRequest& request) {
  using Located = Result<std::filesystem::path>;
  if (!FcInit()) return Located::failure("locateFont(): fontconfig cannot start");
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(request.family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  FcChar8* file = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) {
    return Located::failure("locateFont(): no font found for \"" + request.family + "\"");
  }
  return std::filesystem::path(reinterpret_cast<const char*>(file));
}

}  // namespace velmara::scene
