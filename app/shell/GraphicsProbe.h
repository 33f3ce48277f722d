#pragma once
// What the splash window's first frame reads from the graphics driver, and the texts and values
// made from it. A support override of the texture-unit count (VELMARA_TEXTURE_UNITS) lets tests
// and support staff exercise the warning and the reduced terrain paths on any card.

#include "scene/GlInfo.h"

#include <optional>
#include <string>

namespace velmara {

struct TGraphicsProbe {
  std::string Version;  // "major.minor"
  bool Multitexture = false;
  int TextureUnitCount = 0;
  std::string RendererInfo;  // renderer + " TextureUnits:" + count
  std::string OpenGLLabel;   // lblOpenGL
  std::string RendererLabel; // lblRenderer

  // Too weak a card for the chart: no multitexturing or fewer than two units.
  bool NeedsWarning() const { return !Multitexture || TextureUnitCount < 2; }
};

// `unitOverride`: the override's text when set (ignored unless a whole number ≥ 1).
TGraphicsProbe MakeGraphicsProbe(const scene::GlInfo& info, int gridSize, const std::optional<std::string>& unitOverride);

// The notes the main window shows for a card with few units; empty when it has four or more.
std::string TextureUnitNote(int textureUnitCount);

}  // namespace velmara
