#include "scene/objects/Plane.h"

#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"

#include <glm/gtc/matrix_transform.hpp>

namespace velmara::scene {

Plane::Plane(std::string name) : Solid(std::move(name)) { material().culling = FaceCulling::None; }

std::shared_ptr<const MeshData> Plane::buildShape(int) const { return SharedShapes::get("plane", shapes::plane); }

glm::mat4 Plane::sizeTransform() const { return glm::scale(glm::mat4(1.0f), glm::vec3(width_, height_, 1.0f)); }

}  // namespace velmara::scene
