#pragma once
// A bitmap font: the glyphs of one face at one pixel size rendered once by FreeType into an atlas
// picture (white, coverage in alpha), with the metrics to lay text out in pixels. Covers
// printable ASCII, Latin-1 (so "º", "°" and accented names work) and the common punctuation of
// U+2010 … U+2033 (dashes, quotes, ellipsis, primes); other characters show as '?'. Immutable once made; share it as std::shared_ptr<const BitmapFont>. Needs no GL context:
// the renderer uploads the atlas when text is first drawn.

#include "scene/Result.h"
#include "scene/material/Image.h"
#include "scene/text/FontLocator.h"

#include <glm/glm.hpp>

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace velmara::scene {

enum class TextAlignment { Left, Centre, Right };

class BitmapFont {
public:
  struct Glyph {
    glm::ivec2 atlasPosition{0};  // top-left texel in the atlas
    glm::ivec2 size{0};
    glm::ivec2 bearing{0};  // from the pen on the baseline to the glyph's top-left, y up
    int advance = 0;
  };

  static Result<std::shared_ptr<const BitmapFont>> load(const std::filesystem::path& file, int pixelSize);
  // A system font by family name (fontconfig), e.g. fromSystem({"DejaVu Sans"}, 14).
  static Result<std::shared_ptr<const BitmapFont>> fromSystem(const FontRequest& request, int pixelSize);

  int pixelSize() const { return pixelSize_; }
  int ascender() const { return ascender_; }
  int lineHeight() const { return lineHeight_; }
  const std::shared_ptr<const Image>& atlas() const { return atlas_; }
  const Glyph* glyph(char32_t code) const;

  // Size in pixels of a (multi-line) text.
  glm::vec2 measure(std::string_view utf8) const;
  // Calls `quad` with each glyph's screen rectangle (top-left x0 y0, bottom-right x1 y1, pixels
  // from the top-left corner) and its atlas rectangle (u0 v0 u1 v1, 0 … 1, v down), for text
  // whose box starts at `topLeft`. Lines break at '\n'; each is aligned within the widest.
  void layout(std::string_view utf8, const glm::vec2& topLeft, TextAlignment alignment,
              const std::function<void(const glm::vec4& screen, const glm::vec4& atlas)>& quad) const;

private:
  BitmapFont() = default;

  int pixelSize_ = 0;
  int ascender_ = 0;
  int lineHeight_ = 0;
  std::shared_ptr<const Image> atlas_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace velmara::scene
