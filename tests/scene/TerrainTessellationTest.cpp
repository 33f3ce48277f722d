// The terrain's mesh without a window: crack-free, within budget, detailed where the eye is,
// re-made only when needed; contours and ray casts against known surfaces.

#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/render/FrameBuilder.h"
#include "scene/terrain/TerrainContours.h"
#include "scene/terrain/TerrainRenderer.h"
#include "tests/scene/SyntheticHeights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>
#include <utility>

namespace velmara::test {
namespace {

using scene::TerrainRenderer;

// A 512-cell window about the origin, the terrain placed as the chart places it.
class Terrain : public ::testing::Test {
protected:
  Terrain() : source_(-256, -256, 512, cliffHeights), camera_(scene_.root().emplaceChild<scene::Camera>("camera")) {
    terrain_ = &scene_.root().emplaceChild<TerrainRenderer>();
    terrain_->setDirection({0, 1, 0});
    terrain_->setUp({0, 0, 1});
    terrain_->setScale({1.0f, 1.0f, 3.2f});
    terrain_->setHeightDataSource(&source_);
    terrain_->settings().tileSize = 32;
    terrain_->settings().qualityDistance = 400.0f;
    camera_.setDepthOfView(2000.0f);
    camera_.setFocalLength(50.0f);
  }

  // Eye at grid (x, y), `height` scene units up, looking at grid (tx, ty) on the surface.
  void look(float x, float y, float height, float tx, float ty) {
    camera_.setPosition({-x, height, y});
    camera_.pointTo(glm::vec3(-tx, 0.0f, ty));
  }

  void tessellate(int width = 1024, int height = 768) {
    frame_.begin(camera_.viewTransform({0, 0, width, height}));
    terrain_->submit(frame_, terrain_->absoluteMatrix());
  }

  std::vector<std::array<glm::vec3, 3>> triangles() const {
    std::vector<std::array<glm::vec3, 3>> all;
    terrain_->forEachTriangle([&](const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) { all.push_back({a, b, c}); });
    return all;
  }

