#pragma once
// Pictures the demo draws itself: the fish and danger marks (on a magenta background that the
// sprites leave out) and a compass rose for the heads-up corner.

#include "scene/material/Image.h"

#include <memory>

namespace velmara::demo {

std::shared_ptr<const scene::Image> fishPicture();
std::shared_ptr<const scene::Image> dangerPicture();
std::shared_ptr<const scene::Image> compassPicture();

}  // namespace velmara::demo
