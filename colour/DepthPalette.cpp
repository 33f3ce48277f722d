#include "colour/DepthPalette.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <system_error>

namespace velmara {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

// A height token: any real number whose rounded value fits a 32-bit height.
bool ParseHeight(std::string_view token, int32_t& value) {
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  double real = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), real);
  if (ec != std::errc() || end != token.data() + token.size() || !std::isfinite(real)) return false;
  const double rounded = std::nearbyint(real);
  if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max()) return false;
  value = static_cast<int32_t>(rounded);
  return true;
}

// A colour token: an integer, of which the low 8 bits are kept.
bool ParseChannel(std::string_view token, uint8_t& value) {
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  long long integer = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), integer);
  if (ec != std::errc() || end != token.data() + token.size()) return false;
  value = static_cast<uint8_t>(static_cast<unsigned long long>(integer) & 0xFF);
  return true;
}

}  // namespace

TRgb BlendColour(int k, int n, TRgb from, TRgb to) {
  float f = n == 0 ? 1.0f : static_cast<float>(k) / static_cast<float>(n);
  f = std::clamp(f, 0.0f, 1.0f);
  auto channel = [f](uint8_t a, uint8_t b) {
    return static_cast<uint8_t>(std::nearbyint(b * f + a * (1.0f - f)));
  };
  return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

void TDepthPalette::AddSegment(int32_t z0, int32_t z1, uint8_t r0, uint8_t g0, uint8_t b0, uint8_t r1, uint8_t g1,
                               uint8_t b1) {
  TPaletteSegment segment;
  segment.z0 = z0;
  segment.z1 = z1;
  segment.c0[0] = b0;
  segment.c0[1] = g0;
  segment.c0[2] = r0;
  segment.c1[0] = b1;
  segment.c1[1] = g1;
  segment.c1[2] = r1;
  Segments.push_back(segment);
}

int TDepthPalette::ReadText(const std::string& text) {
  Clear();
  int32_t z[2] = {};
  uint8_t colour[6] = {};
  int have = 0;  // numbers of the band read so far
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\n' || IsBlank(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] != '\n' && !IsBlank(text[end])) ++end;
    const std::string_view token(text.data() + i, end - i);
    i = end;
    // Fields 1 and 5 are heights, the others colour channels.
    const bool accepted = (have == 0 || have == 4) ? ParseHeight(token, z[have / 4])
                                                   : ParseChannel(token, colour[have < 4 ? have - 1 : have - 2]);
    if (!accepted) continue;
    if (++have == 8) {
      AddSegment(z[0], z[1], colour[0], colour[1], colour[2], colour[3], colour[4], colour[5]);
      have = 0;
      while (i < text.size() && text[i] != '\n') ++i;  // the rest of the line is a comment
    }
  }
  return Count();
}

TPaletteFileResult TDepthPalette::LoadFile(const std::string& path) {
  Clear();
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    return {exists ? TPaletteFileResult::Unreadable : TPaletteFileResult::Missing,
            (exists ? "Cannot read palette file " : "Missing palette file ") + path};
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return {TPaletteFileResult::Unreadable, "Cannot read palette file " + path};
  if (ReadText(text.str()) == 0) return {TPaletteFileResult::Unreadable, "No colour bands in palette file " + path};
  return {};
}

void TDepthPalette::SpreadOverRange(int32_t a, int32_t b) {
  const int n = Count();
  if (n == 0) return;
  const int64_t span = std::llabs(int64_t(b) - a);
  for (int i = 0; i < n; ++i) {
    Segments[i].z0 = static_cast<int32_t>(b + (i * span) / n);
    Segments[i].z1 = static_cast<int32_t>(b + ((i + 1) * span) / n);
  }
}

void TDepthPalette::BuildStrip() {
  const int n = Count();
  if (n == 0) return;
  Strip.assign(StripWidth, TRgb{});
  // More bands than pixels would give bands of no width: each band gets a pixel at least.
  const int bands = std::min(n, StripWidth);
  const int width = StripWidth / bands;
  int pos = 0;
  for (int s = 0; s < bands; ++s) {
    const TPaletteSegment& band = Segments[s];
    for (int pixel = pos; pixel < pos + width; ++pixel)
      Strip[pixel] = Smooth ? BlendColour(pixel - pos, width, band.Start(), band.End()) : band.Start();
    pos += width;
  }
  ZMin = Segments.front().z0;
  const int32_t zLast = Segments[bands - 1].z1;
  for (int pixel = pos; pixel < StripWidth; ++pixel) Strip[pixel] = Segments[bands - 1].End();
  ZStripEnd = static_cast<int32_t>(std::nearbyint(double(StripWidth) * (double(zLast) - ZMin) / pos)) + ZMin;
}

}  // namespace velmara
