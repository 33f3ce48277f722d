#include "tools/vessel-models/ModelPart.h"

#include "scene/geometry/PolygonTriangulation.h"

#include <algorithm>
#include <cmath>

namespace velmara::models {
namespace {

constexpr float TinyArea = 1e-8f;

glm::vec3 FaceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
  return glm::cross(b - a, c - a);
}

// A unit vector at right angles to `d`.
glm::vec3 Across(const glm::vec3& d) {
  const glm::vec3 other = std::fabs(d.y) < 0.9f ? glm::vec3(0, 1, 0) : glm::vec3(1, 0, 0);
  return glm::normalize(glm::cross(d, other));
}

}  // namespace

void AddGrid(ModelPart& part, const std::vector<std::vector<glm::vec3>>& rows) {
  if (rows.size() < 2) return;
  const std::size_t columns = rows.front().size();
  const auto base = static_cast<std::uint32_t>(part.positions.size());
  std::vector<glm::vec3> normals(rows.size() * columns, glm::vec3(0.0f));
  std::vector<std::uint32_t> triangles;
  const auto at = [&](std::size_t i, std::size_t j) { return static_cast<std::uint32_t>(i * columns + j); };
  for (std::size_t i = 0; i + 1 < rows.size(); ++i)
    for (std::size_t j = 0; j + 1 < columns; ++j) {
      const std::uint32_t quad[2][3] = {{at(i, j), at(i, j + 1), at(i + 1, j + 1)},
                                        {at(i, j), at(i + 1, j + 1), at(i + 1, j)}};
      for (const auto& t : quad) {
        const glm::vec3& a = rows[t[0] / columns][t[0] % columns];
        const glm::vec3& b = rows[t[1] / columns][t[1] % columns];
        const glm::vec3& c = rows[t[2] / columns][t[2] % columns];
        const glm::vec3 n = FaceNormal(a, b, c);
        if (glm::length(n) < TinyArea) continue;
        for (std::uint32_t k : t) normals[k] += n;
        triangles.insert(triangles.end(), {t[0], t[1], t[2]});
      }
    }
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = 0; j < columns; ++j) {
      const glm::vec3 n = normals[at(i, j)];
      part.positions.push_back(rows[i][j]);
      part.normals.push_back(glm::length(n) > 0 ? glm::normalize(n) : glm::vec3(0, 1, 0));
    }
  for (std::uint32_t k : triangles) part.indices.push_back(base + k);
}

void AddPolygon(ModelPart& part, std::vector<glm::vec3> corners, const glm::vec3& facing) {
  // Repeated corners (collapsed edges of a loft) would confuse the triangulation.
  corners.erase(std::unique(corners.begin(), corners.end(),
                            [](const glm::vec3& a, const glm::vec3& b) { return glm::length(a - b) < 1e-6f; }),
                corners.end());
  while (corners.size() > 1 && glm::length(corners.front() - corners.back()) < 1e-6f) corners.pop_back();
  if (corners.size() < 3) return;
  const std::vector<std::uint32_t> triangles = scene::triangulatePolygon(corners);
  const glm::vec3 normal = glm::normalize(facing);
  for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
    glm::vec3 a = corners[triangles[t]], b = corners[triangles[t + 1]], c = corners[triangles[t + 2]];
    const glm::vec3 n = FaceNormal(a, b, c);
    if (glm::length(n) < TinyArea) continue;
    if (glm::dot(n, normal) < 0) std::swap(b, c);
    const auto base = static_cast<std::uint32_t>(part.positions.size());
    for (const glm::vec3& p : {a, b, c}) {
      part.positions.push_back(p);
      part.normals.push_back(normal);
    }
    part.indices.insert(part.indices.end(), {base, base + 1, base + 2});
  }
}

