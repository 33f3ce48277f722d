#pragma once
// A colour palette of the sea bed: an ordered list of colour bands read from a ".cpt" text file,
// spread over a chosen height range and rendered into a 512-pixel strip that colours the terrain
// and the legend. Heights are stored terrain heights (metres × HeightScale, negative below water).

#include <cstdint>
#include <string>
#include <vector>

namespace velmara {

struct TRgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const TRgb&) const = default;
};

#pragma pack(push, 1)
// One band, 14 bytes: start and end height, colours stored blue, green, red.
struct TPaletteSegment {
  int32_t z0 = 0;
  int32_t z1 = 0;
  uint8_t c0[3] = {};  // blue, green, red at z0
  uint8_t c1[3] = {};  // blue, green, red at z1

  TRgb Start() const { return {c0[2], c0[1], c0[0]}; }
  TRgb End() const { return {c1[2], c1[1], c1[0]}; }
};
#pragma pack(pop)
static_assert(sizeof(TPaletteSegment) == 14);

enum class TPaletteKind { pkDepth, pkHardness, pkRoughness };

struct TPaletteFileResult {
  enum Status { Loaded, Missing, Unreadable } status = Loaded;
  std::string message;  // for the user: the path and what went wrong
  bool ok() const { return status == Loaded; }
};

// Channel-wise blend k / n of the way from `from` to `to` (f in single precision, clamped to
// 0 ... 1; each channel rounded half to even).
TRgb BlendColour(int k, int n, TRgb from, TRgb to);

class TDepthPalette {
public:
  static constexpr int StripWidth = 512;

  // Empty; LoadFile reads bands. (The program's palettes load data/pal0.cpt first.)
  TDepthPalette() = default;

  std::vector<TPaletteSegment> Segments;
  int32_t ZMin = 0;
  int32_t ZStripEnd = 0;
  // The strip, StripWidth pixels, empty until BuildStrip.
  std::vector<TRgb> Strip;
  bool Smooth = false;
  // The range given to the palette is in depth units (positive down), applied to heights negated.
  bool Negate = false;

  // Clears the bands and reads them from a palette file: eight numbers a band (z0 r g b z1 r g b),
  // the rest of a line after the eighth skipped, tokens that are not numbers (or do not fit)
  // skipped one by one, a band left incomplete at the end of the file dropped.
  TPaletteFileResult LoadFile(const std::string& path);
  // Bands from palette text (the reader of LoadFile); returns how many bands it read.
  int ReadText(const std::string& text);

  void AddSegment(int32_t z0, int32_t z1, uint8_t r0, uint8_t g0, uint8_t b0, uint8_t r1, uint8_t g1, uint8_t b1);
  void Clear() { Segments.clear(); }
  int Count() const { return static_cast<int>(Segments.size()); }
  TPaletteSegment GetSegment(int i) const { return Segments.at(i); }

  // Spreads the bands evenly from b (the deeper end) over |b - a|, by truncating division.
  void SpreadOverRange(int32_t a, int32_t b);
  // Renders the strip and sets ZMin and ZStripEnd. Nothing without bands.
  void BuildStrip();

  // The strip's texture coordinate of a stored height (0 ... 1 inside the bands).
  double StripCoordinate(double height) const {
    return ZStripEnd == ZMin ? 0.0 : (height - ZMin) / double(ZStripEnd - ZMin);
  }
};

}  // namespace velmara
