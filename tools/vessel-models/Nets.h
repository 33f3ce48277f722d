#pragma once
// The three trawl models, each a bag of netting narrowing to a closed cod end behind an open mouth,
// with its head line and footrope, in model units with the tow direction along +Z, up +Y and port
// on +X. Their bounds are centred on the origin (the net loader centres them anyway) and the
// lengths and heights are those the net sizing expects: the length M becomes the net length and
// the height D the opening.
// - midwater "net.3ds": 90 long, wing ends at (±10, 11.25, 45) above and (±10, -8.75, 45) below,
//   where the upper and lower cables start; the cod end sags to the bottom of the bounds.
// - bottom "Bottomnet.3ds": 60 long, 6 high (footrope at the bottom), wing ends at (±9, 0, 30);
//   the cables start 10 units further ahead.
// - twin rig "doublenet.3ds": two bottom nets side by side, 80 long with the centre warp, 10 high,
//   outer wing ends at (±55, -5, -100/7) where the cables start.
// Materials "netting" and "ropes" (the net loader takes its own materials; these are for viewers).

#include "tools/vessel-models/ModelPart.h"

namespace velmara::models {

std::vector<ModelMaterial> NetMaterials();
std::vector<ModelPart> BuildMidwaterNet();
std::vector<ModelPart> BuildBottomNet();
std::vector<ModelPart> BuildTwinNet();

}  // namespace velmara::models
