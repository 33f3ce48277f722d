#include "app/shell/GraphicsProbe.h"

#include <charconv>

namespace velmara {

TGraphicsProbe MakeGraphicsProbe(const scene::GlInfo& info, int gridSize, const std::optional<std::string>& unitOverride) {
  TGraphicsProbe probe;
  probe.Version = std::to_string(info.major) + "." + std::to_string(info.minor);
  probe.Multitexture = info.multitexture;
  probe.TextureUnitCount = info.textureUnits;
  if (unitOverride) {
    int units = 0;
    const char* end = unitOverride->data() + unitOverride->size();
    const auto [stop, error] = std::from_chars(unitOverride->data(), end, units);
    if (error == std::errc() && stop == end && units >= 1) probe.TextureUnitCount = units;
  }
  probe.RendererInfo = info.renderer + " TextureUnits:" + std::to_string(probe.TextureUnitCount);
  probe.OpenGLLabel = "OpenGL: " + probe.Version + "  GridSize: " + std::to_string(gridSize);
  probe.RendererLabel = "Renderer: " + probe.RendererInfo;
  return probe;
}

std::string TextureUnitNote(int count) {
  if (count == 1) return "Velmara may not run properly with this graphics card. At least two texture units required";
  if (count < 4)
    return "Note you have " + std::to_string(count) + " texture units on your graphics card. Velmara requires four to run at maximum performance.";
  return {};
}

}  // namespace velmara
