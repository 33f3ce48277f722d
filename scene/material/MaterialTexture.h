#pragma once
// A material's texture and how it is applied: picture, sampling, coordinates and mode.

#include "scene/material/Colour.h"
#include "scene/material/Image.h"
#include "scene/material/MaterialEnums.h"

#include <glm/glm.hpp>

#include <memory>

namespace velmara::scene {

struct MaterialTexture {
  std::shared_ptr<const Image> image;  // none: untextured
  bool disabled = false;               // keeps the picture but draws without it

  TextureMode mode = TextureMode::Modulate;
  TextureWrap wrap = TextureWrap::Repeat;
  TextureFilter minFilter = TextureFilter::LinearMipmap;
  TextureFilter magFilter = TextureFilter::Linear;
  ImageAlpha imageAlpha = ImageAlpha::Default;

  // Coordinates become coordinate × scale + offset before sampling.
  glm::vec2 offset{0.0f};
  glm::vec2 scale{1.0f};
  TexCoordSource coordinates = TexCoordSource::Vertex;
  glm::vec4 planeS{1.0f, 0.0f, 0.0f, 0.0f};
  glm::vec4 planeT{0.0f, 1.0f, 0.0f, 0.0f};

  // The "EnvCol" of the texture combiner's unit that samples this texture.
  Colour environmentColour{0.0f, 0.0f, 0.0f, 0.0f};

  bool active() const { return image && !image->empty() && !disabled; }
};

}  // namespace velmara::scene
