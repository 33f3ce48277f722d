#pragma once
// The common part of objects drawn as one triangle mesh with a material (spheres, cubes, cones,
// planes, disks, frustums, arrows, pipes, polygons): drawing, bounds and picking. A kind says
// which mesh it is made of and how that mesh is sized; objects of one shape share the mesh.
//
// Kinds that are round may offer coarser meshes (levels of detail) for when they are thin on the
// screen: level 0 is the full mesh, used for picking and whenever the object is near; a level is
// chosen each frame from the object's thickness in pixels.

#include "scene/camera/ViewTransform.h"
#include "scene/geometry/MeshData.h"
#include "scene/objects/MaterialObject.h"

#include <array>
#include <memory>

namespace velmara::scene {

class Solid : public MaterialObject {
public:
  using MaterialObject::MaterialObject;

  static constexpr int kDetailLevels = 3;

  // The full mesh (level 0) in the mesh's frame; shapeTransform() sizes it into the object's.
  const MeshData& mesh() const { return mesh(0); }
  const MeshData& mesh(int level) const;
  glm::mat4 shapeTransform() const { return sizeTransform(); }
  // The level drawn for a view: coarser as the object gets thinner on the screen.
  int detailLevel(const ViewTransform& view, const glm::mat4& absolute) const;

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const override;
  std::optional<float> hitDistance(const PickQuery& query, const glm::mat4& absolute) const override;

protected:
  // The unsized mesh of a level (0 … kDetailLevels − 1), built when first needed after
  // invalidateShape(). Kinds without coarser meshes ignore the level (and keep detailed() false).
  virtual std::shared_ptr<const MeshData> buildShape(int level) const = 0;
  // Whether coarser levels exist.
  virtual bool detailed() const { return false; }
  // How thick the object is, in its own frame, for choosing the level (a radius).
  virtual float thickness() const { return 1.0f; }
  // From the mesh's frame to the object's (a scale to the object's size, usually).
  virtual glm::mat4 sizeTransform() const { return glm::mat4(1.0f); }
  // Call when a parameter of the mesh (not only of its size) changes.
  void invalidateShape() { meshes_ = {}; }

private:
  mutable std::array<std::shared_ptr<const MeshData>, kDetailLevels> meshes_;
};

}  // namespace velmara::scene
