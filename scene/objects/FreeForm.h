#pragma once
// A mesh of any shape, loaded from a model file (.3ds, .obj) or given in parts. Each part is
// drawn with the material of its name in the object's material library, where loading puts the
// file's materials under the file's names (the object's own library unless it is given a shared
// one); a part whose material is missing uses the object's own material. Loading again replaces
// the mesh in place, keeping the object's placement and children.

#include "scene/Status.h"
#include "scene/geometry/MeshData.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/mesh/MeshLoader.h"
#include "scene/objects/MaterialObject.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace velmara::scene {

class FreeForm : public MaterialObject {
public:
  struct Part {
    std::shared_ptr<const MeshData> mesh;
    std::string materialName;
  };

  explicit FreeForm(std::string name = {});
  ~FreeForm() override;

  // nullptr goes back to the object's own library. A shared library must outlive the object.
  void setMaterialLibrary(MaterialLibrary* library);
  MaterialLibrary& materialLibrary() { return *library_; }
  const MaterialLibrary& materialLibrary() const { return *library_; }

  // Replaces the mesh with the file's; on failure the mesh stays as it was. Texture pictures are
  // found through the library (relative to its texture folder, else to the model's folder).
  Status load(const std::filesystem::path& file, const MeshLoadOptions& options = {});
  void setParts(std::vector<Part> parts) { parts_ = std::move(parts); }
  const std::vector<Part>& parts() const { return parts_; }
  void clear() { parts_.clear(); }
  // Bounds of all parts in the object's frame (empty bounds at the origin without parts).
  Bounds bounds() const;

  // Draws the triangles' edges only, on both faces (a net seen through).
  bool drawAsLines() const { return drawAsLines_; }
  void setDrawAsLines(bool lines) { drawAsLines_ = lines; }

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const override;
  std::optional<float> hitDistance(const PickQuery& query, const glm::mat4& absolute) const override;

private:
  const Material& materialOf(const Part& part) const;

  std::vector<Part> parts_;
  std::unique_ptr<MaterialLibrary> ownLibrary_;
  MaterialLibrary* library_;
  bool drawAsLines_ = false;
};

}  // namespace velmara::scene
