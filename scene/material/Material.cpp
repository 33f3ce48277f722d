#include "scene/material/Material.h"

namespace velmara::scene {

void Material::setOpacity(float opacity) {
  diffuse.a = opacity;
  if (opacity < 1.0f && blending == BlendMode::Opaque) blending = BlendMode::Transparent;
}

Status Material::setCombinerLines(const std::vector<std::string>& lines) {
  auto parsed = TextureCombiner::parse(lines);
  if (!parsed) return Status::failure(parsed.error());
  combiner = std::move(parsed).value();
  return Status::success();
}

}  // namespace velmara::scene
