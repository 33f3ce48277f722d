#pragma once
// Prepared bottom rasters: headerless files of 1024 × 1024 signed 16-bit little-endian heights,
// column by column from the west, each column from south to north.

#include <cstdint>
#include <string>

namespace velmara {

constexpr int RasterSide = 1024;
constexpr std::size_t RasterBytes = std::size_t(RasterSide) * RasterSide * 2;

// The four sample rasters of the demonstration scenes.
inline constexpr const char* SampleRasterFiles[] = {"myIS2nmRaster.dat", "myIS5nmRaster.dat", "myDS10nmRaster.dat",
                                                   "myDS20nmRaster.dat"};

struct TRasterRange {
  int16_t Min = 32767;
  int16_t Max = -32767;
};

enum class TRasterResult {
  Read,       // the whole grid came from the file (a short file repeats its last value)
  Missing,    // no such readable file: the grid is as it was
  ReadError,  // reading stopped part-way: the grid is filled as far as it got
};

struct TRasterRead {
  TRasterRange Range;
  TRasterResult Result = TRasterResult::Missing;
  std::string Error;  // why, for the error log (a read error, a folder, no permission)
};

// Fills grid[x * 1024 + y] (x east, y north) from the file and reports the smallest and largest
// value placed. A missing file leaves the grid alone with the range at its start values
// 32767 / -32767. At the end of a short file the remaining cells take the last value read.
TRasterRead ReadRaster(int16_t* grid, const std::string& path);

// Writes a grid in the same layout (the sample generator and tests use it).
bool WriteRaster(const int16_t* grid, const std::string& path);

}  // namespace velmara
