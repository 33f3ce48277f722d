#pragma once
// What the objects of a scene hand to the renderer for one frame: meshes to draw (many of them
// instances of a shared shape), line segments, lights, sky bands and custom drawing.

#include "scene/material/Colour.h"
#include "scene/material/MaterialEnums.h"
#include "scene/objects/SkyBand.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace velmara::scene {

class DrawContext;
class Material;
class MeshData;

// Per-instance values of a mesh draw, laid out as the material shader reads them.
struct InstanceData {
  glm::mat4 model{1.0f};
  Colour diffuse{0.8f, 0.8f, 0.8f, 1.0f};
  Colour ambient{0.2f, 0.2f, 0.2f, 1.0f};
  Colour emission{0.0f, 0.0f, 0.0f, 1.0f};
  glm::vec4 specular{0.0f};  // rgb, shininess in a
  glm::vec4 flags{0.0f};     // x: 1 when lit
};

struct MeshDraw {
  const MeshData* mesh = nullptr;
  const Material* material = nullptr;
  InstanceData instance;
  // Camera-facing quad: model[3] is the centre, model[0].x and model[1].y the size,
  // model[2].xy the cosine and sine of the rotation.
  bool billboard = false;
  std::optional<PolygonMode> polygonMode;  // overrides the material's
  std::optional<FaceCulling> culling;      // overrides the material's
  float eyeDistance = 0.0f;
};

// One straight piece of a line object, in scene coordinates: five RGBA float texels as the line
// shader reads them.
struct LineSegment {
  glm::vec3 a{0.0f};
  float phase = 0.0f;  // stipple position at a, in pixels
  glm::vec3 b{0.0f};
  float width = 1.0f;  // pixels
  Colour colourA{1.0f};
  Colour colourB{1.0f};
  float pattern = 65535.0f;    // the 16 pattern bits as a number, bit 0 first
  float patternFactor = 1.0f;  // pixels per pattern bit
  float antialias = 0.0f;      // 1: soft edges
  float dot = 0.0f;            // 1: a square node marker at a (b unused)
};

struct LightData {
  glm::vec4 position{0.0f, 0.0f, 1.0f, 0.0f};  // w = 0: a direction towards the light
  Colour ambient{0.0f, 0.0f, 0.0f, 1.0f};
  Colour diffuse{1.0f};
  Colour specular{1.0f};
};

struct CustomDraw {
  std::function<void(DrawContext&)> draw;
  bool translucent = false;
  float eyeDistance = 0.0f;
};

}  // namespace velmara::scene
