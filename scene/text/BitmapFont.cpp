#include "scene/text/BitmapFont.h"

#include "scene/text/Utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace velmara::scene {
namespace {

struct LibraryDeleter {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FtLibrary = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;
using FtFace = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;

constexpr int kAtlasWidth = 512;
constexpr int kPadding = 1;

struct Rendered {
  char32_t code;
  BitmapFont::Glyph glyph;
  std::vector<std::uint8_t> coverage;  // size.x × size.y
};

std::vector<char32_t> coveredCharacters() {
  std::vector<char32_t> codes;
  for (char32_t c = 32; c < 127; ++c) codes.push_back(c);
  for (char32_t c = 160; c < 256; ++c) codes.push_back(c);
  // Dashes, quotation marks, bullets, the ellipsis and primes.
  for (char32_t c = 0x2010; c < 0x2034; ++c) codes.push_back(c);
  return codes;
}

// Each line's code points.
std::vector<std::u32string> splitLines(std::string_view utf8) {
  std::vector<std::u32string> lines(1);
  for (const char32_t code : decodeUtf8(utf8)) {
    if (code == U'\n') {
      lines.emplace_back();
    } else if (code != U'\r') {
      lines.back().push_back(code);
    }
  }
  return lines;
}

}  // namespace

Result<std::shared_ptr<const BitmapFont>> BitmapFont::load(const std::filesystem::path& file, int pixelSize) {
  using Loaded = Result<std::shared_ptr<const BitmapFont>>;
  FT_Library rawLibrary = nullptr;
  if (FT_Init_FreeType(&rawLibrary) != 0) return Loaded::failure("BitmapFont::load(): FreeType cannot start");
  FtLibrary library(rawLibrary);
  FT_Face rawFace = nullptr;
  if (FT_New_Face(library.get(), file.c_str(), 0, &rawFace) != 0) {
    return Loaded::failure("BitmapFont::load(): cannot read the font " + file.string());
  }
  FtFace face(rawFace);
  if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(pixelSize)) != 0) {
    return Loaded::failure("BitmapFont::load(): " + file.string() + " has no size " + std::to_string(pixelSize));
  }

  std::vector<Rendered> rendered;
  for (const char32_t code : coveredCharacters()) {
    if (FT_Get_Char_Index(face.get(), code) == 0 || FT_Load_Char(face.get(), code, FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    Rendered glyph{code, {}, {}};
    glyph.glyph.size = {static_cast<int>(slot->bitmap.width), static_cast<int>(slot->bitmap.rows)};
    glyph.glyph.bearing = {slot->bitmap_left, slot->bitmap_top};
    glyph.glyph.advance = static_cast<int>(slot->advance.x >> 6);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.glyph.size.x) * glyph.glyph.size.y);
    for (int row = 0; row < glyph.glyph.size.y; ++row) {
      std::memcpy(glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.glyph.size.x,
                  slot->bitmap.buffer + static_cast<std::ptrdiff_t>(row) * slot->bitmap.pitch,
                  static_cast<std::size_t>(glyph.glyph.size.x));
    }
    rendered.push_back(std::move(glyph));
  }
  if (rendered.empty()) return Loaded::failure("BitmapFont::load(): " + file.string() + " has no usable glyphs");

  // Shelf packing: glyphs left to right in rows as tall as their tallest glyph.
  int x = kPadding, y = kPadding, shelf = 0;
  for (Rendered& glyph : rendered) {
    if (x + glyph.glyph.size.x + kPadding > kAtlasWidth) {
      x = kPadding;
      y += shelf + kPadding;
      shelf = 0;
    }
    glyph.glyph.atlasPosition = {x, y};
    x += glyph.glyph.size.x + kPadding;
    shelf = std::max(shelf, glyph.glyph.size.y);
  }
  const int height = y + shelf + kPadding;
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kAtlasWidth) * height * 4, 0);
  for (std::size_t i = 0; i < pixels.size(); i += 4) pixels[i] = pixels[i + 1] = pixels[i + 2] = 255;

  auto font = std::shared_ptr<BitmapFont>(new BitmapFont());
  for (const Rendered& glyph : rendered) {
    for (int row = 0; row < glyph.glyph.size.y; ++row) {
      for (int column = 0; column < glyph.glyph.size.x; ++column) {
        const std::size_t at =
            (static_cast<std::size_t>(glyph.glyph.atlasPosition.y + row) * kAtlasWidth + glyph.glyph.atlasPosition.x + column) * 4;
        pixels[at + 3] = glyph.coverage[static_cast<std::size_t>(row) * glyph.glyph.size.x + column];
      }
    }
    font->glyphs_.emplace(glyph.code, glyph.glyph);
  }
  font->pixelSize_ = pixelSize;
  font->ascender_ = static_cast<int>(face->size->metrics.ascender >> 6);
  font->lineHeight_ = static_cast<int>(face->size->metrics.height >> 6);
  font->atlas_ = std::make_shared<const Image>(kAtlasWidth, height, std::move(pixels));
  return Loaded(std::shared_ptr<const BitmapFont>(std::move(font)));
}

