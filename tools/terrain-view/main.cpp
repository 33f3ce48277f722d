// terrain-view: renders the four demonstration sea beds through the terrain renderer offscreen,
// from the sky camera and from the low follow-boat camera, into PNG pictures.
//   terrain-view <data folder> <output folder> [width height]

#include "scene/Viewer.h"
#include "scene/render/OffscreenFramebuffer.h"
#include "tests/support/EglContext.h"
#include "tools/terrain-view/SampleTerrain.h"

#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

namespace {

QImage save(velmara::scene::Viewer& viewer, const velmara::scene::OffscreenFramebuffer& target, const std::filesystem::path& file) {
  viewer.render(target.target());
  for (const std::string& error : viewer.renderErrors()) std::fprintf(stderr, "terrain-view: %s\n", error.c_str());
  const velmara::scene::Image frame = viewer.grabImage();
  const QImage picture =
      QImage(frame.pixels().data(), frame.width(), frame.height(), frame.width() * 4, QImage::Format_RGBA8888).copy();
  if (!picture.save(QString::fromStdString(file.string()))) throw std::runtime_error("cannot write " + file.string());
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: terrain-view <data folder> <output folder> [width height]\n");
    return 2;
  }
  const std::filesystem::path data = argv[1], output = argv[2];
  const int width = argc > 4 ? std::atoi(argv[3]) : 1024;
  const int height = argc > 4 ? std::atoi(argv[4]) : 768;
  velmara::test::EglContext context;
  if (!context.valid()) {
    std::fprintf(stderr, "terrain-view: no GL context: %s\n", context.error().c_str());
    return 1;
  }
  try {
    std::filesystem::create_directories(output);
    velmara::scene::OffscreenFramebuffer target(width, height);
    // All views at half size on one sheet, a row a scene: sky, low, overview, horizon.
    QImage sheet(width * 2, height * 2, QImage::Format_RGB888);
    QPainter painter(&sheet);
    for (int n = 0; n < 4; ++n) {
      velmara::samples::SampleTerrain sample(velmara::samples::sampleScene(n), data);
      sample.showContours(true);
      velmara::scene::Viewer viewer(sample.scene());
      viewer.setBackgroundColour({0.55f, 0.75f, 0.9f, 1.0f});
      viewer.setSize(width, height);
      viewer.setCamera(&sample.skyCamera());
      const QRect sky(0, n * height / 2, width / 2, height / 2), low(width / 2, n * height / 2, width / 2, height / 2);
      painter.drawImage(sky, save(viewer, target, output / ("scene" + std::to_string(n + 1) + "-sky.png")));
      std::printf("scene %d sky: %zu triangles, %zu patches, %zu contour segments\n", n + 1, sample.terrain().lastTriangleCount(),
                  sample.terrain().lastFrame().patches, sample.terrain().lastFrame().contourSegments);
      viewer.setCamera(&sample.lowCamera());
      painter.drawImage(low, save(viewer, target, output / ("scene" + std::to_string(n + 1) + "-low.png")));
      std::printf("scene %d low: %zu triangles\n", n + 1, sample.terrain().lastTriangleCount());
      viewer.setCamera(&sample.overviewCamera());
      painter.drawImage(sky.translated(width, 0), save(viewer, target, output / ("scene" + std::to_string(n + 1) + "-overview.png")));
      std::printf("scene %d overview: %zu triangles, %zu patches\n", n + 1, sample.terrain().lastTriangleCount(),
                  sample.terrain().lastFrame().patches);
      viewer.setCamera(&sample.horizonCamera());
      painter.drawImage(low.translated(width, 0), save(viewer, target, output / ("scene" + std::to_string(n + 1) + "-horizon.png")));
      std::printf("scene %d horizon: %zu triangles, %zu patches\n", n + 1, sample.terrain().lastTriangleCount(),
                  sample.terrain().lastFrame().patches);
      viewer.releaseGlResources();
    }
    painter.end();
    sheet.save(QString::fromStdString((output / "terrain-views.png").string()));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "terrain-view: %s\n", error.what());
    return 1;
  }
  return 0;
}
