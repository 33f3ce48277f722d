#pragma once
// A scene object drawn with a material: its own, or one of a material library by name
// (the library must outlive the object).

#include "scene/graph/SceneObject.h"
#include "scene/material/Material.h"

#include <string>

namespace velmara::scene {

class MaterialLibrary;

class MaterialObject : public SceneObject {
public:
  using SceneObject::SceneObject;

  Material& material() { return material_; }
  const Material& material() const { return material_; }
  // Draws with the library's material of that name while it exists there; an empty name or no
  // library goes back to the object's own material.
  void setLibraryMaterial(const MaterialLibrary* library, std::string name);
  const std::string& libraryMaterialName() const { return libraryMaterial_; }
  const Material& effectiveMaterial() const;

private:
  Material material_;
  const MaterialLibrary* library_ = nullptr;
  std::string libraryMaterial_;
};

}  // namespace velmara::scene