  SyntheticHeights source_;
  scene::Scene scene_;
  scene::Camera& camera_;
  TerrainRenderer* terrain_ = nullptr;
  scene::FrameBuilder frame_;
};

struct EyeCase {
  const char* name;
  float x, y, height, tx, ty;
};

const EyeCase kEyes[] = {
    {"low over the cliff", -10, -100, 8, 30, 100},
    {"high above", 0, 0, 300, 1, 1},
    {"low, looking along the cliff", 2, -200, 20, 2, 200},
    {"sky camera", 40, 40, 70, 40, 70},
};

TEST_F(Terrain, MeshHasNoTJunctionsForAnyEye) {
  for (const EyeCase& eye : kEyes) {
    SCOPED_TRACE(eye.name);
    look(eye.x, eye.y, eye.height, eye.tx, eye.ty);
    tessellate();
    const auto mesh = triangles();
    ASSERT_GT(mesh.size(), 100u);
    std::set<std::pair<int, int>> corners;
    for (const auto& t : mesh)
      for (const glm::vec3& c : t) corners.insert({static_cast<int>(c.x), static_cast<int>(c.y)});
    // A corner strictly inside another triangle's edge is a T-junction: a crack in the picture.
    int junctions = 0;
    for (const auto& t : mesh) {
      for (int e = 0; e < 3; ++e) {
        const glm::ivec2 a(t[e]), b(t[(e + 1) % 3]);
        const glm::ivec2 step = glm::sign(b - a);
        for (glm::ivec2 p = a + step; p != b; p += step) junctions += corners.count({p.x, p.y}) ? 1 : 0;
      }
    }
    EXPECT_EQ(junctions, 0);
    // And the mesh covers the drawn patches exactly: twice the cells' area... per patch drawn.
    double area = 0.0;
    for (const auto& t : mesh) area += 0.5 * std::fabs((t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[2].x - t[0].x) * (t[1].y - t[0].y));
    EXPECT_DOUBLE_EQ(area, 32.0 * 32.0 * static_cast<double>(terrain_->lastFrame().patches));
  }
}

TEST_F(Terrain, TriangleBudgetHoldsAndDetailGoesWhereTheEyeIs) {
  for (const std::size_t budget : {2000u, 20000u, 150000u}) {
    terrain_->settings().maxTriangles = budget;
    for (const EyeCase& eye : kEyes) {
      SCOPED_TRACE(std::string(eye.name) + ", budget " + std::to_string(budget));
      look(eye.x, eye.y, eye.height, eye.tx, eye.ty);
      tessellate();
      EXPECT_LE(terrain_->lastTriangleCount(), budget);
    }
  }
  terrain_->settings().maxTriangles = 150000;
  look(-10, -100, 8, 30, 100);
  tessellate();
  double nearArea = 0, farArea = 0;
  int nearCount = 0, farCount = 0;
  for (const auto& t : triangles()) {
    const glm::vec2 centre = (glm::vec2(t[0]) + glm::vec2(t[1]) + glm::vec2(t[2])) / 3.0f;
    const double area = 0.5 * std::fabs((t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[2].x - t[0].x) * (t[1].y - t[0].y));
    const float distance = glm::length(centre - glm::vec2(-10, -100));
    if (distance < 40) {
      nearArea += area;
      ++nearCount;
    } else if (distance > 200) {
      farArea += area;
      ++farCount;
    }
  }
  ASSERT_GT(nearCount, 0);
  ASSERT_GT(farCount, 0);
  EXPECT_LT(nearArea / nearCount * 4, farArea / farCount);
}

TEST_F(Terrain, TessellatesAgainOnlyWhenSomethingChanged) {
  look(0, -100, 30, 0, 50);
  tessellate();
  EXPECT_TRUE(terrain_->lastFrame().tessellated);
  tessellate();
  EXPECT_FALSE(terrain_->lastFrame().tessellated) << "same eye, same tiles";
  look(0, -90, 30, 0, 60);
  tessellate();
  EXPECT_TRUE(terrain_->lastFrame().tessellated) << "the eye moved";
  terrain_->settings().contourInterval = 100;
  tessellate();
  EXPECT_TRUE(terrain_->lastFrame().tessellated) << "a setting changed";
  const int asked = source_.requests;
  tessellate();
  EXPECT_EQ(source_.requests, asked) << "tiles are kept";
  source_.MarkDirtyAll();
  tessellate();
  EXPECT_GT(source_.requests, asked) << "stale tiles are asked for again";
  EXPECT_TRUE(terrain_->lastFrame().tessellated);
}

TEST_F(Terrain, NoDataTilesAndBoundsLeaveCellsUndrawn) {
  source_.noDataAt = [](int x, int y) { return x == 0 && y == 0; };
  terrain_->onGetTerrainBounds = [](int& l, int& t, int& b, int& r) {
    l = -128;
    r = 127;
    b = -128;
    t = 127;
  };
  look(0, 0, 1500, 0, 1);
  tessellate();
  ASSERT_GT(terrain_->lastTriangleCount(), 0u);
  for (const auto& t : triangles()) {
    for (const glm::vec3& c : t) {
      EXPECT_GE(c.x, -128);
      EXPECT_LE(c.x, 127);
      EXPECT_GE(c.y, -128);
      EXPECT_LE(c.y, 127);
    }
    const glm::vec2 centre = (glm::vec2(t[0]) + glm::vec2(t[1]) + glm::vec2(t[2])) / 3.0f;
    EXPECT_FALSE(centre.x > 0 && centre.x < 32 && centre.y > 0 && centre.y < 32) << "a triangle of the no-data tile";
  }
  // Samples −128 … 127 hold seven whole tiles of 33 samples a side each way; one has no data.
  EXPECT_EQ(terrain_->lastFrame().patches, 48u);
}

TEST(TerrainContours, LevelsCrossUnderWaterTrianglesOnly) {
  struct Case {
    const char* name;
    std::array<glm::vec3, 3> corners;
    float interval, water;
    std::vector<float> levels;
  };
  const Case cases[] = {
      {"two levels", {{{0, 0, -250}, {1, 0, -50}, {0, 1, -150}}}, 100, 0, {-199.9f, -99.9f}},
      {"a corner above the water", {{{0, 0, -250}, {1, 0, 5}, {0, 1, -150}}}, 100, 0, {}},
      {"a lake's surface", {{{0, 0, 250}, {1, 0, 450}, {0, 1, 300}}}, 100, 500, {300.1f, 400.1f}},
      {"levels beside corner heights", {{{0, 0, -200}, {1, 0, -100}, {0, 1, -300}}}, 100, 0, {-299.9f, -199.9f}},
      {"flat", {{{0, 0, -100}, {1, 0, -100}, {0, 1, -100}}}, 100, 0, {}},
      {"off", {{{0, 0, -250}, {1, 0, -50}, {0, 1, -150}}}, 0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<glm::vec3> segments;
    scene::appendTriangleContours(std::span<const glm::vec3, 3>(c.corners), c.interval, c.water, segments);
    ASSERT_EQ(segments.size(), 2 * c.levels.size());
    for (std::size_t k = 0; k < c.levels.size(); ++k) {
      EXPECT_NEAR(segments[2 * k].z, c.levels[k], 1e-3);
      EXPECT_NEAR(segments[2 * k + 1].z, c.levels[k], 1e-3);
      EXPECT_GT(glm::distance(segments[2 * k], segments[2 * k + 1]), 1e-4f);
    }
  }
}

TEST_F(Terrain, RayCastsLandOnTheInterpolatedSurface) {
  look(-10, -100, 40, 30, 100);
  tessellate();
  std::mt19937 random(7);
  std::uniform_real_distribution<float> spread(-1.0f, 1.0f);
  int hits = 0;
  for (int n = 0; n < 200; ++n) {
    const glm::vec3 target = terrain_->gridToScene({spread(random) * 200.0f, spread(random) * 200.0f, 0.0f});
    scene::Ray ray{camera_.absolutePosition(), glm::normalize(target - camera_.absolutePosition())};
    const auto hit = terrain_->rayCastIntersect(ray);
    if (!hit) continue;
    ++hits;
    const glm::vec3 grid = terrain_->sceneToGrid(*hit);
    EXPECT_NEAR(grid.z, source_.InterpolatedHeight(grid.x, grid.y), 0.5f);
    EXPECT_NEAR(hit->y, *terrain_->sceneHeightAt(*hit), 0.02f);
    // Nothing of the surface lies between the eye and the hit.
    for (float f = 0.05f; f < 0.99f; f += 0.05f) {
      const glm::vec3 before = ray.origin + (*hit - ray.origin) * f;
      EXPECT_GT(before.y, *terrain_->sceneHeightAt(before) - 0.02f);
    }
  }
  EXPECT_GT(hits, 150);
  EXPECT_FALSE(terrain_->rayCastIntersect({camera_.absolutePosition(), {0, 1, 0}})) << "straight up meets nothing";
}

}  // namespace
}  // namespace velmara::test
