#include "tools/scene-demo/ObjWriter.h"

#include <fstream>

namespace velmara::demo {

scene::Status writeObj(const std::filesystem::path& file, const std::vector<ObjPart>& parts) {
  std::filesystem::path library = file;
  library.replace_extension(".mtl");
  std::ofstream mtl(library);
  std::ofstream obj(file);
  if (!mtl || !obj) return scene::Status::failure("writeObj(): cannot write " + file.string());
  obj << "mtllib " << library.filename().string() << "\n";
  std::size_t base = 1;
  for (const ObjPart& part : parts) {
    mtl << "newmtl " << part.material << "\nKd " << part.diffuse.r << ' ' << part.diffuse.g << ' ' << part.diffuse.b
        << "\nKa 0.2 0.2 0.2\n\n";
    const glm::mat3 normals = glm::transpose(glm::inverse(glm::mat3(part.transform)));
    for (const scene::Vertex& vertex : part.mesh.vertices()) {
      const glm::vec3 p = glm::vec3(part.transform * glm::vec4(vertex.position, 1.0f));
      const glm::vec3 n = glm::normalize(normals * vertex.normal);
      obj << "v " << p.x << ' ' << p.y << ' ' << p.z << "\nvn " << n.x << ' ' << n.y << ' ' << n.z << "\n";
    }
    obj << "usemtl " << part.material << "\n";
    const auto& indices = part.mesh.indices();
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
      obj << 'f';
      for (int k = 0; k < 3; ++k) obj << ' ' << base + indices[i + k] << "//" << base + indices[i + k];
      obj << '\n';
    }
    base += part.mesh.vertices().size();
  }
  return obj && mtl ? scene::Status::success() : scene::Status::failure("writeObj(): cannot write " + file.string());
}

}  // namespace velmara::demo
