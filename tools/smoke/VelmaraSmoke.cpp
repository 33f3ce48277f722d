// Probes the graphics driver the way the splash window will, renders one frame offscreen into
// smoke.png in the program folder and prints what it found. Exit code 0 when all is well.
#include <epoxy/gl.h>

#include <QImage>
#include <cstdio>
#include <filesystem>

#include "app/base/Geodesy.h"
#include "platform/ProgramDir.h"
#include "scene/GlInfo.h"
#include "tests/support/EglContext.h"

int main() {
  using namespace velmara;
  std::printf("Program folder: %s\n", ProgramDir().c_str());
  std::printf("Data folder:    %s (%s)\n", DataDir().c_str(),
              std::filesystem::is_directory(DataDir()) ? "present" : "missing");

  test::EglContext context;
  if (!context.valid()) {
    std::fprintf(stderr, "No OpenGL context: %s\n", context.error().c_str());
    return 1;
  }
  const scene::GlInfo info = scene::QueryGlInfo();
  std::printf("OpenGL:         %s\nRenderer:       %s\nTexture units:  %d\nMultitexture:   %s\n",
              info.version.c_str(), info.renderer.c_str(), info.textureUnits, info.multitexture ? "yes" : "no");

  constexpr int Width = 320, Height = 200;
  test::OffscreenTarget target(Width, Height);
  glClearColor(0.04f, 0.23f, 0.47f, 1.0f);  // sea blue
  glClear(GL_COLOR_BUFFER_BIT);
  QImage frame(Width, Height, QImage::Format_RGBA8888);
  glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
  const auto picture = ProgramDir() / "smoke.png";
  frame.mirrored().save(QString::fromStdString(picture.string()));
  std::printf("Frame:          %s\n", picture.c_str());

  std::printf("Range check:    %s from 60N 5E to 61N 5E\n", RangeText(60, 5, 61, 5).c_str());
  return glGetError() == GL_NO_ERROR ? 0 : 1;
}
