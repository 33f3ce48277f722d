#include "colour/TerrainSceneMaterials.h"

#include "colour/LandTexture.h"

#include <cstring>
#include <memory>
#include <vector>

namespace velmara {
namespace {

std::uint32_t Packed(const TRgb& c) {
  return (std::uint32_t{c.r} << 24) | (std::uint32_t{c.g} << 16) | (std::uint32_t{c.b} << 8) | 0xFFu;
}

scene::Colour ColourOf(const TRgb& c) { return scene::Colour(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f); }

scene::Image ImageOf(const TRgbImage& picture) {
  scene::Image image(picture.width, picture.height,
                     std::vector<std::uint8_t>(static_cast<std::size_t>(picture.width) * picture.height * 4));
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) image.setPixel(x, y, Packed(picture.At(x, y)));
  return image;
}

constexpr const char* SurfaceMaterials[] = {"landtex", "hard", "rough"};

}  // namespace

TTerrainSceneMaterials::TTerrainSceneMaterials(scene::MaterialLibrary& library) : library_(library) {
  const auto white = std::make_shared<const scene::Image>(scene::Image::filled(1, 1, 0xFFFFFFFFu));
  scene::Material& shader = library_.add("shader");
  shader.lit = false;
  shader.texture.mode = scene::TextureMode::Replace;
  shader.texture.minFilter = scene::TextureFilter::Linear;
  shader.texture.image = white;
  for (const char* name : {"contrast", "texture", "landtex", "detail", "hard", "rough"}) {
    scene::Material& m = library_.add(name);
    m.lit = false;
    m.texture.image = white;
  }
  scene::Material& texture = *library_.find("texture");
  texture.texture.wrap = scene::TextureWrap::Clamp;
  texture.texture.coordinates = scene::TexCoordSource::ObjectLinear;
  texture.texture.planeT = {0.0f, 0.0f, 0.0f, 0.0f};
  // The land, hardness and roughness pictures cover the window once, without wrapping.
  for (const char* name : SurfaceMaterials) {
    scene::Material& surface = *library_.find(name);
    surface.texture.wrap = scene::TextureWrap::Clamp;
    surface.texture.coordinates = scene::TexCoordSource::ObjectLinear;
  }
  // The detail picture repeats every ten grid cells.
  scene::Material& detail = *library_.find("detail");
  detail.texture.coordinates = scene::TexCoordSource::ObjectLinear;
  detail.texture.planeS = {0.0f, 1.0f, 0.0f, 0.0f};
  detail.texture.planeT = {1.0f, 0.0f, 0.0f, 0.0f};
  detail.texture.scale = {0.1f, 0.1f};
  SetContrast(false);
}

std::string TTerrainSceneMaterials::Apply(const TTerrainMaterials& materials) {
  scene::Material& shader = *library_.find("shader");
  shader.secondTexture = materials.shaderSecondTexture;
  shader.combinerMaterials = {materials.combinerThird, materials.combinerFourth};
  std::vector<std::string> lines;
  for (const std::string& line : materials.combinerLines)
    if (!line.empty()) lines.push_back(line);
  const scene::Status status = shader.setCombinerLines(lines);
  return status ? std::string() : status.error();
}

void TTerrainSceneMaterials::SetNormalMap(const std::uint32_t* pixels, int gridSize, int left, int bottom) {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(gridSize) * gridSize * 4);
  std::memcpy(rgba.data(), pixels, rgba.size());
  scene::Material& shader = *library_.find("shader");
  shader.texture.image = std::make_shared<const scene::Image>(gridSize, gridSize, std::move(rgba));
  // The picture's first row is the window's southern row; the renderer's t runs as −y.
  shader.texture.offset = {-static_cast<float>(left) / 1024.0f, static_cast<float>(bottom) / 1024.0f};
}

void TTerrainSceneMaterials::SetLightVector(const std::array<float, 4>& diffuse) {
  library_.find("shader")->diffuse = scene::Colour(diffuse[0], diffuse[1], diffuse[2], diffuse[3]);
}

void TTerrainSceneMaterials::SetContrast(bool night) {
  const TContrast contrast = ContrastFor(night);
  scene::Material& m = *library_.find("contrast");
  m.texture.image = std::make_shared<const scene::Image>(scene::Image::filled(1, 1, Packed(contrast.picture)));
  m.texture.environmentColour = ColourOf(contrast.environment);
}

void TTerrainSceneMaterials::SetDepthStrip(const TDepthPalette& palette) {
  if (palette.Strip.empty()) return;
  scene::Image strip(static_cast<int>(palette.Strip.size()), 1, std::vector<std::uint8_t>(palette.Strip.size() * 4));
  for (std::size_t x = 0; x < palette.Strip.size(); ++x) strip.setPixel(static_cast<int>(x), 0, Packed(palette.Strip[x]));
  scene::Material& texture = *library_.find("texture");
  texture.texture.image = std::make_shared<const scene::Image>(std::move(strip));
  const float span = static_cast<float>(palette.ZStripEnd - palette.ZMin);
  if (span == 0.0f) return;
  texture.texture.planeS = {0.0f, 0.0f, 1.0f / span, -static_cast<float>(palette.ZMin) / span};
}

void TTerrainSceneMaterials::SetSurfacePicture(TPaletteKind kind, const TRgbImage& picture) {
  library_.find(SurfaceMaterialFor(kind))->texture.image = std::make_shared<const scene::Image>(ImageOf(picture));
}

void TTerrainSceneMaterials::SetDetailPicture(const TRgbImage& picture) {
  library_.find("detail")->texture.image = std::make_shared<const scene::Image>(ImageOf(picture));
}

void TTerrainSceneMaterials::SetSurfaceMapping(int left, int right, int bottom, int gridSize, int tileSize) {
  if (right == left) return;
  const TLandTexGen gen = LandTextureCoordinates(left, right, bottom, gridSize, tileSize);
  for (const char* name : SurfaceMaterials) {
    scene::Material& surface = *library_.find(name);
    surface.texture.planeS = {static_cast<float>(gen.Sx), 0.0f, 0.0f, static_cast<float>(gen.S0)};
    surface.texture.planeT = {0.0f, static_cast<float>(gen.Ty), 0.0f, static_cast<float>(gen.T0)};
  }
}

}  // namespace velmara
