#include "tools/vessel-models/Trawler.h"

#include <algorithm>
#include <cmath>

namespace velmara::models {
namespace {

constexpr float Stern = -9.0f, Bow = 9.0f;
constexpr float RampStart = -5.5f;  // where the stern ramp leaves the main deck
constexpr int Bilge = 7;            // points from keel to waterline on each side

struct Station {
  float w;  // half beam at the deck edge
  float h;  // deck height (sheer)
  float d;  // depth of the keel below the waterline
  float r;  // half width of the stern ramp
  float hr; // height of the ramp floor (h where there is no ramp)
};

Station At(float z) {
  const float t = (z - Stern) / (Bow - Stern);
  Station s;
  if (t <= 0.5f) {
    const float a = (0.5f - t) / 0.5f;
    s.w = 2.5f - 0.35f * a * a;
  } else {
    s.w = std::max(0.03f, 2.5f * (1.0f - std::pow((t - 0.5f) / 0.5f, 2.2f)));
  }
  s.h = 1.3f + 1.3f * std::pow(std::max(0.0f, (t - 0.6f) / 0.4f), 1.8f);
  if (t < 0.1f)
    s.d = 1.1f + 0.5f * t / 0.1f;
  else if (t <= 0.75f)
    s.d = 1.6f;
  else
    s.d = 0.15f + 1.45f * (1.0f - std::pow((t - 0.75f) / 0.25f, 1.5f));
  s.r = std::min(0.85f, 0.5f * s.w);
  s.hr = z < RampStart ? s.h - (s.h - 0.35f) * (RampStart - z) / (RampStart - Stern) : s.h;
  return s;
}

// One cross-section, counter-clockwise seen from ahead: keel, port bilge up to the waterline, port
// deck edge, the ramp notch, starboard deck edge, starboard bilge back towards the keel.
std::vector<glm::vec3> Ring(float z) {
  const Station s = At(z);
  std::vector<glm::vec3> port;
  for (int k = 1; k <= Bilge; ++k) {
    const float phi = 1.5707963f * static_cast<float>(k) / Bilge;
    port.emplace_back(0.96f * s.w * std::pow(std::sin(phi), 0.55f), -s.d * std::pow(std::cos(phi), 0.8f), z);
  }
  std::vector<glm::vec3> ring{{0.0f, -s.d, z}};
  ring.insert(ring.end(), port.begin(), port.end());
  ring.insert(ring.end(), {{s.w, s.h, z}, {s.r, s.h, z}, {s.r, s.hr, z}, {-s.r, s.hr, z}, {-s.r, s.h, z}, {-s.w, s.h, z}});
  for (auto p = port.rbegin(); p != port.rend(); ++p) ring.emplace_back(-p->x, p->y, z);
  return ring;
}

std::vector<std::vector<glm::vec3>> Columns(const std::vector<std::vector<glm::vec3>>& rings, int from, int to) {
  const int count = static_cast<int>(rings.front().size());
  std::vector<std::vector<glm::vec3>> rows;
  for (const auto& ring : rings) {
    std::vector<glm::vec3> row;
    for (int j = from; j <= to; ++j) row.push_back(ring[j % count]);
    rows.push_back(std::move(row));
  }
  return rows;
}

void AddHull(ModelPart& hull, ModelPart& deck) {
  std::vector<std::vector<glm::vec3>> rings;
  for (int i = 0; i <= 36; ++i) rings.push_back(Ring(Stern + 0.5f * static_cast<float>(i)));
  const int count = static_cast<int>(rings.front().size());
  const int portEdge = Bilge + 1, starboardEdge = Bilge + 6;
  AddGrid(hull, Columns(rings, 0, portEdge));
  for (int j = portEdge; j < starboardEdge; ++j) AddGrid(deck, Columns(rings, j, j + 1));
  AddGrid(hull, Columns(rings, starboardEdge, count));
  AddPolygon(hull, rings.front(), {0, 0, -1});
  AddPolygon(hull, rings.back(), {0, 0, 1});
}

void AddWheelhouse(ModelPart& superstructure, ModelPart& black) {
  AddBox(superstructure, {-1.8f, 1.0f, -1.5f}, {1.8f, 2.7f, 4.5f});                       // deckhouse
  AddPrismX(superstructure, {{0.8f, 2.7f}, {4.0f, 2.7f}, {4.35f, 4.1f}, {0.8f, 4.1f}}, -1.55f, 1.55f);
  AddBox(superstructure, {-1.7f, 4.1f, 0.6f}, {1.7f, 4.25f, 4.5f});                       // roof
  AddBox(superstructure, {-0.45f, 2.7f, -1.2f}, {0.45f, 4.9f, -0.2f});                    // funnel
  AddBox(black, {-0.45f, 4.9f, -1.2f}, {0.45f, 5.2f, -0.2f});                             // funnel top

  // Front windows lie on the raked front, a little proud of it.
  const auto front = [](float y) { return glm::vec2(4.0f + 0.35f * (y - 2.7f) / 1.4f, y); };
  const glm::vec2 out = glm::vec2(1.4f, -0.35f) / std::sqrt(1.4f * 1.4f + 0.35f * 0.35f) * 0.05f;
  const std::vector<glm::vec2> pane{front(3.3f), front(3.9f), front(3.9f) + out, front(3.3f) + out};
  for (const auto& [x0, x1] : {std::pair{-1.4f, -0.5f}, {-0.45f, 0.45f}, {0.5f, 1.4f}}) AddPrismX(black, pane, x0, x1);
  for (float side : {-1.0f, 1.0f})
    for (const auto& [z0, z1] : {std::pair{1.2f, 2.2f}, {2.5f, 3.6f}}) {
      const float inner = side * 1.55f, outer = side * 1.6f;
      AddBox(black, {std::min(inner, outer), 3.3f, z0}, {std::max(inner, outer), 3.9f, z1});
    }
  for (const auto& [x0, x1] : {std::pair{-1.2f, -0.2f}, {0.2f, 1.2f}}) AddBox(black, {x0, 3.3f, 0.75f}, {x1, 3.85f, 0.8f});
}

void AddRigging(ModelPart& steel, ModelPart& black) {
  // Mast with its yard and the radar on the wheelhouse roof.
  AddTube(steel, {{0, 4.25f, 3.0f}, {0, 8.0f, 3.0f}}, 0.09f, 10);
  AddTube(steel, {{-1.1f, 7.1f, 3.0f}, {1.1f, 7.1f, 3.0f}}, 0.05f, 8);
  AddTube(steel, {{0, 4.25f, 1.8f}, {0, 4.6f, 1.8f}}, 0.06f, 8);
  AddBox(black, {-0.75f, 4.6f, 1.7f}, {0.75f, 4.72f, 1.9f});

  // Stern gantry over the ramp, its legs leaning aft, with the blocks the warps run through.
  for (float x : {-1.75f, 1.75f}) AddTube(steel, {{x, 1.0f, -7.6f}, {x, 5.4f, -8.4f}}, 0.16f, 10);
  AddTube(steel, {{-1.95f, 5.4f, -8.4f}, {1.95f, 5.4f, -8.4f}}, 0.18f, 10);
  for (float x : {-1.2f, 1.2f}) AddBox(black, {x - 0.15f, 4.9f, -8.55f}, {x + 0.15f, 5.25f, -8.25f});

  // Trawl winches forward of the net drum, and the net drum above the head of the ramp.
  AddBox(steel, {-1.7f, 1.0f, -2.7f}, {1.7f, 1.5f, -2.1f});
  for (const auto& [x0, x1] : {std::pair{-1.6f, -0.35f}, {0.35f, 1.6f}})
    AddTube(steel, {{x0, 1.75f, -2.4f}, {x1, 1.75f, -2.4f}}, 0.4f, 14);
  AddTube(steel, {{-1.2f, 2.0f, -4.4f}, {1.2f, 2.0f, -4.4f}}, 0.6f, 16);
  for (float x : {-1.2f, 1.2f}) {
    const float outer = x + (x < 0 ? -0.1f : 0.1f);
    AddTube(steel, {{std::min(x, outer), 2.0f, -4.4f}, {std::max(x, outer), 2.0f, -4.4f}}, 0.75f, 16);
    AddBox(steel, {std::min(outer, x + (x < 0 ? -0.25f : 0.25f)), 1.0f, -4.7f},
           {std::max(outer, x + (x < 0 ? -0.25f : 0.25f)), 2.0f, -4.1f});
  }
}

}  // namespace

std::vector<ModelMaterial> TrawlerMaterials() {
  return {{"mat1", {1, 0, 0}}, {"mat2", {0, 0, 1}}, {"mat3", {0, 0, 0}}, {"mat4", {0.75f, 0.75f, 0.75f}},
          {"mat5", {0.5f, 0.5f, 0.5f}}};
}

std::vector<ModelPart> BuildTrawler() {
  std::vector<ModelPart> parts(5);
  for (int i = 0; i < 5; ++i) parts[i].material = "mat" + std::to_string(i + 1);
  ModelPart &hull = parts[0], &superstructure = parts[1], &black = parts[2], &steel = parts[3], &deck = parts[4];
  AddHull(hull, deck);
  AddWheelhouse(superstructure, black);
  AddRigging(steel, black);
  return parts;
}

}  // namespace velmara::models
