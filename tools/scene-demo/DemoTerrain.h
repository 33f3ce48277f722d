#pragma once
// A small sea bed for the demo, drawn the way the terrain renderer will draw: an object that
// issues its own grid mesh with the library material "shader" (normal map, contrast, palette
// strip and land texture through the texture combiner).

#include "scene/geometry/MeshData.h"
#include "scene/graph/SceneObject.h"
#include "scene/material/MaterialLibrary.h"

#include <memory>

namespace velmara::demo {

class DemoTerrain : public scene::SceneObject {
public:
  // size × size cells of one scene unit about the origin.
  DemoTerrain(scene::MaterialLibrary& library, int size);

  // Height of the bed (scene units, negative below the surface) at a scene point.
  static float heightAt(float x, float z);

  void submit(scene::FrameBuilder& frame, const glm::mat4& absolute) const override;

private:
  void buildMaterials(int size);

  scene::MaterialLibrary& library_;
  std::shared_ptr<const scene::MeshData> mesh_;
};

}  // namespace velmara::demo
