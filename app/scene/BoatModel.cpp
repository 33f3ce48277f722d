#include "app/scene/BoatModel.h"

#include "net/BoatFiles.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace velmara {
namespace {

std::optional<std::string> ReadText(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

scene::Colour FromBgr(std::uint32_t bgr) {
  return scene::Colour((bgr & 0xFF) / 255.0f, ((bgr >> 8) & 0xFF) / 255.0f, ((bgr >> 16) & 0xFF) / 255.0f, 1.0f);
}

void ApplyColours(scene::MaterialLibrary& library, const std::vector<std::uint32_t>& colours) {
  for (const TBoatMaterialColour& colour : BoatMaterialColours(colours)) {
    if (scene::Material* m = library.find(colour.material)) {
      m->diffuse = FromBgr(colour.diffuse);
      m->emission = FromBgr(colour.emission);
    }
  }
}

}  // namespace

TBoatLoadResult LoadBoatModel(TMainScene& scene, TBoatModelState& state, const std::filesystem::path& path,
                              const std::filesystem::path& fallback) {
  std::error_code error;
  std::filesystem::path file;
  if (std::filesystem::is_regular_file(path, error)) {
    file = path;
  } else if (std::filesystem::is_regular_file(fallback, error)) {
    file = fallback;
  } else {
    return {};
  }
  state.CurrentBoatModel = file;
  TBoatLoadResult result;
  scene.MLBoats.clear();
  scene.MLBoats.setTextureFolder(file.parent_path());
  scene.BoatForm->clear();
  const scene::Status loaded = scene.BoatForm->load(file);
  if (!loaded) {
    result.error = loaded.error();
    return result;
  }
  result.loaded = true;
  for (const std::string& name : scene.MLBoats.names()) {
    scene::Material& m = *scene.MLBoats.find(name);
    m.texture.mode = scene::TextureMode::Replace;
    m.culling = scene::FaceCulling::None;
  }

  // Colours: the file's, as far as it reads; without a file the built-in five.
  if (const std::optional<std::string> text = ReadText(BoatCompanionFile(file, ".col"))) {
    const TBoatColourFile colours = ReadBoatColours(*text);
    ApplyColours(scene.MLBoats, colours.colours);
    if (!colours.ok()) result.error = BoatCompanionFile(file, ".col").string() + ": " + colours.error;
  } else {
    ApplyColours(scene.MLBoats, DefaultBoatColours());
  }

  const std::optional<std::string> config = ReadText(BoatCompanionFile(file, ".bcfg"));
  state.Configured = config.has_value();
  const TBoatPlacement placement = BoatPlacementFor(file, config);
  if (placement.up) scene.BoatForm->setUp(*placement.up);
  if (placement.direction) scene.BoatForm->setDirection(*placement.direction);
  if (placement.position) scene.BoatForm->setPosition(*placement.position);
  if (placement.scale) {
    state.ModelScale = state.BoatBaseScale = *placement.scale;
    scene.BoatForm->setScale(*placement.scale);
  }
  if (placement.fromBoatCamera) scene.FromBoatCamera->setPosition(*placement.fromBoatCamera);
  if (placement.underBoatAnchor) scene.DCUnderBoat->setPosition(*placement.underBoatAnchor);
  return result;
}

void ApplyBoatScale(TMainScene& scene, TBoatModelState& state, int mode, float b) {
  const TBoatScale scale = ScaleBoat(mode, state.BoatBaseScale, state.ModelScale, b);
  state.BoatBaseScale = scale.base;
  scene.BoatForm->setScale(scale.form);
}

}  // namespace velmara
