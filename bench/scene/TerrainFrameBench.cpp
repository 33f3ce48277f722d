// The terrain renderer over the four demonstration sea beds, along the graphics test's camera
// path (the sky camera orbiting its target 1.5° a frame), at 1024 × 768 offscreen:
// - tessellation alone, at the chart's settings and with the precision forced so fine that the
//   150 000-triangle budget is what stops it;
// - whole frames through the viewer, with the chart's four-texture combiner material;
// - the same frames with a brute-force renderer: the whole 1024 × 1024 window as one static
//   full-resolution mesh (two triangles a cell) drawn with the same material.
// Run with LIBGL_ALWAYS_SOFTWARE=1 to measure llvmpipe; EGL_PLATFORM=surfaceless is set here.

#include "scene/Viewer.h"
#include "scene/geometry/MeshData.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/render/DrawContext.h"
#include "scene/render/FrameBuilder.h"
#include "scene/render/OffscreenFramebuffer.h"
#include "tests/support/EglContext.h"
#include "tools/terrain-view/SampleTerrain.h"

#include <benchmark/benchmark.h>
#include <epoxy/gl.h>
#include <glm/gtc/matrix_transform.hpp>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace velmara {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr float kOrbitDegrees = 1.5f;

bool chooseSurfaceless() { return setenv("EGL_PLATFORM", "surfaceless", 0) == 0; }
const bool kSurfaceless = chooseSurfaceless();

std::filesystem::path dataFolder() { return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "data"; }

// Every cell of the window as two triangles, uploaded once, drawn with the terrain's material.
class FullResolutionTerrain : public scene::SceneObject {
public:
  FullResolutionTerrain(TPGSBitmapHDS& source, const scene::TerrainRenderer& terrain, const scene::Material& material)
      : terrain_(terrain), material_(material) {
    const TWindowBounds b = source.Bounds();
    const int n = source.GridSize();
    std::vector<scene::Vertex> vertices;
    vertices.reserve(static_cast<std::size_t>(n) * n);
    source.ReadGrid([&](const std::int16_t* grid) {
      for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
          const float gx = static_cast<float>(b.Left + x), gy = static_cast<float>(b.Bottom + y);
          vertices.push_back({{gx, gy, static_cast<float>(grid[static_cast<std::size_t>(x) * n + y])}, {0, 0, 1}, {gx / 1024.0f, -gy / 1024.0f}});
        }
    });
    std::vector<std::uint32_t> indices;
    indices.reserve(static_cast<std::size_t>(n - 1) * (n - 1) * 6);
    const auto row = static_cast<std::uint32_t>(n);
    for (std::uint32_t y = 0; y + 1 < row; ++y)
      for (std::uint32_t x = 0; x + 1 < row; ++x) {
        const std::uint32_t a = y * row + x;
        indices.insert(indices.end(), {a, a + 1, a + row, a + 1, a + row + 1, a + row});
      }
    triangles_ = indices.size() / 3;
    mesh_ = std::make_shared<const scene::MeshData>(std::move(vertices), std::move(indices));
  }
  std::size_t triangles() const { return triangles_; }
  void submit(scene::FrameBuilder& frame, const glm::mat4&) const override {
    const glm::mat4 matrix = terrain_.terrainMatrix();
    frame.addCustom({[this, matrix](scene::DrawContext& context) {
      if (context.useMaterial(material_, matrix)) context.drawMesh(*mesh_);
    }});
  }

private:
  const scene::TerrainRenderer& terrain_;
  const scene::Material& material_;
  std::shared_ptr<const scene::MeshData> mesh_;
  std::size_t triangles_ = 0;
};

struct Bench {
  explicit Bench(int scene) : sample(samples::sampleScene(scene), dataFolder()) {}
  test::EglContext context;
  samples::SampleTerrain sample;
};

void tessellation(benchmark::State& state, bool atBudget) {
  Bench bench(static_cast<int>(state.range(0)));
  scene::TerrainRenderer& terrain = bench.sample.terrain();
  if (atBudget) terrain.settings().lodPrecision = 1;
  scene::Camera& camera = bench.sample.skyCamera();
  scene::FrameBuilder frame;
  double triangles = 0, milliseconds = 0;
  for (auto _ : state) {
    camera.moveAroundTarget(0.0f, kOrbitDegrees);
    frame.begin(camera.viewTransform({0, 0, kWidth, kHeight}));
    terrain.submit(frame, terrain.absoluteMatrix());
    triangles += static_cast<double>(terrain.lastTriangleCount());
    milliseconds += terrain.lastFrame().tessellationMs;
  }
  const double frames = static_cast<double>(state.iterations());
  state.counters["triangles"] = triangles / frames;
  state.counters["tessellation_ms"] = milliseconds / frames;
  state.counters["Mtriangles_per_s"] = milliseconds > 0 ? triangles / milliseconds / 1000.0 : 0.0;
  state.SetLabel(samples::sampleScene(static_cast<int>(state.range(0))).name);
}

void frames(benchmark::State& state, bool bruteForce) {
  Bench bench(static_cast<int>(state.range(0)));
  if (!bench.context.valid()) {
    state.SkipWithError(bench.context.error().c_str());
    return;
  }
  scene::TerrainRenderer& terrain = bench.sample.terrain();
  std::size_t bruteTriangles = 0;
  if (bruteForce) {
    terrain.setVisible(false);
    const scene::Material* shader = terrain.materialLibrary()->find("shader");
    auto& full = bench.sample.scene().root().emplaceChild<FullResolutionTerrain>(bench.sample.source(), terrain, *shader);
    bruteTriangles = full.triangles();
  }
  scene::OffscreenFramebuffer target(kWidth, kHeight);
  scene::Viewer viewer(bench.sample.scene());
  viewer.setSize(kWidth, kHeight);
  viewer.setCamera(&bench.sample.skyCamera());
  viewer.render(target.target());  // uploads
  glFinish();
  double triangles = 0;
  for (auto _ : state) {
    bench.sample.skyCamera().moveAroundTarget(0.0f, kOrbitDegrees);
    viewer.render(target.target());
    glFinish();
    triangles += static_cast<double>(bruteForce ? bruteTriangles : terrain.lastTriangleCount());
  }
  state.counters["triangles"] = triangles / static_cast<double>(state.iterations());
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.SetLabel(std::string(samples::sampleScene(static_cast<int>(state.range(0))).name) + ", " + viewer.glInfo().renderer);
  viewer.releaseGlResources();
}

void BM_TerrainTessellation(benchmark::State& state) { tessellation(state, false); }
void BM_TerrainTessellationAtBudget(benchmark::State& state) { tessellation(state, true); }
void BM_TerrainFrame(benchmark::State& state) { frames(state, false); }
void BM_BruteForceTerrainFrame(benchmark::State& state) { frames(state, true); }

BENCHMARK(BM_TerrainTessellation)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_TerrainTessellationAtBudget)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_TerrainFrame)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_BruteForceTerrainFrame)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
}  // namespace velmara
