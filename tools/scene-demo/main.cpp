// scene-demo: renders a small chart showing every object kind of the scene layer offscreen and
// writes it as a PNG picture.
//   scene-demo [picture.png] [width height]

#include "scene/Viewer.h"
#include "scene/render/OffscreenFramebuffer.h"
#include "tests/support/EglContext.h"
#include "tools/scene-demo/DemoScene.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  const std::string output = argc > 1 ? argv[1] : "scene-demo.png";
  const int width = argc > 3 ? std::atoi(argv[2]) : 1024;
  const int height = argc > 3 ? std::atoi(argv[3]) : 768;

  velmara::test::EglContext context;
  if (!context.valid()) {
    std::fprintf(stderr, "scene-demo: no GL context: %s\n", context.error().c_str());
    return 1;
  }
  try {
    const auto folder = std::filesystem::temp_directory_path() / "velmara-scene-demo";
    std::filesystem::create_directories(folder);
    velmara::demo::DemoScene demo(folder);
    demo.layOut(width, height);

    velmara::scene::OffscreenFramebuffer target(width, height);
    if (!target.complete()) throw std::runtime_error("the offscreen framebuffer is incomplete");
    velmara::scene::Viewer viewer(demo.scene());
    viewer.setCamera(&demo.camera());
    viewer.setBackgroundColour({0.85f, 0.9f, 0.95f, 1.0f});
    viewer.render(target.target());
    for (const std::string& error : viewer.renderErrors()) std::fprintf(stderr, "scene-demo: %s\n", error.c_str());

    const velmara::scene::Image frame = viewer.grabImage();
    const QImage picture(frame.pixels().data(), frame.width(), frame.height(), frame.width() * 4, QImage::Format_RGBA8888);
    if (!picture.save(QString::fromStdString(output))) throw std::runtime_error("cannot write " + output);
    const auto& stats = viewer.lastFrameStats();
    std::printf("%s: %d x %d, %d draw calls, %d meshes in %d batches, %d line segments, %d heads-up quads\n",
                output.c_str(), width, height, stats.drawCalls, stats.meshInstances, stats.batches, stats.lineSegments,
                stats.hudQuads);
    viewer.releaseGlResources();
    std::filesystem::remove_all(folder);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "scene-demo: %s\n", error.what());
    return 1;
  }
  return 0;
}
