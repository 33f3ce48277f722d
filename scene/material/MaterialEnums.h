#pragma once
// The choices a material offers, in GL's words.

namespace velmara::scene {

// How a surface's colour meets what is already drawn.
enum class BlendMode {
  Opaque,       // replaces (a material with opacity below 1 is drawn as Transparent)
  Transparent,  // over by alpha: c·a + d·(1 − a)
  Additive,     // adds by alpha: d + c·a
  Modulate,     // multiplies: d · c
};

enum class FaceCulling {
  Back,  // the usual closed solid
  None,  // both faces drawn (and lit from whichever side is seen)
  Front,
};

enum class PolygonMode {
  Fill,
  Lines,  // wire frame: the triangles' edges only
};

// How the first texture meets the surface colour.
enum class TextureMode {
  Replace,   // the texel's colour and alpha
  Modulate,  // surface × texel
  Decal,     // texel over the surface by the texel's alpha, surface alpha kept
};

enum class TextureWrap { Repeat, Clamp };

enum class TextureFilter {
  Nearest,
  Linear,
  LinearMipmap,  // minification only: trilinear over the mipmap chain
};

// Where texture coordinates come from.
enum class TexCoordSource {
  Vertex,        // the mesh's own
  ObjectLinear,  // s = S · (x, y, z, 1), t = T · (x, y, z, 1) in the object's coordinates
};

enum class ImageAlpha {
  Default,             // the image's own alpha
  TopLeftTransparent,  // texels of the top-left texel's colour are transparent, all others opaque
};

}  // namespace velmara::scene
