#include "scene/material/MaterialLibrary.h"

#include "scene/material/ImageFile.h"

#include <algorithm>
#include <cctype>

namespace velmara::scene {

bool MaterialLibrary::NoCase::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

MaterialLibrary::MaterialLibrary() : loader_(readPpm) {}

Material& MaterialLibrary::add(const std::string& name) {
  auto found = materials_.find(name);
  if (found != materials_.end()) return *found->second;
  auto material = std::make_unique<Material>();
  material->identity_.name = name;
  material->identity_.library = this;
  return *materials_.emplace(name, std::move(material)).first->second;
}

Material* MaterialLibrary::find(std::string_view name) {
  auto found = materials_.find(name);
  return found == materials_.end() ? nullptr : found->second.get();
}

const Material* MaterialLibrary::find(std::string_view name) const {
  auto found = materials_.find(name);
  return found == materials_.end() ? nullptr : found->second.get();
}

bool MaterialLibrary::remove(std::string_view name) {
  auto found = materials_.find(name);
  if (found == materials_.end()) return false;
  materials_.erase(found);
  return true;
}

void MaterialLibrary::clear() { materials_.clear(); }

std::vector<std::string> MaterialLibrary::names() const {
  std::vector<std::string> names;
  for (const auto& entry : materials_) names.push_back(entry.first);
  return names;
}

Result<std::shared_ptr<const Image>> MaterialLibrary::loadImage(const std::filesystem::path& file) const {
  using Loaded = Result<std::shared_ptr<const Image>>;
  if (!loader_) return Loaded::failure("MaterialLibrary::loadImage(): no image loader");
  const std::filesystem::path path = file.is_absolute() || textureFolder_.empty() ? file : textureFolder_ / file;
  auto image = loader_(path);
  if (!image) return Loaded::failure(image.error());
  return Loaded(std::make_shared<const Image>(std::move(image).value()));
}

Status MaterialLibrary::loadTexture(const std::string& materialName, const std::filesystem::path& file) {
  auto image = loadImage(file);
  if (!image) return Status::failure(image.error());
  add(materialName).texture.image = std::move(image).value();
  return Status::success();
}

}  // namespace velmara::scene
