#pragma once
// Finds the file of an installed font by family name through fontconfig ("DejaVu Sans").

#include "scene/Result.h"

#include <filesystem>
#include <string>

namespace velmara::scene {

struct FontRequest {
  std::string family = "DejaVu Sans";
  bool bold = false;
  bool italic = false;
};

// The best match's file; fails when fontconfig knows no font at all. The match may be another
// family when the requested one is not installed (fontconfig's choice of a substitute).
Result<std::filesystem::path> locateFont(const FontRequest& request);

}  // namespace velmara::scene
