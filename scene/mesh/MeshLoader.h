#pragma once
// Reads a model file (.3ds, .obj with its .mtl, anything else Assimp knows) into meshes, one per
// material, and the materials as the file names and describes them. Coordinates are taken as the
// file has them, with every node's transform applied.

#include "scene/Result.h"
#include "scene/geometry/MeshData.h"
#include "scene/material/Material.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmara::scene {

struct MeshLoadOptions {
  // Move the model so that the centre of its bounds lies at the origin along these axes.
  bool centreX = false;
  bool centreY = false;
  bool centreZ = false;
  // Materials already in the library keep their values unless this is set.
  bool replaceMaterials = false;
};

struct LoadedModel {
  struct Part {
    MeshData mesh;
    std::string material;
  };
  struct MaterialEntry {
    std::string name;
    Material look;            // colours and opacity from the file
    std::string textureFile;  // the diffuse map as the file names it, empty for none
  };
  std::vector<Part> parts;
  std::vector<MaterialEntry> materials;
};

Result<LoadedModel> loadModel(const std::filesystem::path& file, const MeshLoadOptions& options);

}  // namespace velmara::scene
