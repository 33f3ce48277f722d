#include "tools/scene-demo/DemoTerrain.h"

#include "scene/render/DrawContext.h"
#include "scene/render/FrameBuilder.h"

#include <cmath>
#include <vector>

namespace velmara::demo {
namespace {

constexpr float kDeepest = -14.0f;
constexpr float kShallowest = 2.0f;

glm::vec3 normalAt(float x, float z) {
  const float e = 0.25f;
  const float dx = DemoTerrain::heightAt(x + e, z) - DemoTerrain::heightAt(x - e, z);
  const float dz = DemoTerrain::heightAt(x, z + e) - DemoTerrain::heightAt(x, z - e);
  return glm::normalize(glm::vec3(-dx, 2.0f * e, -dz));
}

std::uint8_t level(float value) { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

float DemoTerrain::heightAt(float x, float z) {
  // A channel between two banks, a rise with an island to the north-west.
  const float channel = -11.0f + 3.0f * std::sin(z * 0.11f) + 0.004f * x * x;
  const float island = 15.0f * std::exp(-((x - 16.0f) * (x - 16.0f) + (z - 14.0f) * (z - 14.0f)) / 60.0f);
  const float ripples = 0.6f * std::sin(x * 0.7f) * std::cos(z * 0.5f);
  return std::clamp(channel + island + ripples, kDeepest, kShallowest + 4.0f);
}

DemoTerrain::DemoTerrain(scene::MaterialLibrary& library, int size) : SceneObject("TerrainRenderer1"), library_(library) {
  std::vector<scene::Vertex> vertices;
  std::vector<std::uint32_t> indices;
  const float half = static_cast<float>(size) * 0.5f;
  for (int j = 0; j <= size; ++j) {
    for (int i = 0; i <= size; ++i) {
      const float x = static_cast<float>(i) - half;
      const float z = static_cast<float>(j) - half;
      vertices.push_back({{x, heightAt(x, z), z}, normalAt(x, z),
                          {static_cast<float>(i) / static_cast<float>(size), static_cast<float>(j) / static_cast<float>(size)}});
    }
  }
  const auto row = static_cast<std::uint32_t>(size + 1);
  for (std::uint32_t j = 0; j < static_cast<std::uint32_t>(size); ++j) {
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(size); ++i) {
      const std::uint32_t a = j * row + i;
      // Seen from above (+Y), counter-clockwise.
      indices.insert(indices.end(), {a, a + row, a + row + 1, a, a + row + 1, a + 1});
    }
  }
  mesh_ = std::make_shared<const scene::MeshData>(std::move(vertices), std::move(indices));
  buildMaterials(size);
}

void DemoTerrain::buildMaterials(int size) {
  // Normal map: x and z of the normal in red and green, up in blue, as the relief shading reads it.
  const int texels = size * 4;
  scene::Image normals(texels, texels, std::vector<std::uint8_t>(static_cast<std::size_t>(texels) * texels * 4));
  const float half = static_cast<float>(size) * 0.5f;
  for (int y = 0; y < texels; ++y) {
    for (int x = 0; x < texels; ++x) {
      // Picture rows run from the top; the grid's v = 0 is the bottom row.
      const float wx = static_cast<float>(x) / 4.0f - half;
      const float wz = static_cast<float>(texels - 1 - y) / 4.0f - half;
      const glm::vec3 n = normalAt(wx, wz);
      normals.setPixel(x, y, (std::uint32_t{level(0.5f + 0.5f * n.x)} << 24) | (std::uint32_t{level(0.5f + 0.5f * n.z)} << 16) |
                                 (std::uint32_t{level(0.5f + 0.5f * n.y)} << 8) | 0xFFu);
    }
  }
  scene::Material& shader = library_.add("shader");
  shader.lit = false;
  shader.texture.image = std::make_shared<const scene::Image>(std::move(normals));
  shader.texture.mode = scene::TextureMode::Replace;
  shader.texture.wrap = scene::TextureWrap::Clamp;
  // The light vector from the south-east, high up: (0.5 + 0.5·dx, 0.5 + 0.5·dz, 0.9).
  shader.diffuse = scene::Colour(0.5f - 0.5f * 0.6f, 0.5f - 0.5f * 0.6f, 0.9f, 0.0f);
  shader.secondTexture = "contrast";
  shader.combinerMaterials = {"texture", "landtex"};
  shader.setCombinerLines({"Tex0:=Dot3(Tex0, PrimaryColor);", "Tex1:=Interpolate(Tex0, Tex1, EnvCol);",
                           "Tex2:=Tex1*Tex2;", "Tex3:=Tex2*Tex3;"});

  scene::Material& contrast = library_.add("contrast");
  contrast.texture.image = std::make_shared<const scene::Image>(scene::Image::filled(1, 1, 0xFFFFFFFFu));
  contrast.texture.environmentColour = scene::colourFromBgr(0x999999);

  // Depth palette strip: dark blue in the deep through cyan to sand and green at the top.
  const glm::vec3 stops[] = {{0.05f, 0.10f, 0.35f}, {0.10f, 0.35f, 0.70f}, {0.25f, 0.75f, 0.85f},
                             {0.85f, 0.80f, 0.55f}, {0.35f, 0.60f, 0.25f}};
  scene::Image strip(512, 1, std::vector<std::uint8_t>(512 * 4));
  for (int x = 0; x < 512; ++x) {
    const float f = static_cast<float>(x) / 511.0f * 4.0f;
    const int band = std::min(static_cast<int>(f), 3);
    const glm::vec3 c = glm::mix(stops[band], stops[band + 1], f - static_cast<float>(band));
    strip.setPixel(x, 0, (std::uint32_t{level(c.r)} << 24) | (std::uint32_t{level(c.g)} << 16) | (std::uint32_t{level(c.b)} << 8) | 0xFFu);
  }
  scene::Material& texture = library_.add("texture");
  texture.texture.image = std::make_shared<const scene::Image>(std::move(strip));
  texture.texture.wrap = scene::TextureWrap::Clamp;
  texture.texture.coordinates = scene::TexCoordSource::ObjectLinear;
  // s = (height − deepest) / (shallowest − deepest).
  const float range = kShallowest - kDeepest;
  texture.texture.planeS = {0.0f, 1.0f / range, 0.0f, -kDeepest / range};
  texture.texture.planeT = {0.0f, 0.0f, 0.0f, 0.0f};

  scene::Material& land = library_.add("landtex");
  land.texture.image = std::make_shared<const scene::Image>(scene::Image::filled(1, 1, 0xFFFFFFFFu));
}

void DemoTerrain::submit(scene::FrameBuilder& frame, const glm::mat4& absolute) const {
  frame.addCustom({[this, absolute](scene::DrawContext& context) {
    if (const scene::Material* shader = library_.find("shader"); shader && context.useMaterial(*shader, absolute)) {
      context.drawMesh(*mesh_);
    }
  }});
}

}  // namespace velmara::demo
