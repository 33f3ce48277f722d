// make-vessel-models: the default boat "trawler.obj" (with "trawler.mtl") and the three trawl
// models "net.3ds", "Bottomnet.3ds" and "doublenet.3ds", written into the program folder where
// the program loads them from. Usage: make-vessel-models <program folder>
#include "tools/vessel-models/ModelExport.h"
#include "tools/vessel-models/Nets.h"
#include "tools/vessel-models/Trawler.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
  using namespace velmara::models;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-vessel-models <program folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  const struct {
    const char* file;
    const char* format;
    std::vector<ModelPart> parts;
    std::vector<ModelMaterial> materials;
  } models[] = {
      {"trawler.obj", "obj", BuildTrawler(), TrawlerMaterials()},
      {"net.3ds", "3ds", BuildMidwaterNet(), NetMaterials()},
      {"Bottomnet.3ds", "3ds", BuildBottomNet(), NetMaterials()},
      {"doublenet.3ds", "3ds", BuildTwinNet(), NetMaterials()},
  };
  for (const auto& model : models) {
    const std::string error = ExportModel(model.parts, model.materials, model.format, folder / model.file);
    if (!error.empty()) {
      std::fprintf(stderr, "make-vessel-models: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
