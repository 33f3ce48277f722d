#pragma once
// The terrain's materials in the scene's material library, kept in step with the colouring logic:
// "shader" (the normal map, lit through the texture combiner by the light vector in its diffuse
// colour), "contrast" (day or night lift of the relief), "texture" (the depth palette's strip,
// looked up by the stored height), "landtex" (the land texture over the window), and "detail",
// "hard" and "rough" (the hardness and roughness colours over a detail picture).

#include "colour/DepthPalette.h"
#include "colour/LandTexture.h"
#include "colour/Shading.h"
#include "scene/material/MaterialLibrary.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmara {

class TTerrainSceneMaterials {
public:
  // Adds the materials to the library (which must outlive this object).
  explicit TTerrainSceneMaterials(scene::MaterialLibrary& library);

  // The materials of a texturing path and palette kind; returns any combiner error (empty when
  // the lines compiled).
  std::string Apply(const TTerrainMaterials& materials);
  // The normal map of the window (RGBA, rows from the south) with its texture offset.
  void SetNormalMap(const std::uint32_t* pixels, int gridSize, int left, int bottom);
  // The relief's light vector, as the "shader" front diffuse colour (RGBA).
  void SetLightVector(const std::array<float, 4>& diffuse);
  void SetContrast(bool night);
  // The depth palette's strip and its height mapping: s = (v − ZMin) / (ZStripEnd − ZMin).
  void SetDepthStrip(const TDepthPalette& palette);
  // The land texture ("landtex") or the hardness or roughness picture ("hard", "rough") of a
  // palette kind: RGB, rows from the north, one pixel a grid cell.
  void SetSurfacePicture(TPaletteKind kind, const TRgbImage& picture);
  // Their object-linear mapping over the window, shared by the three:
  // s = (x − Left) / D − H·T / D², t = (y − Bottom) / D − H·T / D².
  void SetSurfaceMapping(int left, int right, int bottom, int gridSize, int tileSize);
  // The "detail" picture under the hardness and roughness colours.
  void SetDetailPicture(const TRgbImage& picture);

  scene::MaterialLibrary& Library() { return library_; }

private:
  scene::MaterialLibrary& library_;
};

}  // namespace velmara
