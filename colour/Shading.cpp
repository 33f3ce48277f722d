#include "colour/Shading.h"

#include <cmath>

#include "app/base/NumberFormat.h"

namespace velmara {
namespace {

constexpr double Pi = 3.14159265358979323846;
double Sin(double degrees) { return std::sin(degrees * Pi / 180.0); }
double Cos(double degrees) { return std::cos(degrees * Pi / 180.0); }
double Wrap360(double a) { return a > 360 ? a - 360 : a; }

}  // namespace

TTexturingPath TexturingPathFor(int textureUnits) {
  if (textureUnits >= 4) return TTexturingPath::Full;
  return textureUnits >= 2 ? TTexturingPath::Reduced : TTexturingPath::Plain;
}

const char* SurfaceMaterialFor(TPaletteKind kind) {
  switch (kind) {
    case TPaletteKind::pkHardness: return "hard";
    case TPaletteKind::pkRoughness: return "rough";
    case TPaletteKind::pkDepth: break;
  }
  return "landtex";
}

TTerrainMaterials TerrainMaterialsFor(TTexturingPath path, TPaletteKind kind) {
  TTerrainMaterials m;
  m.combinerLines = {"Tex0:=Dot3(Tex0, PrimaryColor);", "Tex1:=Interpolate(Tex0, Tex1, EnvCol);", "Tex2:=Tex1*Tex2;",
                     "Tex3:=Tex2*Tex3;"};
  m.shaderSecondTexture = "contrast";
  switch (path) {
    case TTexturingPath::Full:
      if (kind == TPaletteKind::pkDepth) {
        m.combinerThird = "texture";
        m.combinerFourth = "landtex";
      } else {
        m.combinerThird = "detail";
        m.combinerFourth = SurfaceMaterialFor(kind);
      }
      break;
    case TTexturingPath::Reduced:
      m.normalScale = 32;
      m.shaderSecondTexture = SurfaceMaterialFor(kind);
      m.combinerLines = {"Tex0:=Dot3(Tex0, PrimaryColor);", " Tex1:=Tex0*Tex1", "", ""};
      break;
    case TTexturingPath::Plain:  // no relief shading: the land texture alone
      m.normalScale = 32;
      m.rendererMaterial = SurfaceMaterialFor(kind);
      break;
  }
  return m;
}

TTerrainMaterials WireFrameMaterials() {
  TTerrainMaterials m;
  m.shaderSecondTexture.clear();
  m.combinerLines = {};
  return m;
}

int ShadingNormalScale(int index, int shadingBase) {
  constexpr int Percent[] = {1, 10, 20, 50};
  if (index >= 4 || index < 0) return shadingBase;
  return static_cast<int>(Trunc(shadingBase * Percent[index] / 100.0));
}

TLightSetup LightSetupFor(double theta, const TVec3& boat, double markerHeight, double sourceHeight) {
  TLightSetup setup;
  setup.marker = {-double(Trunc(500 * Sin(theta))), markerHeight, double(Trunc(500 * Cos(theta)))};
  TVec3 d{boat.x - setup.marker.x, boat.y - setup.marker.y, boat.z - setup.marker.z};
  const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
  if (length > 0) d = {d.x / length, d.y / length, d.z / length};
  setup.shaderDiffuse = {float(0.5 + 0.5 * d.x), float(0.5 + 0.5 * d.z), 0.9f, 0.0f};
  const double theta2 = Wrap360(theta + 180);
  setup.source = {-double(Trunc(500 * Sin(theta2))), sourceHeight, double(Trunc(500 * Cos(theta2)))};
  return setup;
}

double TLight::SetLightAngle(int a, double boatHeading) {
  LightAngle = static_cast<int>(Wrap360(a + 180));
  if (HeadingLight) return DirectionAngle(Wrap360(Trunc(boatHeading) + LightAngle), false);
  return DirectionAngle(LightAngle, false);
}

double TLight::DirectionAngle(double angle, bool relative) const {
  return relative ? Wrap360(LightAngle + angle) : angle;
}

void TLightDialogLogic::Open() {
  openedHeading_ = light_.HeadingLight;
  double a = light_.LightAngle - 180;
  if (a < 0) a += 360;
  openedAngle_ = a;
  SetAngle(a);
}

void TLightDialogLogic::SetAngle(double x) {
  if (x == 360) x = 0;
  SliderPosition = static_cast<int>(Round(x));
  AngleText = std::to_string(SliderPosition);
  LastDirection = light_.SetLightAngle(SliderPosition, heading_);
  SunAngle = x >= 180 ? x - 180 : x + 180;
}

void TLightDialogLogic::ChooseTerrain() {
  light_.HeadingLight = false;
  SetAngle(light_.LightAngle);
}

void TLightDialogLogic::ChooseBoat() {
  light_.HeadingLight = true;
  SetAngle(light_.LightAngle);
}

void TLightDialogLogic::Default() {
  ChooseBoat();
  SetAngle(180);
}

void TLightDialogLogic::Exit() {
  if (openedHeading_) ChooseBoat();
  else ChooseTerrain();
  SetAngle(openedAngle_);
}

TContrast ContrastFor(bool night) {
  const uint8_t g = night ? 3 : 255;
  return {{g, g, g}, {153, 153, 153}};
}

TDayNightColours DayNightColours(bool night) {
  if (night)
    return {{0, 0, 0},
            {{{-15, -5, {0.5f, 0.5f, 0.5f}, {0.3f, 0.3f, 0.3f}},
              {-5, 25, {0.3f, 0.3f, 0.3f}, {0.1f, 0.1f, 0.1f}},
              {25, 90, {0.1f, 0.1f, 0.1f}, {0, 0, 0}}}},
            {1, 1, 1},
            {0.752941f, 0.752941f, 0.752941f, 0.2f},
            {1, 1, 1}};
  const std::array<float, 3> green{0.439216f, 0.858824f, 0.576471f}, deep{0.137255f, 0.556863f, 0.419608f};
  return {{0.95f, 0.95f, 0.95f},
          {{{-15, -5, {1, 1, 1}, {1, 1, 1}}, {-5, 25, {1, 1, 1}, green}, {25, 90, green, deep}}},
          {0, 0, 0},
          {1, 1, 1, 0.2f},
          {0, 0, 0}};
}

bool PanelSchemeDark(int panelSchemeOption, bool light) {
  return panelSchemeOption != 3 && (panelSchemeOption == 2 || !light);
}

}  // namespace velmara
