// The demonstration sea beds: made the same on every build, and shaped like their scenes.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "terrain/RasterFile.h"
#include "tools/sample-rasters/Scenes.h"

namespace velmara {
namespace {

struct SceneCase {
  int scene;
  double deepestAtLeast, deepestAtMost;  // metres below sea level
  bool hasLand;
};

void PrintTo(const SceneCase& c, std::ostream* os) { *os << "scene " << c.scene + 1; }

class SampleRasterTest : public ::testing::TestWithParam<SceneCase> {};

TEST_P(SampleRasterTest, BuildsTheSameBytesAndLooksLikeItsScene) {
  const SceneCase& c = GetParam();
  const samples::SceneBed& info = samples::SceneInfo(c.scene);
  const std::vector<int16_t> bed = samples::MakeSceneBed(c.scene);

  // The copy the build put into data/ is the same to the byte.
  std::vector<int16_t> built(bed.size());
  const TRasterRead read = ReadRaster(built.data(), std::string(VELMARA_DATA_DIR) + "/" + info.file);
  ASSERT_EQ(read.Result, TRasterResult::Read) << info.file;
  EXPECT_EQ(built, bed) << info.file;

  const double perMetre = info.inshore ? 10 : 1;
  const auto [low, high] = std::minmax_element(bed.begin(), bed.end());
  EXPECT_LE(*low / perMetre, -c.deepestAtLeast) << info.file;
  EXPECT_GE(*low / perMetre, -c.deepestAtMost) << info.file;
  EXPECT_EQ(*high > 0, c.hasLand) << info.file;
  const auto wet = std::count_if(bed.begin(), bed.end(), [](int16_t h) { return h < 0; });
  EXPECT_GT(wet, long(bed.size() / 2)) << "mostly sea: " << info.file;

  // Smooth enough to shade: neighbouring cells rarely differ by more than a steep slope allows.
  long cliffs = 0;
  for (std::size_t k = 1; k < bed.size(); ++k)
    if (std::abs(bed[k] - bed[k - 1]) / perMetre > info.cellMetres * 1.5) ++cliffs;
  EXPECT_LT(cliffs, long(bed.size() / 1000)) << info.file;
}

INSTANTIATE_TEST_SUITE_P(Scenes, SampleRasterTest,
                         ::testing::Values(SceneCase{0, 30, 60, true}, SceneCase{1, 150, 400, true},
                                           SceneCase{2, 800, 2000, false}, SceneCase{3, 2500, 4000, true}),
                         [](const auto& info) { return "scene" + std::to_string(info.param.scene + 1); });

}  // namespace
}  // namespace velmara
