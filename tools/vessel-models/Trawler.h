#pragma once
// The default boat: a stern trawler of 18 model units from transom to stem, bow along +Z, up +Y,
// port on +X, the waterline at y = 0 and midships at the origin, so that the boat loader's
// built-in placement for "trawler.obj" (scale 0.3, from-boat camera 4 units astern, under-boat
// anchor 3.8 units ahead) puts the cameras just off the stern and the bow.
// Materials "mat1" hull, "mat2" superstructure, "mat3" windows and black fittings, "mat4"
// gantry, mast and winches, "mat5" deck and stern ramp: the five materials the boat colour file
// colours, in the order of its default colours (red, blue, black, silver, grey).

#include "tools/vessel-models/ModelPart.h"

namespace velmara::models {

std::vector<ModelMaterial> TrawlerMaterials();
std::vector<ModelPart> BuildTrawler();

}  // namespace velmara::models
