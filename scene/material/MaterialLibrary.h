#pragma once
// Materials addressed by name (not case-sensitive, as the names in model files vary in case).
// Meshes loaded from files put their materials here under the files' names; the terrain and
// heads-up objects name theirs. Also finds and decodes texture pictures relative to its texture
// folder, through an image loader the host can replace (the host decodes JPEG and PNG; the
// built-in loader reads PPM).
//
// Materials keep their addresses while they are in the library. Main thread only.

#include "scene/Result.h"
#include "scene/Status.h"
#include "scene/material/Image.h"
#include "scene/material/Material.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmara::scene {

class MaterialLibrary {
public:
  using ImageLoader = std::function<Result<Image>(const std::filesystem::path&)>;

  MaterialLibrary();
  MaterialLibrary(const MaterialLibrary&) = delete;
  MaterialLibrary& operator=(const MaterialLibrary&) = delete;

  // The material of this name, made (with default values) when there is none yet.
  Material& add(const std::string& name);
  Material* find(std::string_view name);
  const Material* find(std::string_view name) const;
  bool remove(std::string_view name);
  void clear();
  std::vector<std::string> names() const;
  std::size_t size() const { return materials_.size(); }

  const std::filesystem::path& textureFolder() const { return textureFolder_; }
  void setTextureFolder(std::filesystem::path folder) { textureFolder_ = std::move(folder); }
  void setImageLoader(ImageLoader loader) { loader_ = std::move(loader); }
  // A picture by file name, relative to the texture folder unless absolute.
  Result<std::shared_ptr<const Image>> loadImage(const std::filesystem::path& file) const;
  // Loads a picture into the named material's texture (making the material when needed).
  Status loadTexture(const std::string& materialName, const std::filesystem::path& file);

private:
  struct NoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  std::map<std::string, std::unique_ptr<Material>, NoCase> materials_;
  std::filesystem::path textureFolder_;
  ImageLoader loader_;
};

}  // namespace velmara::scene
