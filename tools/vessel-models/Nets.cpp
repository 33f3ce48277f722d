#include "tools/vessel-models/Nets.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace velmara::models {
namespace {

constexpr float Pi = 3.14159265f;
constexpr int Around = 32;    // meshes round the bag
constexpr int Stations = 26;  // meshes along it

// A point of the mouth for a point (X, Y) of the boundary of the square [-1, 1]²: corners are the
// wing ends, Y = 1 the head line, Y = -1 the footrope.
using Rim = std::function<glm::vec3(float X, float Y)>;

struct Bag {
  Rim rim;
  glm::vec3 codEnd;  // centre of the closed end
  float codRadius;
};

glm::vec2 SquarePoint(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  const float m = std::max(std::fabs(c), std::fabs(s));
  return {c / m, s / m};
}

// The netting from the mouth back to the cod end: the section turns from the mouth's shape into a
// circle over the first 85 % and runs on as the cod end, which is closed.
void AddBag(ModelPart& netting, const Bag& bag) {
  std::vector<std::vector<glm::vec3>> rows;
  for (int i = 0; i < Stations; ++i) {
    const float v = static_cast<float>(i) / (Stations - 1);
    const float w = v < 0.85f ? 1.0f - std::pow(1.0f - v / 0.85f, 1.7f) : 1.0f;
    std::vector<glm::vec3> row;
    for (int k = 0; k <= Around; ++k) {
      // Clockwise seen from ahead, so that the netting faces outwards as the rows run aft.
      const float angle = -2.0f * Pi * static_cast<float>(k % Around) / Around + Pi / 4;
      const glm::vec2 square = SquarePoint(angle);
      const glm::vec3 mouth = bag.rim(square.x, square.y);
      const glm::vec3 round = bag.codEnd + bag.codRadius * glm::vec3(std::cos(angle), std::sin(angle), 0.0f);
      glm::vec3 p = mouth + (round - mouth) * w;
      p.z = mouth.z + (bag.codEnd.z - mouth.z) * v;
      row.push_back(p);
    }
    rows.push_back(std::move(row));
  }
  AddGrid(netting, rows);
  std::vector<glm::vec3> cap(rows.back().begin(), rows.back().end() - 1);
  AddPolygon(netting, cap, {0, 0, -1});
}

// A rope along one edge of the mouth (Y = 1 head line, Y = -1 footrope), kept inside `inside`.
void AddMouthRope(ModelPart& ropes, const Rim& rim, float Y, float radius, const ModelBounds& inside) {
  std::vector<glm::vec3> path;
  for (int k = 0; k <= 16; ++k) path.push_back(rim(-1.0f + 2.0f * static_cast<float>(k) / 16, Y));
  const std::size_t first = ropes.positions.size();
  AddTube(ropes, path, radius, 8);
  for (std::size_t i = first; i < ropes.positions.size(); ++i)
    ropes.positions[i] = glm::clamp(ropes.positions[i], inside.minimum, inside.maximum);
}

std::vector<ModelPart> TwoParts() {
  std::vector<ModelPart> parts(2);
  parts[0].material = "netting";
  parts[1].material = "ropes";
  return parts;
}

}  // namespace

std::vector<ModelMaterial> NetMaterials() { return {{"netting", {0.2f, 0.3f, 0.25f}}, {"ropes", {0.6f, 0.5f, 0.2f}}}; }

std::vector<ModelPart> BuildMidwaterNet() {
  // Head line and footrope sag back 12 units between the wings; the mouth is 15 high at its
  // centre and 20 at the wing ends.
  const Rim rim = [](float X, float Y) {
    const float top = 7.5f + 3.75f * X * X, bottom = -7.5f - 1.25f * X * X;
    const float y = top * (Y + 1) / 2 + bottom * (1 - Y) / 2;
    return glm::vec3(10.0f * X, y, 45.0f - 12.0f * (1.0f - std::fabs(X * Y)));
  };
  std::vector<ModelPart> parts = TwoParts();
  AddBag(parts[0], {rim, {0.0f, -9.0f, -45.0f}, 2.25f});
  const ModelBounds bounds = BoundsOf(parts);
  AddMouthRope(parts[1], rim, 1.0f, 0.25f, bounds);
  AddMouthRope(parts[1], rim, -1.0f, 0.35f, bounds);
  return parts;
}

std::vector<ModelPart> BuildBottomNet() {
  // A wide, low mouth: head line 3 above the middle, footrope 3 below on the ground, the wing ends
  // short upright edges at mid height; the head line runs 4 units ahead of the footrope.
  const Rim rim = [](float X, float Y) {
    const float top = 3.0f - 2.4f * X * X, bottom = -3.0f + 2.4f * X * X;
    const float y = top * (Y + 1) / 2 + bottom * (1 - Y) / 2;
    const float sag = (1.0f - X * X) * (8.0f * (Y + 1) / 2 + 12.0f * (1 - Y) / 2);
    return glm::vec3(9.0f * X, y, 30.0f - sag);
  };
  std::vector<ModelPart> parts = TwoParts();
  AddBag(parts[0], {rim, {0.0f, -1.9f, -30.0f}, 1.1f});
  const ModelBounds bounds = BoundsOf(parts);
  AddMouthRope(parts[1], rim, 1.0f, 0.12f, bounds);
  AddMouthRope(parts[1], rim, -1.0f, 0.18f, bounds);
  return parts;
}

std::vector<ModelPart> BuildTwinNet() {
  constexpr float WingZ = -100.0f / 7.0f;
  std::vector<ModelPart> parts = TwoParts();
  std::vector<Rim> rims;
  for (float side : {1.0f, -1.0f}) {
    // One net from x = 0.5 to 55 on its side: footrope flat on the ground, head line arching to
    // 10 above it, both running back from the wing ends.
    const Rim rim = [side, WingZ](float X, float Y) {
      const float arch = 1.0f - X * X;
      const float y = -5.0f + 10.0f * arch * (Y + 1) / 2;
      const float sag = arch * (6.0f * (Y + 1) / 2 + 9.0f * (1 - Y) / 2);
      return glm::vec3(side * 27.75f + 27.25f * X, y, WingZ - sag);
    };
    AddBag(parts[0], {rim, {side * 27.75f, -3.2f, -40.0f}, 1.8f});
    rims.push_back(rim);
  }
  // The clump between the inner wings and the centre warp that tows it, rising ahead to the top
  // of the bounds.
  AddBox(parts[1], {-0.4f, -5.0f, WingZ - 1.2f}, {0.4f, -3.8f, WingZ + 1.2f});
  AddTube(parts[1], {{0.0f, -4.2f, WingZ + 1.0f}, {0.0f, 4.8f, 34.0f}, {0.0f, 4.8f, 40.0f}}, 0.2f, 8);
  const ModelBounds bounds = BoundsOf(parts);
  for (const Rim& rim : rims) {
    AddMouthRope(parts[1], rim, 1.0f, 0.15f, bounds);
    AddMouthRope(parts[1], rim, -1.0f, 0.2f, bounds);
  }
  return parts;
}

}  // namespace velmara::models
