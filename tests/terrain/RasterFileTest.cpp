#include "terrain/RasterFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/terrain/TerrainFixtures.h"

namespace velmara {
namespace {

constexpr std::size_t Cells = std::size_t(RasterSide) * RasterSide;

std::string Values(std::initializer_list<int16_t> values) {
  return std::string(reinterpret_cast<const char*>(values.begin()), values.size() * 2);
}

TEST(ReadRaster, FullFileFillsColumnByColumnFromTheWest) {
  std::vector<int16_t> heights(Cells);
  for (std::size_t k = 0; k < Cells; ++k) heights[k] = static_cast<int16_t>(k % 30000 - 15000);
  test::TempRaster raster(heights);
  std::vector<int16_t> grid(Cells, 1);
  const TRasterRead read = ReadRaster(grid.data(), raster.path());
  EXPECT_EQ(read.Result, TRasterResult::Read);
  EXPECT_EQ(grid, heights);
  EXPECT_EQ(grid[1 * RasterSide + 0], heights[1024]);  // value 1024 is the southern cell of column 1
  EXPECT_EQ(read.Range.Min, -15000);
  EXPECT_EQ(read.Range.Max, 14999);
}

TEST(ReadRaster, LongerFileIsReadUpToTheGrid) {
  std::string bytes(RasterBytes, '\0');
  bytes += Values({32000, 32000});
  test::TempRaster raster(bytes);
  std::vector<int16_t> grid(Cells, 5);
  const TRasterRead read = ReadRaster(grid.data(), raster.path());
  EXPECT_EQ(read.Range.Max, 0);
  EXPECT_EQ(grid.back(), 0);
}

TEST(ReadRaster, ShortFileRepeatsItsLastValue) {
  struct Case {
    const char* name;
    std::string bytes;
    int16_t fill, min, max;
  } cases[] = {
      {"one value", Values({-1234}), -1234, -1234, -1234},
      {"three values", Values({5, -7, 9}), 9, -7, 9},
      {"odd byte left over", Values({42}) + "x", 42, 42, 42},
      {"empty", "", 0, 0, 0},
  };
  for (const Case& c : cases) {
    test::TempRaster raster(c.bytes);
    std::vector<int16_t> grid(Cells, 77);
    const TRasterRead read = ReadRaster(grid.data(), raster.path());
    EXPECT_EQ(read.Result, TRasterResult::Read) << c.name;
    EXPECT_EQ(grid[Cells - 1], c.fill) << c.name;
    EXPECT_EQ(grid[Cells / 2], c.fill) << c.name;
    EXPECT_EQ(read.Range.Min, c.min) << c.name;
    EXPECT_EQ(read.Range.Max, c.max) << c.name;
  }
}

TEST(ReadRaster, MissingFileOrFolderLeavesTheGrid) {
  std::vector<int16_t> grid(Cells, 3);
  const TRasterRead missing = ReadRaster(grid.data(), "/nonexistent/raster.dat");
  EXPECT_EQ(missing.Result, TRasterResult::Missing);
  EXPECT_TRUE(missing.Error.empty());  // nothing to report for a raster that is simply not there
  EXPECT_EQ(missing.Range.Min, 32767);
  EXPECT_EQ(missing.Range.Max, -32767);
  const TRasterRead folder = ReadRaster(grid.data(), std::filesystem::temp_directory_path().string());
  EXPECT_EQ(folder.Result, TRasterResult::Missing);
  EXPECT_FALSE(folder.Error.empty());
  EXPECT_EQ(grid, std::vector<int16_t>(Cells, 3));
}

}  // namespace
}  // namespace velmara
