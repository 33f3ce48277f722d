#pragma once
// Pictures from and to files for the colouring code (JPEG sample pictures in, PNG checks out).

#include <optional>
#include <string>

#include "colour/LandTexture.h"

namespace velmara {

std::optional<TRgbImage> LoadRgbImage(const std::string& path);
bool SaveRgbImage(const TRgbImage& image, const std::string& path);
// The palette's strip as a picture `height` pixels tall.
TRgbImage StripPicture(const TDepthPalette& palette, int height);

}  // namespace velmara
