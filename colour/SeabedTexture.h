#pragma once
// The hardness and roughness pictures of the sea bed. Until a sounder's hardness and roughness
// readings reach the program, values derived from the heights stand in for them: hardness from
// the depth below the water (deeper reads harder), roughness from the local relief (the largest
// height step to a neighbouring cell). Both are spread over 0 ... SeabedValueSpan and kept in the
// palettes' sign convention, negative for positive readings, so that the hardness and roughness
// palettes colour them over their chosen ranges as the depth palette colours heights.

#include <cstdint>
#include <vector>

#include "colour/DepthPalette.h"
#include "colour/LandTexture.h"

namespace velmara {

inline constexpr int SeabedValueSpan = 10000;

enum class TSeabedQuantity { Hardness, Roughness };

// The palette kind label's hint: says where the hardness or roughness colours come from (empty
// for depth).
const char* StandInHint(TPaletteKind kind);

// One value a cell, in the grid's layout (grid[x * n + y]); cells at or above the water level
// (which carry no reading) hold 0.
std::vector<int32_t> SeabedStandIn(TSeabedQuantity quantity, const int16_t* grid, int n, int waterLevel);

// Paints the cells below the water level with the palette colour of their values; the land and
// the cells at the water level keep what the picture shows (the land texture). Picture row 0 is
// the northern grid row.
void PaintSeabed(TRgbImage& picture, const int16_t* grid, int n, int waterLevel, const std::vector<int32_t>& values,
                 const TDepthPalette& palette);

}  // namespace velmara
