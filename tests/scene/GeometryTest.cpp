#include "scene/geometry/MeshData.h"
#include "scene/geometry/PipeGeometry.h"
#include "scene/geometry/PolygonTriangulation.h"
#include "scene/geometry/Shapes.h"
#include "scene/objects/Pipe.h"
#include "scene/objects/Sphere.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <vector>

namespace velmara::scene {
namespace {

float triangleArea(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
  return 0.5f * glm::length(glm::cross(b - a, c - a));
}

struct PolygonCase {
  const char* name;
  std::vector<glm::vec3> corners;
  float area;
};

TEST(PolygonTriangulation, CoversConvexAndConcaveOutlinesExactly) {
  const PolygonCase cases[] = {
      {"square on the ground, clockwise seen from above", {{0, 0, 0}, {2, 0, 0}, {2, 0, 2}, {0, 0, 2}}, 4.0f},
      {"L shape", {{0, 0, 0}, {3, 0, 0}, {3, 1, 0}, {1, 1, 0}, {1, 3, 0}, {0, 3, 0}}, 5.0f},
      {"arrow with a deep notch", {{0, 0, 0}, {4, 2, 0}, {0, 4, 0}, {3, 2, 0}}, 2.0f},
  };
  for (const PolygonCase& c : cases) {
    const std::vector<std::uint32_t> triangles = triangulatePolygon(c.corners);
    ASSERT_EQ(triangles.size(), 3 * (c.corners.size() - 2)) << c.name;
    float area = 0.0f;
    const glm::vec3 normal = polygonNormal(c.corners);
    for (std::size_t i = 0; i < triangles.size(); i += 3) {
      const glm::vec3 &a = c.corners[triangles[i]], &b = c.corners[triangles[i + 1]], &d = c.corners[triangles[i + 2]];
      area += triangleArea(a, b, d);
      // Every triangle faces the polygon's way: none is folded over.
      EXPECT_GT(glm::dot(glm::cross(b - a, d - a), normal), 0.0f) << c.name;
    }
    EXPECT_NEAR(area, c.area, 1e-4f) << c.name;
  }
}

// Distance from a point to the infinite line through a and b.
float distanceToLine(const glm::vec3& point, const glm::vec3& a, const glm::vec3& b) {
  const glm::vec3 along = glm::normalize(b - a);
  const glm::vec3 offset = point - a;
  return glm::length(offset - glm::dot(offset, along) * along);
}

TEST(PipeGeometry, KeepsItsWallThicknessThroughABend) {
  const float radius = 0.5f;
  const std::vector<PipeNode> nodes = {{{0, 0, 0}, radius}, {{10, 0, 0}, radius}, {{10, 0, 10}, radius}};
  const int slices = 8;
  const MeshData mesh = buildPipeGeometry(nodes, slices, false);
  ASSERT_EQ(mesh.vertices().size(), 3u * (slices + 1));
  // The ring at the bend: no vertex comes closer to either leg's axis than the radius (a ring
  // merely turned onto the bisector would pinch the tube to radius · cos 45°).
  for (int s = 0; s <= slices; ++s) {
    const glm::vec3 p = mesh.vertices()[(slices + 1) + s].position;
    EXPECT_GE(distanceToLine(p, nodes[0].position, nodes[1].position), radius - 1e-4f);
    EXPECT_GE(distanceToLine(p, nodes[1].position, nodes[2].position), radius - 1e-4f);
  }
  // The end rings are round and square to their legs.
  for (int s = 0; s <= slices; ++s) {
    EXPECT_NEAR(distanceToLine(mesh.vertices()[s].position, nodes[0].position, nodes[1].position), radius, 1e-4f);
    EXPECT_NEAR(mesh.vertices()[s].position.x, 0.0f, 1e-4f);
  }
  // Outward normals.
  for (const Vertex& vertex : mesh.vertices()) EXPECT_NEAR(glm::length(vertex.normal), 1.0f, 1e-4f);
}

TEST(PipeGeometry, ACoarserPathKeepsOnlyTheNodesItsShapeNeeds) {
  std::vector<PipeNode> nodes;
  for (int i = 0; i <= 10; ++i) nodes.push_back({{static_cast<float>(i), 0, 0}, 0.5f});  // straight
  for (int i = 1; i <= 10; ++i) nodes.push_back({{10, 0, static_cast<float>(i)}, 0.5f});  // then a corner
  nodes.push_back({{10, 0, 10.5f}, 2.0f});  // and a sudden swelling at the end
  const std::vector<PipeNode> kept = simplifyPipePath(nodes, 0.1f);
  ASSERT_EQ(kept.size(), 4u);
  EXPECT_EQ(kept[0].position, glm::vec3(0, 0, 0));
  EXPECT_EQ(kept[1].position, glm::vec3(10, 0, 0));
  EXPECT_EQ(kept[2].position, glm::vec3(10, 0, 10));
  EXPECT_EQ(kept[3].radius, 2.0f);
}

TEST(PipeGeometry, NeedsTwoDistinctNodes) {
  EXPECT_TRUE(buildPipeGeometry(std::vector<PipeNode>{{{1, 1, 1}, 1}}, 8, true).empty());
  EXPECT_TRUE(buildPipeGeometry(std::vector<PipeNode>{{{1, 1, 1}, 1}, {{1, 1, 1}, 1}}, 8, true).empty());
}

TEST(MeshData, RayMeetsTheNearestTriangle) {
  const MeshData cube = shapes::cube();
  const auto hit = cube.intersect(Ray{{0, 0, 5}, {0, 0, -1}});
  ASSERT_TRUE(hit);
  EXPECT_NEAR(*hit, 4.5f, 1e-5f);
  EXPECT_FALSE(cube.intersect(Ray{{2, 0, 5}, {0, 0, -1}}));
  EXPECT_FALSE(cube.intersect(Ray{{0, 0, 5}, {0, 0, 1}}));  // pointing away
}

TEST(Shapes, FacesPointOutwards) {
  // Each triangle's winding agrees with its vertices' normals (front faces outside), which is
  // what back-face culling and lighting rely on.
  const MeshData meshes[] = {shapes::sphere(12, 8), shapes::cube(), shapes::cone(12, 0.0f), shapes::frustum(0.5f),
                             shapes::arrow(2.0f, 0.5f, 0.1f, 0.1f, 0.3f, 12), shapes::disk(0.5f, 12, 2, 0, 360)};
  for (const MeshData& mesh : meshes) {
    const auto& v = mesh.vertices();
    const auto& i = mesh.indices();
    for (std::size_t t = 0; t < i.size(); t += 3) {
      const glm::vec3 face = glm::cross(v[i[t + 1]].position - v[i[t]].position, v[i[t + 2]].position - v[i[t]].position);
      if (glm::length(face) < 1e-9f) continue;  // a sliver at a pole
      EXPECT_GT(glm::dot(face, v[i[t]].normal + v[i[t + 1]].normal + v[i[t + 2]].normal), 0.0f) << "shape " << (&mesh - meshes);
    }
  }
}

TEST(LevelOfDetail, ThinnerOnTheScreenMeansACoarserMesh) {
  Sphere sphere;
  sphere.setRadius(1.0f);
  Pipe pipe;
  pipe.setRadius(0.1f);
  for (int i = 0; i <= 100; ++i) pipe.addNode({static_cast<float>(i) * 0.1f, std::sin(static_cast<float>(i) * 0.1f), 0});
  // A 53° view 600 pixels high: a unit at distance d is about 600 / d pixels.
  const glm::mat4 projection = glm::perspective(glm::radians(53.13f), 1.0f, 0.1f, 5000.0f);
  const Viewport viewport{0, 0, 600, 600};
  const auto levelAt = [&](const Solid& solid, float distance) {
    const ViewTransform view(glm::lookAt(glm::vec3(0, 0, distance), glm::vec3(0), glm::vec3(0, 1, 0)), projection, viewport);
    return solid.detailLevel(view, glm::mat4(1.0f));
  };
  EXPECT_EQ(levelAt(sphere, 20.0f), 0);   // 30 pixels
  EXPECT_EQ(levelAt(sphere, 101.0f), 1);  // 6 pixels
  EXPECT_EQ(levelAt(sphere, 400.0f), 2);  // 1.5 pixels
  EXPECT_LT(sphere.mesh(2).indices().size(), sphere.mesh(1).indices().size());
  EXPECT_LT(sphere.mesh(1).indices().size(), sphere.mesh(0).indices().size());
  // A scaled object is thicker.
  EXPECT_EQ(sphere.detailLevel(ViewTransform(glm::lookAt(glm::vec3(0, 0, 400), glm::vec3(0), glm::vec3(0, 1, 0)),
                                             projection, viewport),
                               glm::scale(glm::mat4(1.0f), glm::vec3(10.0f))),
            0);
  // A pipe goes by its radius, not its length; coarse pipes have fewer sides and nodes.
  EXPECT_EQ(levelAt(pipe, 3.0f), 0);
  EXPECT_EQ(levelAt(pipe, 60.0f), 2);
  EXPECT_LT(pipe.mesh(2).vertices().size() * 4, pipe.mesh(0).vertices().size());
}

}  // namespace
}  // namespace velmara::scene
