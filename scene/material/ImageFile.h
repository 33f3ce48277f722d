#pragma once
// Reading and writing binary PPM (P6) pictures: enough for test fixtures and generated data
// without an image library. Other formats come decoded from the host (MaterialLibrary's loader).

#include "scene/Result.h"
#include "scene/Status.h"
#include "scene/material/Image.h"

#include <filesystem>

namespace velmara::scene {

Result<Image> readPpm(const std::filesystem::path& path);
// Alpha is dropped.
Status writePpm(const std::filesystem::path& path, const Image& image);

}  // namespace velmara::scene
