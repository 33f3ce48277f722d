#include "scene/objects/Cube.h"

#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"

#include <glm/gtc/matrix_transform.hpp>

namespace velmara::scene {

std::shared_ptr<const MeshData> Cube::buildShape(int) const { return SharedShapes::get("cube", shapes::cube); }

glm::mat4 Cube::sizeTransform() const { return glm::scale(glm::mat4(1.0f), size_); }

}  // namespace velmara::scene
