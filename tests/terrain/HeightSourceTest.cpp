#include "terrain/DAZHeightData.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/base/Geodesy.h"
#include "tests/terrain/TerrainFixtures.h"

namespace velmara {
namespace {

constexpr int N = 1024;

class HeightSourceTest : public ::testing::Test {
protected:
  HeightSourceTest() : bed(test::RollingBed(N, 11, -800, 120)), raster(bed) {
    source.RasterFile = raster.path();
    source.Sleep = [](int) {};
    source.OnError = [this](const std::string& text) { errors.push_back(text); };
  }
  ~HeightSourceTest() override { Projection() = TProjection{}; }

  // Loads a window centred on (x, y) and waits for it.
  void LoadAt(double x, double y) {
    source.StartLoad(x, y);
    source.WaitUntilReady();
  }
  int16_t Bed(int x, int y) const { return bed[std::size_t(x) * N + y]; }

  std::vector<int16_t> bed;
  test::TempRaster raster;
  std::vector<std::string> errors;
  TPGSBitmapHDS source;
};

TEST_F(HeightSourceTest, LoadPublishesGridBoundsAndExtremes) {
  std::atomic<int> heightEvents{0}, contourEvents{0};
  source.OnHeightChanged = [&](THeightLoadThread&) { ++heightEvents; };
  source.OnContoursReady = [&](THeightLoadThread&) { ++contourEvents; };
  EXPECT_EQ(source.State(), 0);
  LoadAt(100.7, -50.2);
  const TWindowBounds b = source.Bounds();
  EXPECT_EQ(b.Left, 100 - 512);
  EXPECT_EQ(b.Right, b.Left + N - 1);
  EXPECT_EQ(b.Top, -50 + 512);
  EXPECT_EQ(b.Bottom, b.Top - N + 1);
  EXPECT_EQ(source.LoadCentreX(), 100);
  EXPECT_EQ(source.LoadCentreY(), -50);
  EXPECT_EQ(source.MinHeight(), *std::min_element(bed.begin(), bed.end()));
  EXPECT_EQ(source.MaxHeight(), *std::max_element(bed.begin(), bed.end()));
  source.ReadGrid([&](const int16_t* grid) { EXPECT_TRUE(std::equal(bed.begin(), bed.end(), grid)); });
  EXPECT_EQ(heightEvents, 1);
  while (contourEvents == 0) std::this_thread::yield();  // the event follows the ready flag
  EXPECT_TRUE(source.ContoursReady());
  EXPECT_EQ(source.Contours().State, 2);
  EXPECT_TRUE(errors.empty());
}

TEST_F(HeightSourceTest, MissingRasterStillEndsReady) {
  source.RasterFile = "/nonexistent/raster.dat";
  LoadAt(0, 0);
  EXPECT_EQ(source.State(), 2);
  EXPECT_EQ(source.MinHeight(), 32767);
  EXPECT_EQ(source.MaxHeight(), -32767);
  source.ReadGrid([](const int16_t* grid) { EXPECT_EQ(grid[12345], 0); });
  // A later load of a real raster, then a missing one: the heights stay those of the last load.
  source.RasterFile = raster.path();
  LoadAt(0, 0);
  source.RasterFile = "/nonexistent/raster.dat";
  LoadAt(0, 0);
  source.ReadGrid([&](const int16_t* grid) { EXPECT_EQ(grid[12345], bed[12345]); });
}

TEST_F(HeightSourceTest, FollowPositionLoadsBeyondAThirdOfTheWindow) {
  LoadAt(0, 0);
  int loads = 0;
  source.OnHeightChanged = [&](THeightLoadThread&) { ++loads; };
  source.FollowPosition(341, -341);
  source.WaitUntilReady();
  EXPECT_EQ(loads, 0);
  EXPECT_EQ(source.PositionX(), 341);
  EXPECT_EQ(source.PositionY(), -341);
  source.FollowPosition(0, 342.5);
  source.WaitUntilReady();
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(source.LoadCentreY(), 342);
}

TEST_F(HeightSourceTest, TilesInsideTheWindowOnly) {
  LoadAt(0, 0);
  const TWindowBounds b = source.Bounds();
  scene::THeightTile tile;
  tile.Size = 32;
  tile.XLeft = b.Right - 31;  // touches the last column
  tile.YTop = b.Bottom;
  source.StartPreparingData(tile);
  ASSERT_TRUE(tile.Ready);
  ASSERT_EQ(tile.DataType, scene::THeightTileData::SmallInt);
  EXPECT_EQ(tile.SmallIntData[0], Bed(N - 32, 0));
  EXPECT_EQ(tile.SmallIntData[5 * 32 + 31], Bed(N - 1, 5));

  scene::THeightTile beyond = tile;
  beyond.XLeft += 1;
  beyond.DataType = scene::THeightTileData::SmallInt;
  source.StartPreparingData(beyond);
  EXPECT_TRUE(beyond.Ready);
  EXPECT_FALSE(beyond.HasData());

  scene::THeightTile asFloat;
  asFloat.Size = 32;
  asFloat.XLeft = b.Left;
  asFloat.YTop = b.Top - 31;
  asFloat.DataType = scene::THeightTileData::Float;
  source.StartPreparingData(asFloat);
  ASSERT_EQ(asFloat.DataType, scene::THeightTileData::Float);
  EXPECT_EQ(asFloat.FloatData[31 * 32], Bed(0, N - 1));
}

TEST_F(HeightSourceTest, InterpolationClampsAndPicksTheTriangle) {
  LoadAt(0, 0);
  const TWindowBounds b = source.Bounds();
  auto h = [&](int x, int y) { return double(Bed(x, y)); };
  // At a sample, the sample.
  EXPECT_FLOAT_EQ(source.InterpolatedHeight(b.Left + 10, b.Bottom + 20), h(10, 20));
  // dx + dy = 1 exactly: the lower triangle.
  const float lower = source.InterpolatedHeight(b.Left + 10.25f, b.Bottom + 20.75f);
  EXPECT_FLOAT_EQ(lower, h(10, 20) + 0.75 * (h(10, 21) - h(10, 20)) + 0.25 * (h(11, 20) - h(10, 20)));
  // Beyond the window the position is clamped to [0, N - 2]: there dx (or dy) is 0.
  EXPECT_FLOAT_EQ(source.InterpolatedHeight(b.Left - 500, b.Bottom + 20), h(0, 20));
  EXPECT_FLOAT_EQ(source.InterpolatedHeight(b.Right + 500, b.Top + 500), h(N - 2, N - 2));
  const float upper = source.InterpolatedHeight(b.Left + 10.75f, b.Bottom + 20.75f);
  EXPECT_FLOAT_EQ(upper, h(11, 21) + 0.25 * (h(11, 20) - h(11, 21)) + 0.25 * (h(10, 21) - h(11, 21)));
}

TEST_F(HeightSourceTest, HeightRangeAroundThePointOfInterest) {
  LoadAt(0, 0);
  source.FollowPosition(200, 0);  // within a third: no load, the point of interest moves
  const THeightRange range = source.HeightRangeAround();
  // The square reaches from the point of interest to the window's edge (200 cells east of centre).
  int16_t low = 32767, high = -32768;
  for (int x = 200; x < N; ++x)
    for (int y = 0; y < N; ++y) {
      low = std::min(low, Bed(x, y));
      high = std::max(high, Bed(x, y));
    }
  EXPECT_EQ(range.Min, low);
  EXPECT_EQ(range.Max, high);
}

TEST_F(HeightSourceTest, PositionsAndCellsConvertBothWays) {
  source.CellSize = 7;
  source.SetOrigin(5.25, 62.5);
  EXPECT_FALSE(source.WrapLongitude());
  const TGridPoint origin = source.LatLonToGrid(5.25, 62.5);
  EXPECT_NEAR(origin.x, 0, 0.5);
  EXPECT_NEAR(origin.y, 0, 0.5);
  const TGridPoint p = source.LatLonToGrid(5.30, 62.52);
  const TLatLon back = source.GridToLatLon(p.x, p.y);
  EXPECT_NEAR(back.lat, 62.52, 1e-9);
  EXPECT_NEAR(back.lon, 5.30, 1e-9);
  const TGridCell cell = source.LatLonToCell(5.30, 62.52);
  EXPECT_NEAR(cell.x, p.x, 0.5 + 1e-9);
  EXPECT_NEAR(cell.y, p.y, 0.5 + 1e-9);
  const TGridPoint metres = source.GridToMetres(p.x, p.y);
  const TGridPoint again = source.MetresToGrid(metres.x, metres.y);
  EXPECT_NEAR(again.x, p.x, 1e-9);

  // Across the date line the window is continuous and longitudes read back west of 180.
  source.SetOrigin(179.9, -41.0);
  EXPECT_TRUE(source.WrapLongitude());
  EXPECT_TRUE(Projection().Longitudes0To360);
  const TGridPoint east = source.LatLonToGrid(179.95, -41.0), west = source.LatLonToGrid(-179.95, -41.0);
  EXPECT_GT(west.x, east.x);
  EXPECT_NEAR(source.GridToLatLon(west.x, west.y).lon, -179.95, 1e-9);
}

TEST_F(HeightSourceTest, ReadersKeepWorkingWhileLoadsRun) {
  LoadAt(0, 0);
  std::atomic<bool> stop{false};
  std::atomic<long> tiles{0};
  std::thread reader([&] {
    // A renderer thread of its own: its tile requests wait for loads to end.
    while (!stop) {
      scene::THeightTile tile;
      tile.Size = 32;
      tile.XLeft = -512 + 32 * int(tiles % 32);
      tile.YTop = -511;
      source.StartPreparingData(tile);
      source.InterpolatedHeight(3.5f, -7.25f);
      ++tiles;
    }
  });
  for (int k = 0; k < 6; ++k) {
    source.StartLoad(k % 2 ? 400 : 0, 0);
    source.InterpolatedHeight(1.0f, 1.0f);
    (void)source.HeightRangeAround();
  }
  source.WaitUntilReady();
  stop = true;
  reader.join();
  EXPECT_GT(tiles, 0);
  EXPECT_EQ(source.LoadCentreX(), 400);
}

}  // namespace
}  // namespace velmara
