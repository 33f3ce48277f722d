#include "scene/objects/Line.h"

#include "scene/pick/PickQuery.h"
#include "scene/render/FrameBuilder.h"

#include <algorithm>

namespace velmara::scene {

void Line::submit(FrameBuilder& frame, const glm::mat4& absolute) const {
  if (nodes_.empty()) return;
  // Scratch space reused across lines and frames (drawing happens on the main thread only).
  static std::vector<glm::vec3> points;
  static std::vector<Colour> colours;
  points.clear();
  colours.clear();
  const bool perNode = std::any_of(nodes_.begin(), nodes_.end(), [](const Node& n) { return n.colour.has_value(); });
  for (const Node& node : nodes_) {
    points.push_back(glm::vec3(absolute * glm::vec4(node.position, 1.0f)));
    if (perNode) colours.push_back(node.colour.value_or(colour_));
  }
  FrameBuilder::LineStyle style;
  style.colour = colour_;
  style.width = width_;
  style.pattern = pattern_;
  style.patternFactor = static_cast<float>(patternFactor_);
  style.antialiased = antialiased_;
  style.nodesVisible = nodesVisible_;
  style.nodeColour = markerColour_;
  style.nodeSize = markerSize_;
  frame.addLine(points, colours, style);
}

std::optional<float> Line::hitDistance(const PickQuery& query, const glm::mat4& absolute) const {
  const float reach = std::max(width_ * 0.5f, 0.5f) + query.lineTolerance;
  std::optional<float> nearest;
  const auto consider = [&](const glm::vec3& point) {
    const float distance = glm::length(point - query.ray.origin);
    if (!nearest || distance < *nearest) nearest = distance;
  };
  // A single node is a segment of no length.
  const std::size_t segments = nodes_.size() == 1 ? 1 : nodes_.size() - 1;
  for (std::size_t i = 0; i < segments && !nodes_.empty(); ++i) {
    const glm::vec3 a(absolute * glm::vec4(nodes_[i].position, 1.0f));
    const glm::vec3 b(absolute * glm::vec4(nodes_[std::min(i + 1, nodes_.size() - 1)].position, 1.0f));
    const glm::vec3 wa = query.view.project(a);
    const glm::vec3 wb = query.view.project(b);
    if (wa.z < 0.0f || wa.z > 1.0f || wb.z < 0.0f || wb.z > 1.0f) continue;  // not both in front
    const glm::vec2 along = glm::vec2(wb) - glm::vec2(wa);
    const float length2 = glm::dot(along, along);
    const float s = length2 > 0.0f ? std::clamp(glm::dot(query.window - glm::vec2(wa), along) / length2, 0.0f, 1.0f) : 0.0f;
    if (glm::length(glm::vec2(wa) + along * s - query.window) <= reach) consider(a + (b - a) * s);
  }
  return nearest;
}

}  // namespace velmara::scene
