#include "scene/terrain/TerrainRayCast.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmara::scene {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Möller–Trumbore, both faces.
std::optional<float> hitTriangle(const glm::vec3& origin, const glm::vec3& direction, const glm::vec3& a, const glm::vec3& b,
                                 const glm::vec3& c) {
  const glm::vec3 ab = b - a, ac = c - a;
  const glm::vec3 p = glm::cross(direction, ac);
  const float det = glm::dot(ab, p);
  if (std::fabs(det) < 1e-12f) return std::nullopt;
  const float inverse = 1.0f / det;
  const glm::vec3 s = origin - a;
  const float u = glm::dot(s, p) * inverse;
  if (u < -1e-5f || u > 1.0f + 1e-5f) return std::nullopt;
  const glm::vec3 q = glm::cross(s, ab);
  const float v = glm::dot(direction, q) * inverse;
  if (v < -1e-5f || u + v > 1.0f + 1e-5f) return std::nullopt;
  const float t = glm::dot(ac, q) * inverse;
  if (t < 0.0f) return std::nullopt;
  return t;
}

// The parameter range in which the ray's x, y lie inside the rectangle, if any.
std::optional<glm::vec2> clipToRect(const glm::vec3& origin, const glm::vec3& direction, const SampleRect& rect) {
  float enter = 0.0f, leave = kInfinity;
  const float lo[2] = {static_cast<float>(rect.left), static_cast<float>(rect.bottom)};
  const float hi[2] = {static_cast<float>(rect.right), static_cast<float>(rect.top)};
  for (int axis = 0; axis < 2; ++axis) {
    if (std::fabs(direction[axis]) < 1e-12f) {
      if (origin[axis] < lo[axis] || origin[axis] > hi[axis]) return std::nullopt;
      continue;
    }
    float t0 = (lo[axis] - origin[axis]) / direction[axis];
    float t1 = (hi[axis] - origin[axis]) / direction[axis];
    if (t0 > t1) std::swap(t0, t1);
    enter = std::max(enter, t0);
    leave = std::min(leave, t1);
  }
  if (enter > leave) return std::nullopt;
  return glm::vec2(enter, leave);
}

}  // namespace

std::optional<float> castRayOnHeightField(const glm::vec3& origin, const glm::vec3& direction, const SampleRect& rect,
                                          const std::function<float(int x, int y)>& height) {
  if (rect.right <= rect.left || rect.top <= rect.bottom) return std::nullopt;
  const std::optional<glm::vec2> span = clipToRect(origin, direction, rect);
  if (!span) return std::nullopt;
  const glm::vec3 start = origin + direction * (*span)[0];
  int cx = std::clamp(static_cast<int>(std::floor(start.x)), rect.left, rect.right - 1);
  int cy = std::clamp(static_cast<int>(std::floor(start.y)), rect.bottom, rect.top - 1);
  // Cell walk along x, y (Amanatides and Woo).
  const int stepX = direction.x > 0.0f ? 1 : -1;
  const int stepY = direction.y > 0.0f ? 1 : -1;
  auto firstCrossing = [&](float from, float d, int cell, int step) {
    if (std::fabs(d) < 1e-12f) return kInfinity;
    const float boundary = static_cast<float>(step > 0 ? cell + 1 : cell);
    return (boundary - from) / d;
  };
  float nextX = firstCrossing(origin.x, direction.x, cx, stepX);
  float nextY = firstCrossing(origin.y, direction.y, cy, stepY);
  const float deltaX = std::fabs(direction.x) < 1e-12f ? kInfinity : 1.0f / std::fabs(direction.x);
  const float deltaY = std::fabs(direction.y) < 1e-12f ? kInfinity : 1.0f / std::fabs(direction.y);
  while (cx >= rect.left && cx < rect.right && cy >= rect.bottom && cy < rect.top) {
    const float fx = static_cast<float>(cx), fy = static_cast<float>(cy);
    const glm::vec3 p00(fx, fy, height(cx, cy)), p10(fx + 1, fy, height(cx + 1, cy));
    const glm::vec3 p01(fx, fy + 1, height(cx, cy + 1)), p11(fx + 1, fy + 1, height(cx + 1, cy + 1));
    std::optional<float> hit = hitTriangle(origin, direction, p00, p10, p01);
    if (const std::optional<float> upper = hitTriangle(origin, direction, p11, p01, p10); upper && (!hit || *upper < *hit))
      hit = upper;
    if (hit) return hit;
    if (std::min(nextX, nextY) > (*span)[1]) break;
    if (nextX < nextY) {
      cx += stepX;
      nextX += deltaX;
    } else {
      cy += stepY;
      nextY += deltaY;
    }
  }
  return std::nullopt;
}

}  // namespace velmara::scene