Result<std::shared_ptr<const BitmapFont>> BitmapFont::fromSystem(const FontRequest& request, int pixelSize) {
  auto file = locateFont(request);
  if (!file) return Result<std::shared_ptr<const BitmapFont>>::failure(file.error());
  return load(file.value(), pixelSize);
}

const BitmapFont::Glyph* BitmapFont::glyph(char32_t code) const {
  auto found = glyphs_.find(code);
  if (found == glyphs_.end()) found = glyphs_.find(U'?');
  return found == glyphs_.end() ? nullptr : &found->second;
}

glm::vec2 BitmapFont::measure(std::string_view utf8) const {
  const auto lines = splitLines(utf8);
  int widest = 0;
  for (const auto& line : lines) {
    int width = 0;
    for (const char32_t code : line) {
      if (const Glyph* g = glyph(code)) width += g->advance;
    }
    widest = std::max(widest, width);
  }
  return {static_cast<float>(widest), static_cast<float>(lineHeight_ * static_cast<int>(lines.size()))};
}

void BitmapFont::layout(std::string_view utf8, const glm::vec2& topLeft, TextAlignment alignment,
                        const std::function<void(const glm::vec4&, const glm::vec4&)>& quad) const {
  const auto lines = splitLines(utf8);
  const float widest = measure(utf8).x;
  const glm::vec2 atlasSize(static_cast<float>(atlas_->width()), static_cast<float>(atlas_->height()));
  for (std::size_t index = 0; index < lines.size(); ++index) {
    float width = 0.0f;
    for (const char32_t code : lines[index]) {
      if (const Glyph* g = glyph(code)) width += static_cast<float>(g->advance);
    }
    float pen = topLeft.x;
    if (alignment == TextAlignment::Centre) pen += std::floor((widest - width) * 0.5f);
    if (alignment == TextAlignment::Right) pen += widest - width;
    pen = std::round(pen);
    const float baseline = std::round(topLeft.y) + static_cast<float>(ascender_ + lineHeight_ * static_cast<int>(index));
    for (const char32_t code : lines[index]) {
      const Glyph* g = glyph(code);
      if (!g) continue;
      if (g->size.x > 0 && g->size.y > 0) {
        const float x0 = pen + static_cast<float>(g->bearing.x);
        const float y0 = baseline - static_cast<float>(g->bearing.y);
        const glm::vec2 uv0 = glm::vec2(g->atlasPosition) / atlasSize;
        const glm::vec2 uv1 = glm::vec2(g->atlasPosition + g->size) / atlasSize;
        quad({x0, y0, x0 + static_cast<float>(g->size.x), y0 + static_cast<float>(g->size.y)}, {uv0, uv1});
      }
      pen += static_cast<float>(g->advance);
    }
  }
}

}  // namespace velmara::scene
