#include "scene/objects/FreeForm.h"

#include "scene/pick/PickQuery.h"
#include "scene/render/FrameBuilder.h"

namespace velmara::scene {

FreeForm::FreeForm(std::string name)
    : MaterialObject(std::move(name)), ownLibrary_(std::make_unique<MaterialLibrary>()), library_(ownLibrary_.get()) {}

FreeForm::~FreeForm() = default;

void FreeForm::setMaterialLibrary(MaterialLibrary* library) { library_ = library ? library : ownLibrary_.get(); }

Status FreeForm::load(const std::filesystem::path& file, const MeshLoadOptions& options) {
  auto model = loadModel(file, options);
  if (!model) return Status::failure(model.error());

  std::string problems;
  for (LoadedModel::MaterialEntry& entry : model->materials) {
    if (entry.name.empty()) continue;
    if (library_->find(entry.name) && !options.replaceMaterials) continue;
    Material& material = library_->add(entry.name);
    const MaterialTexture keptTexture = material.texture;
    material.diffuse = entry.look.diffuse;
    material.ambient = entry.look.ambient;
    material.emission = entry.look.emission;
    material.specular = entry.look.specular;
    material.shininess = entry.look.shininess;
    material.blending = entry.look.blending;
    material.texture = keptTexture;
    if (entry.textureFile.empty()) continue;
    const std::filesystem::path picture =
        library_->textureFolder().empty() ? file.parent_path() / entry.textureFile : std::filesystem::path(entry.textureFile);
    auto image = library_->loadImage(picture);
    if (image) {
      material.texture.image = std::move(image).value();
    } else {
      problems += image.error() + "\n";
    }
  }

  parts_.clear();
  for (LoadedModel::Part& part : model->parts) {
    parts_.push_back(Part{std::make_shared<const MeshData>(std::move(part.mesh)), part.material});
  }
  // The mesh is in place either way; a missing picture is reported, not fatal.
  return problems.empty() ? Status::success() : Status::failure(problems);
}

Bounds FreeForm::bounds() const {
  Bounds bounds;
  bool first = true;
  for (const Part& part : parts_) {
    const Bounds& b = part.mesh->bounds();
    bounds.minimum = first ? b.minimum : glm::min(bounds.minimum, b.minimum);
    bounds.maximum = first ? b.maximum : glm::max(bounds.maximum, b.maximum);
    first = false;
  }
  return bounds;
}

const Material& FreeForm::materialOf(const Part& part) const {
  if (const Material* material = library_->find(part.materialName)) return *material;
  return effectiveMaterial();
}

void FreeForm::submit(FrameBuilder& frame, const glm::mat4& absolute) const {
  for (const Part& part : parts_) {
    const Material& material = materialOf(part);
    MeshDraw draw;
    draw.mesh = part.mesh.get();
    draw.material = &material;
    draw.instance = FrameBuilder::instanceFor(material, absolute);
    if (drawAsLines_) {
      draw.polygonMode = PolygonMode::Lines;
      draw.culling = FaceCulling::None;
    }
    frame.addMesh(std::move(draw));
  }
}

std::optional<float> FreeForm::hitDistance(const PickQuery& query, const glm::mat4& absolute) const {
  const glm::mat4 inverse = glm::inverse(absolute);
  const Ray local{glm::vec3(inverse * glm::vec4(query.ray.origin, 1.0f)),
                  glm::vec3(inverse * glm::vec4(query.ray.direction, 0.0f))};
  std::optional<float> nearest;
  for (const Part& part : parts_) {
    const auto hit = part.mesh->intersect(local);
    if (hit && (!nearest || *hit < *nearest)) nearest = hit;
  }
  return nearest;
}

}  // namespace velmara::scene
