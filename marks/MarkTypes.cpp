#include "marks/MarkTypes.h"

namespace velmara {

const char* MarkTypeName(int32_t markType) {
  switch (markType) {
    case mtFish: return "Fish";
    case mtDangerSign: return "Danger Sign";
    case mtSphere: return "Sphere";
    case mtCone: return "Cone";
    case mtCube: return "Cube";
    case mtLine: return "Line";
    case mtBoatTrack: return "Boat Track";
    case mtNetTrack: return "Net Track";
    default: return "Unknown";
  }
}

}  // namespace velmara