void AddLoft(ModelPart& part, const std::vector<std::vector<glm::vec3>>& rings, const std::vector<int>& creases) {
  if (rings.size() < 2) return;
  const int count = static_cast<int>(rings.front().size());
  std::vector<int> cuts = creases;
  cuts.push_back(0);
  cuts.push_back(count);
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  for (std::size_t s = 0; s + 1 < cuts.size(); ++s) {
    std::vector<std::vector<glm::vec3>> rows;
    for (const auto& ring : rings) {
      std::vector<glm::vec3> row;
      for (int j = cuts[s]; j <= cuts[s + 1]; ++j) row.push_back(ring[j % count]);
      rows.push_back(std::move(row));
    }
    AddGrid(part, rows);
  }
  const glm::vec3 along = glm::vec3(0, 0, 1) * (rings.back()[0].z >= rings.front()[0].z ? 1.0f : -1.0f);
  AddPolygon(part, rings.front(), -along);
  AddPolygon(part, rings.back(), along);
}

void AddBox(ModelPart& part, const glm::vec3& lo, const glm::vec3& hi) {
  const glm::vec3 x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
  AddPolygon(part, {{lo.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {lo.x, hi.y, hi.z}, {lo.x, lo.y, hi.z}}, -x);
  AddPolygon(part, {{hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, hi.y, lo.z}}, x);
  AddPolygon(part, {{lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, lo.y, lo.z}}, -y);
  AddPolygon(part, {{lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}}, y);
  AddPolygon(part, {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}}, -z);
  AddPolygon(part, {{lo.x, lo.y, hi.z}, {lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z}}, z);
}

void AddTube(ModelPart& part, const std::vector<glm::vec3>& path, float radius, int sides) {
  if (path.size() < 2) return;
  // One frame for the whole tube, carried along so the rings do not twist.
  glm::vec3 u = Across(glm::normalize(path[1] - path[0]));
  std::vector<std::vector<glm::vec3>> rows;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const glm::vec3 before = i > 0 ? glm::normalize(path[i] - path[i - 1]) : glm::vec3(0.0f);
    const glm::vec3 after = i + 1 < path.size() ? glm::normalize(path[i + 1] - path[i]) : glm::vec3(0.0f);
    const glm::vec3 d = glm::normalize(before + after);
    u = glm::normalize(u - d * glm::dot(u, d));
    const glm::vec3 v = glm::cross(d, u);
    std::vector<glm::vec3> row;
    for (int k = 0; k <= sides; ++k) {
      const float a = 2.0f * 3.14159265f * static_cast<float>(k % sides) / static_cast<float>(sides);
      row.push_back(path[i] + radius * (std::cos(a) * u + std::sin(a) * v));
    }
    rows.push_back(std::move(row));
  }
  AddGrid(part, rows);
  std::vector<glm::vec3> first(rows.front().begin(), rows.front().end() - 1);
  std::vector<glm::vec3> last(rows.back().begin(), rows.back().end() - 1);
  AddPolygon(part, first, path[0] - path[1]);
  AddPolygon(part, last, path.back() - path[path.size() - 2]);
}

void AddPrismX(ModelPart& part, std::vector<glm::vec2> profile, float x0, float x1) {
  float area = 0;
  for (std::size_t k = 0; k < profile.size(); ++k) {
    const glm::vec2& a = profile[k];
    const glm::vec2& b = profile[(k + 1) % profile.size()];
    area += a.x * b.y - b.x * a.y;
  }
  if (area < 0) std::reverse(profile.begin(), profile.end());
  const std::size_t n = profile.size();
  std::vector<glm::vec3> left, right;
  for (const glm::vec2& p : profile) {
    left.emplace_back(x0, p.y, p.x);
    right.emplace_back(x1, p.y, p.x);
  }
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t m = (k + 1) % n;
    const glm::vec2 edge = profile[m] - profile[k];
    // Outward in the (z, y) plane of a counter-clockwise profile.
    const glm::vec3 out(0, -edge.x, edge.y);
    AddPolygon(part, {left[k], right[k], right[m], left[m]}, out);
  }
  AddPolygon(part, left, glm::vec3(-1, 0, 0));
  AddPolygon(part, right, glm::vec3(1, 0, 0));
}

ModelBounds BoundsOf(const std::vector<ModelPart>& parts) {
  ModelBounds bounds{glm::vec3(1e30f), glm::vec3(-1e30f)};
  for (const ModelPart& part : parts)
    for (const glm::vec3& p : part.positions) {
      bounds.minimum = glm::min(bounds.minimum, p);
      bounds.maximum = glm::max(bounds.maximum, p);
    }
  return bounds;
}

}  // namespace velmara::models
