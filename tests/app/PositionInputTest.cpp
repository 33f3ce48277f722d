// Reading the position boxes, the range check of "Goto Location", the decimal-degree text, the
// depth-unit conversions of shown values, the cursor read-out texts, the demonstration scenes'
// settings and the packing of control names into window messages.

#include "app/view/ControlCommands.h"
#include "app/view/DemoScenes.h"
#include "app/view/PositionInput.h"
#include "terrain/MapResolution.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(PositionBoxes, DegreesAndMinutesWithHemispheres) {
  const GeoPoint p = PositionFromBoxes({41, 13.0, true, 174, 19.45, false});
  EXPECT_NEAR(p.lat, -41.2166666667, 1e-9);
  EXPECT_NEAR(p.lon, 174.3241666667, 1e-9);
  const GeoPoint q = PositionFromBoxes({10, 30, false, 5, 15, true});
  EXPECT_DOUBLE_EQ(q.lat, 10.5);
  EXPECT_DOUBLE_EQ(q.lon, -5.25);
}

TEST(PositionBoxes, RangeCheck) {
  const struct {
    double lat, lon;
    bool valid;
  } cases[] = {{90, 0, false},   {-90, 0, false},    {89.99, 0, true},    {-89.99, 0, true}, {0, 180, true},
               {0, -180, true},  {0, 180.001, false}, {0, -180.001, false}, {-41.2, 174.3, true}};
  for (const auto& c : cases) EXPECT_EQ(PositionInRange({c.lat, c.lon}), c.valid) << c.lat << ", " << c.lon;
  EXPECT_FALSE(PositionInRange(PositionFromBoxes({90, 0.0, false, 0, 0, false})));
  EXPECT_TRUE(PositionInRange(PositionFromBoxes({0, 0, false, 180, 0.0, false})));
}

TEST(PositionBoxes, DecimalDegreesText) {
  const struct {
    double degrees, minutes;
    const char* text;
  } cases[] = {{41, 13.0, "Decimal degrees: 41.21666666"},
               {41, 30.0, "Decimal degrees: 41.5"},
               {174, 19.45, "Decimal degrees: 174.32416666"},
               {12, 0.0, "Decimal degrees: 12.0"},
               {3, 0.0006, "Decimal degrees: 3.00001"}};
  for (const auto& c : cases) EXPECT_EQ(DecimalDegreesText(c.degrees, c.minutes), c.text);
}

TEST(DepthUnitSwitch, ShownValuesAreCarriedOverRounded) {
  const struct {
    double value;
    TDepthUnit from, to;
    long long shown;
  } cases[] = {{100, TDepthUnit::Metres, TDepthUnit::Feet, 328},   {328, TDepthUnit::Feet, TDepthUnit::Metres, 100},
               {0, TDepthUnit::Metres, TDepthUnit::Feet, 0},       {100, TDepthUnit::Metres, TDepthUnit::Fathoms, 55},
               {55, TDepthUnit::Fathoms, TDepthUnit::Metres, 101}, {10, TDepthUnit::Fathoms, TDepthUnit::Feet, 60},
               {5, TDepthUnit::Metres, TDepthUnit::Metres, 5}};
  for (const auto& c : cases) EXPECT_EQ(ConvertDisplayValue(c.value, c.from, c.to), c.shown) << c.value;
  EXPECT_EQ(RoundedDisplayDepth(3000, TDepthUnit::Feet), 9842);
  EXPECT_EQ(RoundedDisplayDepth(3000, TDepthUnit::Fathoms), 1640);
}

TEST(CursorReadout, TextsOfAPointOnTheMap) {
  const std::optional<TCursorReadout> r = CursorReadout(926.0, 45.4, 12.3, TDepthUnit::Metres, 5120.0, {-41.5, 174.25});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Mouse, "Cursor: Rng 0.50nm Brg 045 Depth 012 m");
  EXPECT_EQ(r->Latitude, "41º 30.000'S");
  EXPECT_EQ(r->Longitude, "174º 15.000'E");
  EXPECT_EQ(r->Depth, "012 m");
  EXPECT_EQ(r->Bearing, "045");
  EXPECT_EQ(r->Range, "0.50nm");
  EXPECT_EQ(CursorReadout(100.0, 360.0, 10.0, TDepthUnit::Feet, 5120.0, {})->Mouse, "Cursor: Rng 0.05nm Brg 000 Depth 033 ft");
}

TEST(CursorReadout, NothingBeyondTheMapExtent) {
  // A map of 1024 cells of 5 m is 5120 m across: 2.8 nm (5185.6 m) lies off it, its edge does not.
  EXPECT_FALSE(CursorReadout(2.8 * 1852.0, 10, 10, TDepthUnit::Metres, 1024 * 5.0, {}));
  EXPECT_TRUE(CursorReadout(5120.0, 10, 10, TDepthUnit::Metres, 1024 * 5.0, {}));
}

TEST(DemoScenes, EachSceneSelectsTheResolutionItsRasterWasMadeFor) {
  for (const TDemoScene& scene : DemoSceneTable()) {
    EXPECT_EQ(MapResolutionLabel(scene.MapResolution, scene.Inshore), scene.Resolution) << scene.Button;
    EXPECT_EQ(CellSizeFor(scene.MapResolution, scene.Inshore, scene.Latitude), scene.CellSize) << scene.Button;
  }
  const TDemoScene& deep5 = DemoSceneTable()[2];
  EXPECT_STREQ(deep5.Caption, "Deepsea 5nm");
  EXPECT_FALSE(deep5.Inshore);
  EXPECT_DOUBLE_EQ(deep5.Latitude, -41.619666);
  EXPECT_DOUBLE_EQ(deep5.Longitude, 174.848);
}

TEST(ControlCommands, NamesHashApartAndTheSameEveryTime) {
  // The hash is the press message's only handle on a control: close names must not collide.
  const char* names[] = {"btnScene1", "btnScene2", "btnScene3", "btnScene4", "btnAcceptPos", "btnCameras", "cbxShading", "btnMoon"};
  for (const char* a : names)
    for (const char* b : names)
      if (std::string_view(a) != b) {
        EXPECT_NE(ControlNameHash(a), ControlNameHash(b)) << a << " " << b;
      }
  static_assert(ControlNameHash("btnMoon") == ControlNameHash("btnMoon"));
}

}  // namespace
}  // namespace velmara
