#pragma once
// Triangle meshes of one material as the vessel model generator builds them, and the shapes it
// builds them from. Every solid shape is closed and wound counter-clockwise seen from outside;
// triangles of no area are left out.

#include <glm/glm.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace velmara::models {

struct ModelPart {
  std::string material;
  std::vector<glm::vec3> positions;
  std::vector<glm::vec3> normals;
  std::vector<std::uint32_t> indices;
};

struct ModelMaterial {
  std::string name;
  glm::vec3 diffuse;
};

// A surface through rows of points: quads (r[i][j], r[i][j+1], r[i+1][j+1], r[i+1][j]) face the
// side their corner order turns counter-clockwise towards. Normals are smoothed inside the grid.
void AddGrid(ModelPart& part, const std::vector<std::vector<glm::vec3>>& rows);

// A flat polygon (convex or not, corners in order) facing `facing`.
void AddPolygon(ModelPart& part, std::vector<glm::vec3> corners, const glm::vec3& facing);

// A closed loft through rings of points along +Z (each ring counter-clockwise seen from +Z), split into smooth stretches at the given ring indices
// (hard edges), with flat caps at both ends.
void AddLoft(ModelPart& part, const std::vector<std::vector<glm::vec3>>& rings, const std::vector<int>& creases);

void AddBox(ModelPart& part, const glm::vec3& minimum, const glm::vec3& maximum);

// A round tube along a polyline, closed at both ends by flat caps.
void AddTube(ModelPart& part, const std::vector<glm::vec3>& path, float radius, int sides);

// A prism: a simple polygon of (z, y) points, in either order, extruded from x0 to x1.
void AddPrismX(ModelPart& part, std::vector<glm::vec2> profileZY, float x0, float x1);

// Axis-aligned bounds of all parts.
struct ModelBounds {
  glm::vec3 minimum, maximum;
};
ModelBounds BoundsOf(const std::vector<ModelPart>& parts);

}  // namespace velmara::models
