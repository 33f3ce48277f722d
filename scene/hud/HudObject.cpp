#include "scene/hud/HudObject.h"

#include "scene/pick/PickQuery.h"
#include "scene/render/FrameBuilder.h"

namespace velmara::scene {

void HudObject::submit(FrameBuilder& frame, const glm::mat4&) const { paint(frame.hud()); }

std::optional<float> HudObject::hitDistance(const PickQuery& query, const glm::mat4&) const {
  const glm::vec4 rect = screenRect();
  const float x = query.window.x;
  const float y = static_cast<float>(query.view.viewport().height) - query.window.y;
  if (x >= rect.x && x < rect.z && y >= rect.y && y < rect.w) return 0.0f;
  return std::nullopt;
}

}  // namespace velmara::scene
