// Terrain loading and tracing: a full load of a raster, the normal map against its literal formula,
// the contour tracer against its literal transcription and against GDAL's contour generator on
// the same grid and levels, and readers working while loads run.
#include <benchmark/benchmark.h>
#include <gdal.h>
#include <gdal_alg.h>
#include <ogr_api.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "terrain/Contour.h"
#include "terrain/DAZHeightData.h"
#include "terrain/NormalMap.h"
#include "terrain/RasterFile.h"
#include "tests/terrain/ContourReference.h"
#include "tests/terrain/NormalMapReference.h"

namespace {

using namespace velmara;

constexpr int N = RasterSide;

struct Scene {
  const char* file;
  int heightScale;
  int interval;  // the scene's contour interval
};
const Scene Scenes[] = {{"myIS2nmRaster.dat", 10, 5}, {"myIS5nmRaster.dat", 10, 5}, {"myDS10nmRaster.dat", 1, 100},
                        {"myDS20nmRaster.dat", 1, 100}};

std::string RasterPath(const Scene& scene) { return std::string(VELMARA_DATA_DIR) + "/" + scene.file; }

struct Grid {
  std::vector<int16_t> heights = std::vector<int16_t>(std::size_t(N) * N);
  TRasterRange range;
};

const Grid& SceneGrid(int index) {
  static Grid grids[4];
  static bool loaded[4] = {};
  if (!loaded[index]) {
    grids[index].range = ReadRaster(grids[index].heights.data(), RasterPath(Scenes[index])).Range;
    loaded[index] = true;
  }
  return grids[index];
}

// Levels as the loader traces them (from 0 or the lowest height up to 0), or all depths below 0.
struct Levels {
  int start, end;
};
Levels LoaderLevels(const Grid& g) { return {std::max<int>(g.range.Min, 0), g.range.Max}; }
Levels AllDepths(const Grid& g, int step) { return {g.range.Min / step * step, 0}; }

void FullLoad(benchmark::State& state) {
  TPGSBitmapHDS source;
  source.RasterFile = RasterPath(Scenes[3]);
  for (auto _ : state) {
    source.StartLoad(0, 0);
    source.WaitUntilReady();
    state.PauseTiming();
    while (!source.ContoursReady()) std::this_thread::yield();
    state.ResumeTiming();
  }
}
BENCHMARK(FullLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

void MakeNormalVectorised(benchmark::State& state) {
  const Grid& g = SceneGrid(3);
  std::vector<uint32_t> out(g.heights.size());
  for (auto _ : state) {
    MakeNormalMap(g.heights.data(), N, 64, g.range.Min, g.range.Max, out.data());
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(MakeNormalVectorised)->Unit(benchmark::kMillisecond);

void MakeNormalReference(benchmark::State& state) {
  const Grid& g = SceneGrid(3);
  for (auto _ : state) benchmark::DoNotOptimize(test::ReferenceNormals(g.heights.data(), N, 64, g.range.Min, g.range.Max));
}
BENCHMARK(MakeNormalReference)->Unit(benchmark::kMillisecond);

// args: scene, 0 = the loader's levels / 1 = every interval below sea level
Levels BenchLevels(const benchmark::State& state, const Grid& g) {
  const Scene& scene = Scenes[state.range(0)];
  return state.range(1) ? AllDepths(g, scene.interval * scene.heightScale) : LoaderLevels(g);
}

void ContourGenerate(benchmark::State& state) {
  const Grid& g = SceneGrid(int(state.range(0)));
  const Scene& scene = Scenes[state.range(0)];
  const Levels levels = BenchLevels(state, g);
  TContourLines lines;
  lines.Interval = scene.interval;
  for (auto _ : state) lines.Generate(g.heights.data(), N, levels.start, levels.end, scene.heightScale, true);
  state.counters["lines"] = double(lines.Lines.size());
}

void ContourReference(benchmark::State& state) {
  const Grid& g = SceneGrid(int(state.range(0)));
  const Scene& scene = Scenes[state.range(0)];
  const Levels levels = BenchLevels(state, g);
  std::size_t count = 0;
  for (auto _ : state)
    count = test::ReferenceContours(g.heights.data(), N, levels.start, levels.end, scene.heightScale, true, scene.interval)
                .size();
  state.counters["lines"] = double(count);
}

// GDAL's marching-squares contours over the same grid (rows along the grid's first index) and
// the same levels, into an in-memory layer.
void ContourGdal(benchmark::State& state) {
  GDALAllRegister();
  const Grid& g = SceneGrid(int(state.range(0)));
  const Scene& scene = Scenes[state.range(0)];
  const Levels levels = BenchLevels(state, g);
  const int step = scene.interval * scene.heightScale;
  std::vector<double> fixed;
  for (int level = levels.start; fixed.empty() || (level <= levels.end && level <= 0); level += step) fixed.push_back(level);
  GDALDatasetH raster = GDALCreate(GDALGetDriverByName("MEM"), "", N, N, 1, GDT_Int16, nullptr);
  GDALRasterBandH band = GDALGetRasterBand(raster, 1);
  if (GDALRasterIO(band, GF_Write, 0, 0, N, N, const_cast<int16_t*>(g.heights.data()), N, N, GDT_Int16, 0, 0) != CE_None)
    state.SkipWithError("GDAL raster write failed");
  long features = 0;
  for (auto _ : state) {
    GDALDatasetH vector = GDALCreate(GDALGetDriverByName("Memory"), "", 0, 0, 0, GDT_Unknown, nullptr);
    OGRLayerH layer = GDALDatasetCreateLayer(vector, "contour", nullptr, wkbLineString, nullptr);
    OGRFieldDefnH id = OGR_Fld_Create("ID", OFTInteger), elev = OGR_Fld_Create("ELEV", OFTReal);
    OGR_L_CreateField(layer, id, TRUE);
    OGR_L_CreateField(layer, elev, TRUE);
    OGR_Fld_Destroy(id);
    OGR_Fld_Destroy(elev);
    GDALContourGenerate(band, 0, 0, int(fixed.size()), fixed.data(), FALSE, 0, layer, 0, 1, nullptr, nullptr);
    features = long(OGR_L_GetFeatureCount(layer, TRUE));
    GDALClose(vector);
  }
  state.counters["lines"] = double(features);
  GDALClose(raster);
}

void ContourArgs(benchmark::internal::Benchmark* b) {
  for (int scene = 0; scene < 4; ++scene)
    for (int all = 0; all < 2; ++all) b->Args({scene, all});
  b->Unit(benchmark::kMillisecond);
}
BENCHMARK(ContourGenerate)->Apply(ContourArgs);
BENCHMARK(ContourReference)->Apply(ContourArgs);
BENCHMARK(ContourGdal)->Apply(ContourArgs);

// A reader thread fills 32 × 32 tiles and asks heights while the main thread runs loads back to
// back. Tile requests wait while a load is reading (the source is not ready then); heights do not.
void ReadersDuringLoads(benchmark::State& state) {
  TPGSBitmapHDS source;
  source.RasterFile = RasterPath(Scenes[3]);
  source.StartLoad(0, 0);
  source.WaitUntilReady();
  std::atomic<bool> stop{false};
  std::atomic<long> tiles{0}, heights{0};
  std::thread reader([&] {
    scene::THeightTile tile;
    tile.Size = 32;
    long k = 0;
    while (!stop) {
      tile.XLeft = -512 + 32 * int(k % 32);
      tile.YTop = -511 + 32 * int((k / 32) % 32);
      tile.DataType = scene::THeightTileData::SmallInt;
      source.StartPreparingData(tile);
      ++tiles;
      for (int i = 0; i < 32; ++i) benchmark::DoNotOptimize(source.InterpolatedHeight(float(i), float(k % 100)));
      heights += 32;
      ++k;
    }
  });
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    source.StartLoad(0, 0);
    source.WaitUntilReady();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  stop = true;
  reader.join();
  state.counters["tiles_per_s"] = tiles / seconds;
  state.counters["heights_per_s"] = heights / seconds;
}
BENCHMARK(ReadersDuringLoads)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

}  // namespace
