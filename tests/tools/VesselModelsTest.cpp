// The boat and trawl models made at build time, read back the way the program reads them: the
// materials the colour file and the net library address, the sizes the boat and net sizing assume,
// the cable ends lying on the wing ends, and surfaces without holes.
#include "scene/mesh/MeshLoader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <tuple>

namespace velmara {
namespace {

const std::filesystem::path Program = VELMARA_PROGRAM_DIR;

struct Welded {
  std::vector<glm::vec3> points;
  std::vector<std::array<int, 3>> triangles;
};

// All parts as one surface, vertices at the same place made one (the file keeps hard edges as
// separate vertices).
Welded Weld(const scene::LoadedModel& model) {
  Welded welded;
  std::map<std::tuple<long, long, long>, int> index;
  for (const auto& part : model.parts) {
    std::vector<int> local;
    for (const scene::Vertex& v : part.mesh.vertices()) {
      const auto key = std::make_tuple(std::lround(v.position.x * 1e3), std::lround(v.position.y * 1e3),
                                       std::lround(v.position.z * 1e3));
      const auto [at, added] = index.emplace(key, static_cast<int>(welded.points.size()));
      if (added) welded.points.push_back(v.position);
      local.push_back(at->second);
    }
    const auto& indices = part.mesh.indices();
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3)
      welded.triangles.push_back({local[indices[i]], local[indices[i + 1]], local[indices[i + 2]]});
  }
  return welded;
}

// Edges that only one triangle (or an odd number) uses: the rims of openings.
std::vector<std::pair<int, int>> OpenEdges(const Welded& welded) {
  std::map<std::pair<int, int>, int> uses;
  for (const auto& t : welded.triangles)
    for (int k = 0; k < 3; ++k) {
      const int a = t[k], b = t[(k + 1) % 3];
      if (a != b) ++uses[{std::min(a, b), std::max(a, b)}];
    }
  std::vector<std::pair<int, int>> open;
  for (const auto& [edge, count] : uses)
    if (count % 2) open.push_back(edge);
  return open;
}

// How many separate rims the open edges form.
int Openings(const Welded& welded) {
  std::vector<int> parent(welded.points.size());
  std::iota(parent.begin(), parent.end(), 0);
  const auto root = [&](int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  std::set<int> onRim;
  for (const auto& [a, b] : OpenEdges(welded)) {
    parent[root(a)] = root(b);
    onRim.insert(a);
    onRim.insert(b);
  }
  std::set<int> rims;
  for (int i : onRim) rims.insert(root(i));
  return static_cast<int>(rims.size());
}

scene::Bounds BoundsOf(const scene::LoadedModel& model) {
  scene::Bounds bounds{glm::vec3(1e30f), glm::vec3(-1e30f)};
  for (const auto& part : model.parts)
    for (const scene::Vertex& v : part.mesh.vertices()) {
      bounds.minimum = glm::min(bounds.minimum, v.position);
      bounds.maximum = glm::max(bounds.maximum, v.position);
    }
  return bounds;
}

float Nearest(const scene::LoadedModel& model, const glm::vec3& point) {
  float nearest = 1e30f;
  for (const auto& part : model.parts)
    for (const scene::Vertex& v : part.mesh.vertices()) nearest = std::min(nearest, glm::length(v.position - point));
  return nearest;
}

std::vector<std::string> MaterialNames(const scene::LoadedModel& model) {
  std::vector<std::string> names;
  for (const auto& part : model.parts) {
    EXPECT_FALSE(part.mesh.empty()) << part.material;
    names.push_back(part.material);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(VesselModels, TrawlerHasTheFiveColourMaterialsAndIsClosed) {
  auto loaded = scene::loadModel(Program / "trawler.obj", {});
  ASSERT_TRUE(loaded) << loaded.error();
  const scene::LoadedModel& model = loaded.value();
  EXPECT_EQ(MaterialNames(model), (std::vector<std::string>{"mat1", "mat2", "mat3", "mat4", "mat5"}));

  // 18 units from transom to stem, midships at the origin, keel below and mast above the waterline.
  const scene::Bounds bounds = BoundsOf(model);
  EXPECT_NEAR(bounds.minimum.z, -9.0f, 0.01f);
  EXPECT_NEAR(bounds.maximum.z, 9.0f, 0.01f);
  EXPECT_NEAR(bounds.minimum.x, -bounds.maximum.x, 0.01f);
  EXPECT_NEAR(bounds.maximum.x, 2.5f, 0.05f);
  EXPECT_LT(bounds.minimum.y, -1.0f);
  EXPECT_GT(bounds.maximum.y, 6.0f);

  // Bow along +Z: the hull's sheer rises to the stem, and the wheelhouse windows look forward.
  glm::vec3 highestHull(0.0f), forwardWindow(-1e30f);
  for (const auto& part : model.parts)
    for (const scene::Vertex& v : part.mesh.vertices()) {
      if (part.material == "mat1" && v.position.y > highestHull.y) highestHull = v.position;
      if (part.material == "mat3" && v.position.z > forwardWindow.z) forwardWindow = v.position;
    }
  EXPECT_GT(highestHull.z, 8.0f);
  EXPECT_GT(forwardWindow.z, 4.0f);

  const Welded welded = Weld(model);
  EXPECT_TRUE(OpenEdges(welded).empty()) << OpenEdges(welded).size() << " open edges";
  double volume = 0;  // positive when the triangles face outwards
  for (const auto& t : welded.triangles)
    volume += glm::dot(welded.points[t[0]], glm::cross(welded.points[t[1]], welded.points[t[2]])) / 6.0;
  EXPECT_GT(volume, 100.0);
  EXPECT_LT(volume, 18.0 * 5.0 * 10.0);
}

TEST(VesselModels, TrawlNetsHaveTheirModelLengthsAndCableEnds) {
  const float twinWingZ = -100.0f / 7.0f;
  const struct {
    const char* file;
    float length, height;  // along Z (the tow) and Y; the net sizing maps them to length and opening
    int mouths;
    std::vector<glm::vec3> wingEnds;
  } nets[] = {
      {"net.3ds", 90, 22.5f, 1, {{-10, 11.25f, 45}, {10, 11.25f, 45}, {-10, -8.75f, 45}, {10, -8.75f, 45}}},
      {"Bottomnet.3ds", 60, 6, 1, {{-9, 0, 30}, {9, 0, 30}}},  // the cables start 10 further ahead
      {"doublenet.3ds", 80, 10, 2, {{-55, -5, twinWingZ}, {55, -5, twinWingZ}}},
  };
  for (const auto& net : nets) {
    // Centred as the net loader centres it.
    auto loaded = scene::loadModel(Program / net.file, {true, true, true, false});
    ASSERT_TRUE(loaded) << net.file << ": " << loaded.error();
    const scene::LoadedModel& model = loaded.value();
    const std::vector<std::string> names = MaterialNames(model);
    ASSERT_EQ(names.size(), 2u) << net.file;
    EXPECT_EQ(names[0].rfind("netting", 0), 0u) << net.file << " " << names[0];
    EXPECT_EQ(names[1].rfind("ropes", 0), 0u) << net.file << " " << names[1];

    const scene::Bounds bounds = BoundsOf(model);
    const glm::vec3 size = bounds.maximum - bounds.minimum;
    EXPECT_NEAR(size.z, net.length, net.length * 0.002f) << net.file;
    EXPECT_NEAR(size.y, net.height, 0.01f) << net.file;
    for (const glm::vec3& wing : net.wingEnds) EXPECT_LT(Nearest(model, wing), 0.05f) << net.file << " wing end";

    // One bag per mouth, open only there: the cod ends are closed.
    EXPECT_EQ(Openings(Weld(model)), net.mouths) << net.file;
  }
}

TEST(VesselModels, GeneratorWritesTheSameBytesEveryTime) {
  const std::filesystem::path again = std::filesystem::temp_directory_path() / "velmara-vessel-models-again";
  std::filesystem::remove_all(again);
  const std::string command = std::string(VELMARA_VESSEL_MODELS_TOOL) + " " + again.string();
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const auto bytes = [](const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  };
  for (const char* file : {"trawler.obj", "trawler.mtl", "net.3ds", "Bottomnet.3ds", "doublenet.3ds"}) {
    const std::string made = bytes(Program / file);
    EXPECT_FALSE(made.empty()) << file;
    EXPECT_EQ(made, bytes(again / file)) << file;
  }
  std::filesystem::remove_all(again);
}

}  // namespace
}  // namespace velmara
