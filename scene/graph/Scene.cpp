#include "scene/graph/Scene.h"

namespace velmara::scene {

Scene::Scene() : root_("Scene") {}

}  // namespace velmara::scene
