#pragma once
// How a surface looks: colours (GL's front material), lighting, blending, faces, and up to four
// textures combined by a texture combiner.
//
// Texture units: unit 0 is this material's own texture; unit 1 the texture of the material named
// by `secondTexture`; units 2 and 3 those of `combinerMaterials`. The named materials are looked
// up in the library this material belongs to. Without a combiner, the second texture modulates
// the first; with one, the combiner decides.
//
// A value: objects own one each and may copy one from a library; library materials are shared
// by name. A copy keeps the library of the original (so that its named textures still resolve);
// assigning to a material changes its look only, never its name or library.

#include "scene/Status.h"
#include "scene/material/Colour.h"
#include "scene/material/MaterialEnums.h"
#include "scene/material/MaterialTexture.h"
#include "scene/material/TextureCombiner.h"

#include <array>
#include <string>
#include <vector>

namespace velmara::scene {

class MaterialLibrary;

class Material {
public:
  Colour diffuse{0.8f, 0.8f, 0.8f, 1.0f};  // its alpha is the opacity when blending
  Colour ambient{0.2f, 0.2f, 0.2f, 1.0f};
  Colour emission{0.0f, 0.0f, 0.0f, 1.0f};
  Colour specular{0.0f, 0.0f, 0.0f, 1.0f};
  float shininess = 0.0f;  // 0 … 128
  // Unlit surfaces show their diffuse colour as it is.
  bool lit = true;
  BlendMode blending = BlendMode::Opaque;
  FaceCulling culling = FaceCulling::Back;
  PolygonMode polygonMode = PolygonMode::Fill;
  MaterialTexture texture;
  std::string secondTexture;
  std::array<std::string, 2> combinerMaterials;
  TextureCombiner combiner;

  float opacity() const { return diffuse.a; }
  // Sets the diffuse alpha, and makes an opaque material blend when it is below 1. (Setting the
  // diffuse colour itself never changes the blending: an opaque surface may carry any alpha.)
  void setOpacity(float opacity);

  // Parses the combiner lines; on failure the combiner stays as it was and the status says why.
  Status setCombinerLines(const std::vector<std::string>& lines);

  // Empty for materials that belong to no library.
  const std::string& name() const { return identity_.name; }
  const MaterialLibrary* library() const { return identity_.library; }

private:
  friend class MaterialLibrary;
  // Copied with the material, left alone when a material is assigned to.
  struct Identity {
    Identity() = default;
    Identity(const Identity&) = default;
    Identity& operator=(const Identity&) { return *this; }
    std::string name;
    const MaterialLibrary* library = nullptr;
  };
  Identity identity_;
};

}  // namespace velmara::scene
