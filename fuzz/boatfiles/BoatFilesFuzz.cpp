// libFuzzer targets for the files beside a boat model. Any bytes read as a colour file must give
// at most five colours, an error naming the line exactly when it stopped early, and colours that
// darken; any bytes read as a configuration file must give finite vectors, in line order, and stop
// at a line only when it could not read it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/BoatFiles.h"
#include "net/ColourText.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

#ifdef BOAT_FUZZ_COLOURS
void Fuzz(std::string_view text) {
  const velmara::TBoatColourFile file = velmara::ReadBoatColours(text);
  Check(file.colours.size() <= 5);
  Check(file.ok() == file.error.empty());
  Check(file.ok() || file.badLine == static_cast<int>(file.colours.size()) + 1);
  Check(file.error.size() < 80);
  for (const velmara::TBoatMaterialColour& m : velmara::BoatMaterialColours(file.colours)) {
    Check(m.diffuse <= 0xFFFFFFu && m.emission <= 0xFFFFFFu);
    for (int shift = 0; shift <= 16; shift += 8) Check(((m.emission >> shift) & 0xFF) <= ((m.diffuse >> shift) & 0xFF));
  }
}
#else
bool Finite(const std::optional<glm::vec3>& v) {
  return !v || (std::isfinite(v->x) && std::isfinite(v->y) && std::isfinite(v->z));
}

void Fuzz(std::string_view text) {
  const velmara::TBoatConfigFile file = velmara::ReadBoatConfig(text);
  const velmara::TBoatPlacement& p = file.placement;
  const std::optional<glm::vec3>* in_order[] = {&p.up, &p.direction, &p.position, &p.scale, &p.fromBoatCamera,
                                                &p.underBoatAnchor};
  Check(file.linesApplied >= 0 && file.linesApplied <= 6);
  for (int i = 0; i < 6; ++i) {
    Check(in_order[i]->has_value() == (i < file.linesApplied));
    Check(Finite(*in_order[i]));
  }
  Check(file.stoppedAtLine == 0 || file.stoppedAtLine == file.linesApplied + 2);
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
