#include "scene/objects/MaterialObject.h"

#include "scene/material/MaterialLibrary.h"

namespace velmara::scene {

void MaterialObject::setLibraryMaterial(const MaterialLibrary* library, std::string name) {
  library_ = library;
  libraryMaterial_ = std::move(name);
}

const Material& MaterialObject::effectiveMaterial() const {
  if (library_ && !libraryMaterial_.empty()) {
    if (const Material* shared = library_->find(libraryMaterial_)) return *shared;
  }
  return material_;
}

}  // namespace velmara::scene
