// make-sample-rasters: writes the four demonstration sea beds into a data folder, and with
// --preview also a hillshaded PNG of each to look at.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "terrain/RasterFile.h"
#include "tools/sample-rasters/Hillshade.h"
#include "tools/sample-rasters/Scenes.h"

int main(int argc, char** argv) {
  using namespace velmara;
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(stderr, "usage: make-sample-rasters DATA_FOLDER [--preview PICTURE_FOLDER]\n");
    return argc < 2 ? 2 : 0;
  }
  const std::filesystem::path out = argv[1];
  const char* preview = argc >= 4 && std::strcmp(argv[2], "--preview") == 0 ? argv[3] : nullptr;
  std::filesystem::create_directories(out);
  if (preview) std::filesystem::create_directories(preview);
  for (int scene = 0; scene < 4; ++scene) {
    const samples::SceneBed& info = samples::SceneInfo(scene);
    const auto grid = samples::MakeSceneBed(scene);
    const auto path = out / info.file;
    if (!WriteRaster(grid.data(), path.string())) {
      std::fprintf(stderr, "make-sample-rasters: cannot write %s\n", path.c_str());
      return 1;
    }
    if (preview) {
      const auto picture = std::filesystem::path(preview) / (std::filesystem::path(info.file).stem().string() + ".png");
      samples::WriteHillshade(grid, RasterSide, info.inshore ? 10 : 1, info.cellMetres, picture.string());
    }
  }
  return 0;
}
