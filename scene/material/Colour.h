#pragma once
// Colours are RGBA floats 0 … 1, as GL takes them.

#include <glm/glm.hpp>

#include <cstdint>

namespace velmara::scene {

using Colour = glm::vec4;

// A Windows colour value 0x00BBGGRR (the form colours are stored and exchanged in).
inline Colour colourFromBgr(std::uint32_t bgr, float alpha = 1.0f) {
  return Colour(static_cast<float>(bgr & 0xFFu) / 255.0f, static_cast<float>((bgr >> 8) & 0xFFu) / 255.0f,
                static_cast<float>((bgr >> 16) & 0xFFu) / 255.0f, alpha);
}

}  // namespace velmara::scene
