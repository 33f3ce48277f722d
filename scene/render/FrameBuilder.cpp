#include "scene/render/FrameBuilder.h"

#include "scene/geometry/MeshData.h"
#include "scene/geometry/Shapes.h"
#include "scene/geometry/SharedShapes.h"
#include "scene/material/Material.h"

#include <algorithm>
#include <cmath>

namespace velmara::scene {
namespace {

float largestScale(const glm::mat4& model) {
  return std::max({glm::length(glm::vec3(model[0])), glm::length(glm::vec3(model[1])), glm::length(glm::vec3(model[2]))});
}

const MeshData& spriteQuad() {
  static const std::shared_ptr<const MeshData> quad = SharedShapes::get("plane", shapes::plane);
  return *quad;
}

}  // namespace

void FrameBuilder::begin(const ViewTransform& view) {
  view_ = view;
  meshes_.clear();
  lines_.clear();
  lights_.clear();
  sky_.clear();
  customs_.clear();
  hud_.begin(view.viewport().width, view.viewport().height);
  culled_ = 0;
}

InstanceData FrameBuilder::instanceFor(const Material& material, const glm::mat4& model) {
  InstanceData instance;
  instance.model = model;
  instance.diffuse = material.diffuse;
  instance.ambient = material.ambient;
  instance.emission = material.emission;
  instance.specular = glm::vec4(glm::vec3(material.specular), material.shininess);
  instance.flags = glm::vec4(material.lit ? 1.0f : 0.0f, 0.0f, 0.0f, 0.0f);
  return instance;
}

void FrameBuilder::addMesh(const MeshData& mesh, const glm::mat4& model, const Material& material) {
  MeshDraw draw;
  draw.mesh = &mesh;
  draw.material = &material;
  draw.instance = instanceFor(material, model);
  addMesh(std::move(draw));
}

void FrameBuilder::addMesh(MeshDraw draw) {
  if (!draw.mesh || draw.mesh->empty()) return;
  glm::vec3 centre;
  float radius;
  if (draw.billboard) {
    centre = glm::vec3(draw.instance.model[3]);
    radius = 0.71f * std::max(std::abs(draw.instance.model[0].x), std::abs(draw.instance.model[1].y));
  } else {
    const Bounds& bounds = draw.mesh->bounds();
    centre = glm::vec3(draw.instance.model * glm::vec4(bounds.centre(), 1.0f));
    radius = bounds.radius() * largestScale(draw.instance.model);
  }
  if (!view_.sphereVisible(centre, radius)) {
    ++culled_;
    return;
  }
  draw.eyeDistance = glm::length(centre - view_.eye());
  meshes_.push_back(std::move(draw));
}

void FrameBuilder::addSprite(const glm::vec3& centre, const glm::vec2& size, float rotation, const Material& material) {
  MeshDraw draw;
  draw.mesh = &spriteQuad();
  draw.material = &material;
  draw.billboard = true;
  const float angle = glm::radians(rotation);
  glm::mat4 model(0.0f);
  model[0].x = size.x;
  model[1].y = size.y;
  model[2] = glm::vec4(std::cos(angle), std::sin(angle), 0.0f, 0.0f);
  model[3] = glm::vec4(centre, 1.0f);
  draw.instance = instanceFor(material, model);
  addMesh(std::move(draw));
}

bool FrameBuilder::offScreen(const Projected& a, const Projected& b, float margin) const {
  if (!a.inFront || !b.inFront) return false;  // the line shader cuts it at the near plane
  const auto width = static_cast<float>(view_.viewport().width);
  const auto height = static_cast<float>(view_.viewport().height);
  return (a.window.x < -margin && b.window.x < -margin) || (a.window.x > width + margin && b.window.x > width + margin) ||
         (a.window.y < -margin && b.window.y < -margin) || (a.window.y > height + margin && b.window.y > height + margin) ||
         (a.window.z > 1.0f && b.window.z > 1.0f);
}

bool FrameBuilder::straight(std::size_t first, std::size_t last, std::span<const Colour> colours) const {
  constexpr float kPixels = 0.25f;
  constexpr float kDepth = 1e-5f;
  constexpr float kColour = 1.0f / 512.0f;
  const Projected& a = projected_[first];
  const Projected& b = projected_[last];
  if (!a.inFront || !b.inFront) return false;
  const glm::vec2 along = glm::vec2(b.window) - glm::vec2(a.window);
  const float length2 = glm::dot(along, along);
  if (length2 < 1e-12f) return false;
  for (std::size_t k = first + 1; k < last; ++k) {
    const Projected& p = projected_[k];
    if (!p.inFront) return false;
    const float t = glm::dot(glm::vec2(p.window) - glm::vec2(a.window), along) / length2;
    if (t < 0.0f || t > 1.0f) return false;
    // Depth is affine along a straight screen line, so this checks the line is straight in 3D.
    const glm::vec3 onLine = glm::mix(a.window, b.window, t);
    if (glm::length(glm::vec2(p.window) - glm::vec2(onLine)) > kPixels || std::abs(p.window.z - onLine.z) > kDepth) {
      return false;
    }
    if (!colours.empty()) {
      const Colour blended = glm::mix(colours[first], colours[last], t);
      const Colour difference = glm::abs(colours[k] - blended);
      if (std::max({difference.r, difference.g, difference.b, difference.a}) > kColour) return false;
    }
  }
  return true;
}

void FrameBuilder::addLine(std::span<const glm::vec3> points, std::span<const Colour> colours, const LineStyle& style) {
  // Longest run merged into one segment: bounds the cost of the straightness checks.
  constexpr std::size_t kLongestRun = 64;
  if (colours.size() != points.size()) colours = {};
  const auto colourAt = [&](std::size_t i) { return colours.empty() ? style.colour : colours[i]; };
  projected_.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const glm::vec4 clip = view_.viewProjection() * glm::vec4(points[i], 1.0f);
    projected_[i].inFront = clip.w > 1e-6f;
    projected_[i].window = projected_[i].inFront ? view_.project(points[i]) : glm::vec3(0.0f);
  }
  const float margin = style.width + 2.0f;
  // The stipple runs on along the whole line: each segment starts where the previous one ended
  // on the screen.
  float phase = 0.0f;
  std::size_t first = 0;
  while (first + 1 < points.size()) {
    std::size_t last = first + 1;
    while (last + 1 < points.size() && last + 1 - first <= kLongestRun && straight(first, last + 1, colours)) ++last;
    const Projected& a = projected_[first];
    const Projected& b = projected_[last];
    if (!offScreen(a, b, margin)) {
      LineSegment segment;
      segment.a = points[first];
      segment.b = points[last];
      segment.phase = phase;
      segment.width = style.width;
      segment.colourA = colourAt(first);
      segment.colourB = colourAt(last);
      segment.pattern = static_cast<float>(style.pattern);
      segment.patternFactor = std::max(style.patternFactor, 1.0f);
      segment.antialias = style.antialiased ? 1.0f : 0.0f;
      lines_.push_back(segment);
    }
    if (a.inFront && b.inFront) phase += glm::length(glm::vec2(b.window) - glm::vec2(a.window));
    first = last;
  }
  if (!style.nodesVisible) return;
  for (const glm::vec3& point : points) {
    LineSegment dot;
    dot.a = dot.b = point;
    dot.width = style.nodeSize;
    dot.colourA = dot.colourB = style.nodeColour;
    dot.dot = 1.0f;
    lines_.push_back(dot);
  }
}

void FrameBuilder::addSkyBands(std::span<const SkyBand> bands) { sky_.insert(sky_.end(), bands.begin(), bands.end()); }

}  // namespace velmara::scene
