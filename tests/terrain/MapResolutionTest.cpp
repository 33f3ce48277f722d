#include "terrain/MapResolution.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(MapResolution, LabelsAndWidthsPerOperatingScale) {
  const char* inshore[] = {"1 nm", "2 nm", "5 nm", "10 nm", "20 nm", "100 nm"};
  const char* deepSea[] = {"5 nm", "10 nm", "20 nm", "30 nm", "60 nm", "100 nm"};
  const double inshoreWidth[] = {1, 2, 5, 10, 20, 100};
  const double deepSeaWidth[] = {5, 10, 20, 30, 60, 100};
  for (int i = 0; i < MapResolutionCount; ++i) {
    EXPECT_EQ(MapResolutionLabel(i, true), inshore[i]);
    EXPECT_EQ(MapResolutionLabel(i, false), deepSea[i]);
    EXPECT_EQ(MapResolutionWidthNm(i, true), inshoreWidth[i]);
    EXPECT_EQ(MapResolutionWidthNm(i, false), deepSeaWidth[i]);
  }
}

TEST(MapResolution, CellSizeGrowsTowardsThePoles) {
  EXPECT_EQ(CellSizeFor(1, true, 60.0), 7);
  EXPECT_EQ(CellSizeFor(1, true, -60.0), 7);
  EXPECT_EQ(CellSizeFor(1, true, 0.0), 4);
  // The scene rasters' cell sizes at their scenes' latitudes.
  EXPECT_EQ(CellSizeFor(2.0, 42.0), 5);
  EXPECT_EQ(CellSizeFor(20.0, 41.0), 48);
}

TEST(TerrainScale, ExaggerationAndConversions) {
  EXPECT_DOUBLE_EQ(TerrainScaleZ(0, 8, 10), 0.5 * 128 / 8 / 10);
  EXPECT_DOUBLE_EQ(TerrainScaleZ(3, 8, 1), 3.0 * 128 / 8);
  TTerrainScale scale{10, 8, TerrainScaleZ(2, 8, 10)};
  // A metre of depth is as tall as a metre of ground is wide, times the exaggeration.
  EXPECT_DOUBLE_EQ(scale.MetresToSceneHeight(8.0), 2.0);
  EXPECT_DOUBLE_EQ(scale.SceneHeightToMetres(scale.MetresToSceneHeight(-37.5)), -37.5);
  EXPECT_DOUBLE_EQ(scale.MetresToCells(40), 5);
  EXPECT_DOUBLE_EQ(scale.StoredToMetres(-125), -12.5);
}

}  // namespace
}  // namespace velmara
