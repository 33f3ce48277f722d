// libFuzzer target for the palette file reader: any bytes read as a palette, then spread and
// rendered, must neither crash nor leave a band from half a line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "colour/DepthPalette.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmara::TDepthPalette palette;
  const int bands = palette.ReadText(std::string(reinterpret_cast<const char*>(data), size));
  if (bands != palette.Count()) std::abort();
  for (bool smooth : {false, true}) {
    palette.Smooth = smooth;
    palette.SpreadOverRange(0, -3000);
    palette.BuildStrip();
    if (bands > 0 && palette.Strip.size() != velmara::TDepthPalette::StripWidth) std::abort();
    if (bands > 0 && palette.ZStripEnd < palette.ZMin) std::abort();
  }
  return 0;
}
