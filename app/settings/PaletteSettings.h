#pragma once
// The range and palette chosen for each palette kind, one program-wide record owned by the main
// window: the palette toolbar stores into it on every change, the settings profiles save it and
// fill it again.

#include <string>

namespace velmara {

struct TPaletteKindSettings {
  int minimum = 0;  // depth: display depth units, positive down; hardness and roughness: plain values
  int maximum = 0;
  std::string paletteName;
  bool operator==(const TPaletteKindSettings&) const = default;
};

struct TPaletteSettings {
  // Kind indexes, in the order of the palette kinds (depth, hardness, roughness).
  static constexpr int Depth = 0;
  static constexpr int Hardness = 1;
  static constexpr int Roughness = 2;
  static constexpr int KindCount = 3;

  TPaletteKindSettings depth, hardness, roughness;

  // The entry of a kind index; anything outside 0 ... 2 is a programming error.
  TPaletteKindSettings& operator[](int kind);
  const TPaletteKindSettings& operator[](int kind) const;

  bool operator==(const TPaletteSettings&) const = default;
};

}  // namespace velmara
