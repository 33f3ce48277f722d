// One frame of a busy chart at 1024 × 768 offscreen: 1000 marks (spheres, cones, cubes and
// sprites, each with its dotted plumb line), 50 pipes of 200 nodes and 20 000 line nodes.
// Batched drawing (instanced shapes, all lines in one call) against the same scene drawn one
// object at a time; and once more over a flat sea bed, which hides the plumb lines below it as
// the terrain does in the chart. Run with EGL_PLATFORM=surfaceless (set here when unset) on any
// driver; LIBGL_ALWAYS_SOFTWARE=1 measures llvmpipe.

#include "scene/Viewer.h"
#include "scene/objects/Cone.h"
#include "scene/objects/Cube.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/LightSource.h"
#include "scene/objects/Line.h"
#include "scene/objects/Pipe.h"
#include "scene/objects/Plane.h"
#include "scene/objects/Sphere.h"
#include "scene/objects/Sprite.h"
#include "scene/render/OffscreenFramebuffer.h"
#include "tests/support/EglContext.h"

#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>

namespace velmara {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// EGL without a window system unless the caller chose a platform.
bool chooseSurfaceless() { return setenv("EGL_PLATFORM", "surfaceless", 0) == 0; }

class ChartScene {
public:
  ChartScene() {
    if (!context_.valid()) return;
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> across(-50.0f, 50.0f);
    std::uniform_real_distribution<float> colour(0.2f, 1.0f);
    auto picture = std::make_shared<const scene::Image>(scene::Image::filled(32, 16, 0xFFFFFFFFu));

    auto& light = scene_.root().emplaceChild<scene::LightSource>();
    light.setPosition({-300, 500, -300});
    for (int i = 0; i < 1000; ++i) {
      scene::SceneObject* mark = nullptr;
      const scene::Colour tint(colour(random), colour(random), colour(random), 1.0f);
      switch (i % 4) {
        case 0: mark = &scene_.root().emplaceChild<scene::Sphere>(); break;
        case 1: mark = &scene_.root().emplaceChild<scene::Cone>(); break;
        case 2: mark = &scene_.root().emplaceChild<scene::Cube>(); break;
        default: {
          auto& sprite = scene_.root().emplaceChild<scene::Sprite>();
          sprite.setSize(2, 1);
          sprite.material().texture.image = picture;
          sprite.material().texture.imageAlpha = scene::ImageAlpha::TopLeftTransparent;
          mark = &sprite;
        }
      }
      if (auto* solid = dynamic_cast<scene::Solid*>(mark)) {
        solid->material().diffuse = tint;
        solid->material().emission = tint * 0.25f;
      } else {
        static_cast<scene::Sprite*>(mark)->material().diffuse = tint;
      }
      mark->setPosition({across(random), 3.0f, across(random)});
      mark->setScale(1.5f);
      auto& plumb = mark->emplaceChild<scene::Line>();
      plumb.setColour({1, 0.5f, 0, 1});
      plumb.setPattern(0xCCCC);
      plumb.setWidth(3.0f);
      plumb.setAntialiased(true);
      plumb.setNodesVisible(false);
      plumb.addNode({0, 0, 0});
      plumb.addNode({0, -2000, 0});
    }
    for (int p = 0; p < 50; ++p) {
      auto& pipe = scene_.root().emplaceChild<scene::Pipe>();
      pipe.setRadius(0.2f);
      pipe.material().diffuse = {colour(random), colour(random), 0.2f, 1};
      const float z = -50.0f + 2.0f * static_cast<float>(p);
      for (int n = 0; n < 200; ++n) {
        const float x = -50.0f + 0.5f * static_cast<float>(n);
        pipe.addNode({x, 1.0f + std::sin(x * 0.3f + z), z});
      }
    }
    for (int l = 0; l < 100; ++l) {
      auto& track = scene_.root().emplaceChild<scene::Line>();
      track.setColour({1, 1, 0, 1});
      track.setWidth(2.0f);
      track.setNodesVisible(false);
      const float x = -50.0f + static_cast<float>(l);
      for (int n = 0; n < 200; ++n) {
        const float z = -50.0f + 0.5f * static_cast<float>(n);
        track.addNode({x + std::sin(z * 0.2f), 0.5f, z});
      }
    }
    bed_ = &scene_.root().emplaceChild<scene::Plane>("sea bed");
    bed_->setSize(120, 120);
    bed_->setDirection({0, 1, 0});
    bed_->setPosition({0, -5, 0});
    bed_->material().diffuse = {0.2f, 0.4f, 0.7f, 1};
    bed_->setVisible(false);
    auto& target = scene_.root().emplaceChild<scene::Dummy>();
    camera_ = &scene_.root().emplaceChild<scene::Camera>();
    camera_->setPosition({0, 70, -70});
    camera_->setTarget(&target);
    camera_->setDepthOfView(1024);

    target_ = std::make_unique<scene::OffscreenFramebuffer>(kWidth, kHeight);
    viewer_ = std::make_unique<scene::Viewer>(scene_);
    viewer_->setCamera(camera_);
  }
  ~ChartScene() {
    viewer_.reset();
    target_.reset();
  }

  bool valid() const { return context_.valid() && target_ && target_->complete(); }
  std::string renderer() const { return viewer_->glInfo().renderer; }
  void frame() {
    viewer_->render(target_->target());
    glFinish();
  }
  scene::Viewer& viewer() { return *viewer_; }
  void showBed(bool shown) { bed_->setVisible(shown); }

private:
  bool platform_ = chooseSurfaceless();
  test::EglContext context_;
  scene::Scene scene_;
  scene::Camera* camera_ = nullptr;
  scene::Plane* bed_ = nullptr;
  std::unique_ptr<scene::OffscreenFramebuffer> target_;
  std::unique_ptr<scene::Viewer> viewer_;
};

ChartScene& chart() {
  static ChartScene scene;
  return scene;
}

void frame(benchmark::State& state, bool batching, bool bed) {
  ChartScene& scene = chart();
  if (!scene.valid()) {
    state.SkipWithError("no offscreen GL context");
    return;
  }
  scene.viewer().options().batching = batching;
  scene.showBed(bed);
  scene.frame();  // uploads and shader builds happen once, outside the measurement
  for (auto _ : state) scene.frame();
  const scene::FrameStats& stats = scene.viewer().lastFrameStats();
  state.counters["draw_calls"] = stats.drawCalls;
  state.counters["meshes"] = stats.meshInstances;
  state.counters["line_segments"] = stats.lineSegments;
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.SetLabel(scene.renderer());
}

void BM_ChartFrameBatched(benchmark::State& state) { frame(state, true, false); }
void BM_ChartFrameOneByOne(benchmark::State& state) { frame(state, false, false); }
void BM_ChartFrameOverSeaBed(benchmark::State& state) { frame(state, true, true); }

BENCHMARK(BM_ChartFrameBatched)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_ChartFrameOneByOne)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_ChartFrameOverSeaBed)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace
}  // namespace velmara
