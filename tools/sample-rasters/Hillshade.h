#pragma once
// A hillshaded, depth-coloured picture of a height grid, to look at a sea bed by eye.

#include <cstdint>
#include <string>
#include <vector>

namespace velmara::samples {

// grid[x * n + y] in `unitsPerMetre`, cells `cellMetres` wide; north up in the picture.
bool WriteHillshade(const std::vector<int16_t>& grid, int n, double unitsPerMetre, double cellMetres,
                    const std::string& pngPath);

}  // namespace velmara::samples
