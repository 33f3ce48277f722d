#pragma once
// A texture combiner: up to four lines, one per texture unit, that say how each unit mixes its
// texture into the colour so far, for example
//   Tex0:=Dot3(Tex0, PrimaryColor);
//   Tex1:=Interpolate(Tex0, Tex1, EnvCol);
//   Tex2:=Tex1*Tex2;
// The line "TexN:=expression" computes unit N's result. In it, TexN is unit N's own texel and
// TexK with K < N the result of unit K (so "Tex1:=Tex0*Tex1" modulates unit 0's result by unit
// 1's texture); PrimaryColor is the surface colour (the material's diffuse colour when unlit, the
// lit colour otherwise); EnvCol is the environment colour of unit N's texture; Previous is the
// result of unit N − 1. Operators + − * work per channel; functions Dot3(a, b), Interpolate(a, b, c)
// = a·c + b·(1 − c), Modulate(a, b), Add(a, b), AddSigned(a, b) = a + b − 0.5, Subtract(a, b),
// Replace(a). Names are not case-sensitive; blanks and a final ';' are allowed; empty lines are
// skipped. Each unit's result is clamped to 0 … 1, as fixed-function combiners did. The combiner
// works on RGB; alpha is the material's opacity. The drawn colour is the highest unit's result.
//
// Parsing turns the lines into GLSL for the material shader; a line that cannot be understood
// is an error that names the line and says what is wrong.

#include "scene/Result.h"

#include <string>
#include <vector>

namespace velmara::scene {

class TextureCombiner {
public:
  static constexpr int kMaxUnits = 4;

  // No lines: the material is drawn without combining.
  TextureCombiner() = default;
  static Result<TextureCombiner> parse(const std::vector<std::string>& lines);

  bool empty() const { return unitCount_ == 0; }
  // The lines as given.
  const std::vector<std::string>& lines() const { return lines_; }
  // Units 0 … unitCount() − 1 take part.
  int unitCount() const { return unitCount_; }
  // Whether a unit's own texel is read.
  bool samples(int unit) const { return (sampledUnits_ >> unit) & 1u; }
  // The lines in one canonical spelling, one per unit that has a line ("Tex1:=Interpolate(...)").
  const std::vector<std::string>& canonical() const { return canonical_; }
  // GLSL statements reading vec3 t0 … t3 (texels), vec3 primary and uniform vec4 u_envColour[4],
  // and declaring vec3 combined.
  const std::string& glsl() const { return glsl_; }

  bool operator==(const TextureCombiner& other) const { return glsl_ == other.glsl_; }

private:
  std::vector<std::string> lines_;
  std::vector<std::string> canonical_;
  std::string glsl_;
  int unitCount_ = 0;
  unsigned sampledUnits_ = 0;
};

}  // namespace velmara::scene
