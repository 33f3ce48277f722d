#pragma once
// How the terrain is shaded and lit: the texturing path for the graphics card, the shading level,
// the light direction (as the light vector of the relief shading and the position of the light
// source), the contrast texture, and the day and night colour sets.

#include <array>
#include <string>

#include "colour/DepthPalette.h"

namespace velmara {

// Texturing by the number of texture units: full (4 or more), reduced (2 or 3), plain (1).
enum class TTexturingPath { Full, Reduced, Plain };
TTexturingPath TexturingPathFor(int textureUnits);

// The materials of the terrain for one path and palette kind, as the scene layer applies them.
struct TTerrainMaterials {
  std::string rendererMaterial = "shader";
  std::string shaderSecondTexture;                 // "contrast", "landtex" or none
  std::array<std::string, 4> combinerLines;        // empty lines are unused units
  std::string combinerThird, combinerFourth;       // the combiner's third and fourth materials
  int normalScale = 64;                            // the height source's NormalScale
};
// Without four units the hardness and roughness pictures take the land texture's place: they
// carry the land and colour the water themselves.
TTerrainMaterials TerrainMaterialsFor(TTexturingPath path, TPaletteKind kind);
// The picture that covers land and water for a kind: "landtex", "hard" or "rough".
const char* SurfaceMaterialFor(TPaletteKind kind);
// Wire frame: "shader" and "texture" drawn as lines without combiner or second texture.
TTerrainMaterials WireFrameMaterials();

// NormalScale for the shading list's index (1 %, 10 %, 20 %, 50 %, 100 %).
int ShadingNormalScale(int index, int shadingBase);
inline constexpr const char* ShadingItems[] = {"1%", "10%", "20%", "50%", "100%"};

struct TVec3 {
  double x = 0, y = 0, z = 0;
};

// Where the light comes from: the marker of the light vector, the "shader" diffuse colour that
// carries the vector into the relief shading, and the position of the light source.
struct TLightSetup {
  TVec3 marker;             // LightVectorDummy
  std::array<float, 4> shaderDiffuse{};  // RGBA
  TVec3 source;             // GLLightSource1, in the boat group's frame
};
// theta in degrees; the marker keeps markerHeight and faces the boat at `boat`.
TLightSetup LightSetupFor(double theta, const TVec3& boat, double markerHeight, double sourceHeight = 500);

// The light's angle and whether it turns with the boat, and the operations on them.
class TLight {
public:
  int LightAngle = 180;
  bool HeadingLight = false;

  // The angle the light direction is set to: LightAngle = a + 180 (wrapped), then with the boat's
  // heading added when the light turns with the boat.
  double SetLightAngle(int a, double boatHeading);
  // theta for SetLightDirection(angle, relative).
  double DirectionAngle(double angle, bool relative) const;
};

// The light dialog's slider, label and the light it sets.
class TLightDialogLogic {
public:
  explicit TLightDialogLogic(TLight& light, double boatHeading = 0) : light_(light), heading_(boatHeading) {}
  void Open();
  void SetAngle(double x);
  void ChooseTerrain();
  void ChooseBoat();
  void Default();
  void Exit();

  int SliderPosition = 0;
  std::string AngleText;
  double SunAngle = 0;  // degrees round the dial where the sun picture goes
  double LastDirection = 0;

private:
  TLight& light_;
  double heading_;
  bool openedHeading_ = false;
  double openedAngle_ = 0;
};

// The contrast texture: a 1 × 1 grey picture and the environment colour of the combiner's second unit.
struct TContrast {
  TRgb picture;
  TRgb environment;
};
TContrast ContrastFor(bool night);

struct TSkyBand {
  double startAngle, stopAngle;
  std::array<float, 3> startColour, stopColour;
};
struct TDayNightColours {
  std::array<float, 3> lightAmbient;
  std::array<TSkyBand, 3> sky;
  std::array<float, 3> hudText;  // bearing text, boat and net depth, wire
  std::array<float, 4> menuBackground;
  std::array<float, 3> menuInactive;
};
TDayNightColours DayNightColours(bool night);

// The window's scheme: dark when the option is not 3 and (it is 2 or the light scheme is not asked).
bool PanelSchemeDark(int panelSchemeOption, bool light);

}  // namespace velmara
