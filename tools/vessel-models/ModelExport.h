#pragma once
// Writes parts as a model file through Assimp's exporters: "obj" (with its .mtl beside it) or
// "3ds". One mesh per part; the materials in the order given.

#include "tools/vessel-models/ModelPart.h"

#include <filesystem>
#include <string>

namespace velmara::models {

// Empty when written, else why not.
std::string ExportModel(const std::vector<ModelPart>& parts, const std::vector<ModelMaterial>& materials,
                        const char* format, const std::filesystem::path& file);

}  // namespace velmara::models
