#pragma once
// Writes meshes as a Wavefront OBJ file with its MTL, one material per part, so that the demo
// loads its models through the same path as the program's boat and net files.

#include "scene/Status.h"
#include "scene/geometry/MeshData.h"
#include "scene/material/Colour.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmara::demo {

struct ObjPart {
  scene::MeshData mesh;
  glm::mat4 transform{1.0f};
  std::string material;
  scene::Colour diffuse{1.0f};
};

scene::Status writeObj(const std::filesystem::path& file, const std::vector<ObjPart>& parts);

}  // namespace velmara::demo
