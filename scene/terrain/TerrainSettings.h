#pragma once
// How the terrain renderer tessellates and what it draws.

#include <cstddef>

namespace velmara::scene {

struct TerrainSettings {
  // Cells along a patch's side (a power of two); a patch asks its source for a tile of
  // tileSize + 1 samples a side, so that neighbours share their edge samples.
  int tileSize = 32;
  // Patches one texture spans: vertex texture coordinates are (x, −y) / (tilesPerTexture × tileSize).
  int tilesPerTexture = 1;
  // Patches whose centre lies farther than this from the eye (scene units) plus half a patch
  // diagonal are not refined.
  float qualityDistance = 100.0f;
  // Allowed screen error of the tessellation: 100 is one pixel, 200 two.
  int lodPrecision = 100;
  std::size_t maxTriangles = 150000;
  // View range: 2 limits the refinement radius to 400 scene units.
  int camRes = 0;
  // Stored height units between contour levels; 0 draws none.
  int contourInterval = 0;
  // Contours are drawn only where the whole triangle lies at or below this stored height.
  float waterLevel = 0.0f;

  bool operator==(const TerrainSettings&) const = default;
};

}  // namespace velmara::scene
