#include "app/base/Geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace velmara {
namespace {

// Every test starts from the program's initial projection and leaves it so.
class GeodesyTest : public ::testing::Test {
protected:
  void TearDown() override { Projection() = TProjection{}; }
};

TEST_F(GeodesyTest, NormaliseLongitudeFollowsTheRangeSwitch) {
  EXPECT_DOUBLE_EQ(NormaliseLongitude(190.0), -170.0);
  EXPECT_DOUBLE_EQ(NormaliseLongitude(-10.0), -10.0);
  Projection().Longitudes0To360 = true;
  EXPECT_DOUBLE_EQ(NormaliseLongitude(-10.0), 350.0);
  EXPECT_DOUBLE_EQ(NormaliseLongitude(190.0), 190.0);
}

TEST_F(GeodesyTest, MercatorPlaneHasTwentyMillionMetresToTheDateLine) {
  EXPECT_NEAR(GeoToMercator(0.0, 180.0).x, 20000000.0, 0.01);
  EXPECT_NEAR(GeoToMercator(0.0, 0.0).y, 0.0, 1e-9);
  // One arc minute of longitude on the equator is one nautical mile of this sphere.
  EXPECT_NEAR(GeoToMercator(0.0, 1.0 / 60.0).x, 1851.852, 1e-3);
  Projection().Longitudes0To360 = true;
  EXPECT_NEAR(GeoToMercator(0.0, -1.0).x, 359.0 / 180.0 * 20000000.0, 0.01);
}

TEST_F(GeodesyTest, MercatorRoundTrip) {
  const GeoPoint points[] = {{0, 0}, {62.5, -7.25}, {-41.5, 174.75}, {78.2, 15.6}, {-54.9, -67.3}};
  for (const GeoPoint& p : points) {
    const MercatorPoint m = GeoToMercator(p.lat, p.lon);
    const GeoPoint back = MercatorToGeo(m.y, m.x);
    EXPECT_NEAR(back.lat, p.lat, 1e-9) << p.lat << " " << p.lon;
    EXPECT_NEAR(back.lon, p.lon, 1e-9) << p.lat << " " << p.lon;
  }
  Projection().CentralLongitude = 10.0;
  const MercatorPoint m = GeoToMercator(60.0, 12.0);
  EXPECT_NEAR(MercatorToGeo(m.y, m.x).lon, 12.0, 1e-9);
}

struct BearingCase {
  const char* name;
  double lat1, lon1, lat2, lon2;
  double bearing;
  double tolerance;
};

const BearingCase BearingCases[] = {
    {"north", 60.0, 5.0, 61.0, 5.0, 0.0, 1e-9},
    {"south", 60.0, 5.0, 59.0, 5.0, 180.0, 1e-9},
    {"east", 60.0, 5.0, 60.0, 6.0, 90.0, 0.5},
    {"west", 60.0, 5.0, 60.0, 4.0, 270.0, 0.5},
    {"north_east", 60.0, 5.0, 61.0, 7.0, 43.70, 0.01},
    {"north_west", 60.0, 5.0, 61.0, 3.0, 316.30, 0.01},
    {"south_west", 60.0, 5.0, 59.0, 3.0, 226.29, 0.01},
    {"south_east", 60.0, 5.0, 59.0, 7.0, 133.71, 0.01},
};

void PrintTo(const BearingCase& c, std::ostream* os) { *os << c.name; }

class RangeBearingTest : public ::testing::TestWithParam<BearingCase> {};

TEST_P(RangeBearingTest, BearingByQuadrant) {
  const BearingCase& c = GetParam();
  double bearing = -1.0;
  const double distance = RangeAndBearing(c.lat1, c.lon1, c.lat2, c.lon2, bearing);
  EXPECT_NEAR(bearing, c.bearing, c.tolerance);
  EXPECT_GT(distance, 0.0);
  EXPECT_DOUBLE_EQ(Range(c.lat1, c.lon1, c.lat2, c.lon2), distance);
}

INSTANTIATE_TEST_SUITE_P(Quadrants, RangeBearingTest, ::testing::ValuesIn(BearingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RangeAndBearing, IdenticalPointsAreZero) {
  double bearing = -1.0;
  EXPECT_EQ(RangeAndBearing(45.0, 7.0, 45.0, 7.0, bearing), 0.0);
  EXPECT_EQ(bearing, 0.0);
}

TEST(RangeAndBearing, UsesTheEllipsoidMeridianRadius) {
  // One degree of latitude from the equator: 0.017453 rad on the meridian radius at 0.5 degrees.
  EXPECT_NEAR(Range(0.0, 0.0, 1.0, 0.0), 110567.485, 0.001);
}

TEST(RangeAndBearing, EastWestCourseOnTheEquatorIsNotLost) {
  // Here the sine of the course rounds to a hair beyond -1; it must still be a course, not zero.
  double bearing = -1.0;
  const double distance = RangeAndBearing(0.0, 89.38106450324415, 0.0, 93.32982371578922, bearing);
  EXPECT_NEAR(distance, 439566.50, 0.01);
  EXPECT_NEAR(bearing, 90.0, 1e-5);
}

TEST(DistanceText, SwitchesToNauticalMilesAtOneMile) {
  EXPECT_EQ(DistanceText(1851.9), "1,851.9 m");
  EXPECT_EQ(DistanceText(1852.0), "1.00 nm");
  EXPECT_EQ(DistanceText(0.0), "0.0 m");
  EXPECT_EQ(DistanceText(1852.0 * 1234.5), "1,234.50 nm");
  EXPECT_EQ(RangeText(60.0, 5.0, 60.0, 5.0), "0.0 m");
}

struct PositionCase {
  const char* name;
  double value;
  bool isLatitude;
  PositionStyle style;
  const char* text;
};

const PositionCase PositionCases[] = {
    {"plain", 45.118723, true, PositionStyle::Plain, "45 7.1234 N"},
    {"prefixed", 45.118723, true, PositionStyle::Prefixed, "N 45 07.1234"},
    {"minute_marked", 45.118723, true, PositionStyle::MinuteMarked, "45\u00BA 07.123'N"},
    {"southern_minutes", -41.5, true, PositionStyle::MinuteMarked, "41\u00BA 30.000'S"},
    {"latitude_out_of_range_marked", 95.0, true, PositionStyle::MinuteMarked, "Bad Pos"},
    {"latitude_out_of_range_prefixed", 95.0, true, PositionStyle::Prefixed, "N/A"},
    {"pole_is_out_of_range", -90.0, true, PositionStyle::MinuteMarked, "Bad Pos"},
    {"plain_has_no_range", 95.0, true, PositionStyle::Plain, "95 0.0000 N"},
    {"longitude_190_plain", 190.0, false, PositionStyle::Plain, "170 0.0000 W"},
    {"longitude_190_prefixed", 190.0, false, PositionStyle::Prefixed, "W 170 00.0000"},
    {"longitude_190_marked", 190.0, false, PositionStyle::MinuteMarked, "170\u00BA 00.000'W"},
    {"whole_degrees_plain", 11.0, true, PositionStyle::Plain, "11 0.0000 N"},
    {"whole_degrees_prefixed", 11.0, true, PositionStyle::Prefixed, "N 11 00.0000"},
    {"west_below_one_degree", -0.5, false, PositionStyle::MinuteMarked, "0\u00BA 30.000'W"},
    {"longitude_out_of_range", -180.0, false, PositionStyle::Prefixed, "N/A"},
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class PositionTextTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionTextTest, Formats) {
  const PositionCase& c = GetParam();
  EXPECT_EQ(PositionText(c.value, c.isLatitude, c.style), c.text);
}

INSTANTIATE_TEST_SUITE_P(Styles, PositionTextTest, ::testing::ValuesIn(PositionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitForEntry, SignGoesToTheHemisphereBox) {
  const DegreesMinutes south = SplitForEntry(-41.5);
  EXPECT_EQ(south.degrees, 41);
  EXPECT_DOUBLE_EQ(south.minutes, 30.0);
  EXPECT_TRUE(south.negative);
  const DegreesMinutes east = SplitForEntry(7.25);
  EXPECT_EQ(east.degrees, 7);
  EXPECT_DOUBLE_EQ(east.minutes, 15.0);
  EXPECT_FALSE(east.negative);
}

TEST(DegreesMinutesToDecimal, SignRules) {
  EXPECT_DOUBLE_EQ(DegreesMinutesToDecimal(45, 30), 45.5);
  EXPECT_DOUBLE_EQ(DegreesMinutesToDecimal(-45, 30), -45.5);
  EXPECT_DOUBLE_EQ(DegreesMinutesToDecimal(45, -30), -45.5);
  EXPECT_DOUBLE_EQ(DegreesMinutesToDecimal(0, -30), -0.5);
  // A negative degree keeps the minutes as typed.
  EXPECT_DOUBLE_EQ(DegreesMinutesToDecimal(-45, -30), -44.5);
}

TEST(MicroDegrees, RoundThroughSinglePrecisionTiesToEven) {
  EXPECT_EQ(ToMicroDegrees(-0.0000005), 0);
  EXPECT_EQ(ToMicroDegrees(0.0000025), 2);
  EXPECT_EQ(ToMicroDegrees(0.0000035), 4);
  EXPECT_EQ(ToMicroDegrees(45.123457), 45123456);  // single precision holds every 4th micro-degree here
  EXPECT_EQ(ToMicroDegrees(-1.0, true), 359000000);
  EXPECT_EQ(ToMicroDegrees(-1.0, false), -1000000);
  EXPECT_EQ(ToMicroDegrees(359.999999, true), 360000000);
  const MicroDegreePair pair = ToMicroDegreePair(-41.5, -1.0);
  EXPECT_EQ(pair.lat, -41500000);
  EXPECT_EQ(pair.lon, 359000000);
}

TEST(MicroDegrees, FromIntegerFoldsLongitudesAbove180) {
  EXPECT_DOUBLE_EQ(FromMicroDegrees(359000000, true), 359000000 * 0.000001 - 360.0);
  EXPECT_DOUBLE_EQ(FromMicroDegrees(180000000, true), 180.0);
  EXPECT_DOUBLE_EQ(FromMicroDegrees(190000000, false), 190.0);
  EXPECT_DOUBLE_EQ(FromMicroDegrees(-41500000, false), -41.5);
}

TEST(DepthUnits, ConvertInSinglePrecision) {
  EXPECT_EQ(MetresToDisplayDepth(10.0f, TDepthUnit::Feet), 10.0f * 3.2808f);
  EXPECT_FLOAT_EQ(MetresToDisplayDepth(10.0f, TDepthUnit::Feet), 32.808f);
  EXPECT_FLOAT_EQ(MetresToDisplayDepth(10.0f, TDepthUnit::Fathoms), 5.46807f);
  EXPECT_EQ(MetresToDisplayDepth(10.0f, TDepthUnit::Metres), 10.0f);
  EXPECT_FLOAT_EQ(DisplayDepthToMetres(10.0f, TDepthUnit::Fathoms), 18.288f);
  EXPECT_FLOAT_EQ(DisplayDepthToMetres(10.0f, TDepthUnit::Feet), 3.048f);
  EXPECT_STREQ(UnitLabel(TDepthUnit::Metres), "m");
  EXPECT_STREQ(UnitLabel(TDepthUnit::Fathoms), "fm");
  EXPECT_STREQ(UnitLabel(TDepthUnit::Feet), "ft");
  EXPECT_NEAR(NauticalMilesToMetres(1.0), 1852.0, 1e-9);
}

TEST(Headings, VectorHeadingWrapsInto0To360) {
  EXPECT_NEAR(HeadingOfVector(0.0, 1.0), 90.0, 1e-12);
  EXPECT_NEAR(HeadingOfVector(1.0, 0.0), 0.0, 1e-12);
  EXPECT_NEAR(HeadingOfVector(-1.0, 0.0), 180.0, 1e-12);
  EXPECT_NEAR(HeadingOfVector(0.0, -1.0), 270.0, 1e-12);
  EXPECT_NEAR(HeadingOfVector(1.0, -0.001), 360.0 - 0.0573, 1e-3);
}

TEST(Headings, DirectionFromHeadingPointsNorthAndEastInTheScene) {
  // +Z is north and +X is west in the scene.
  const SceneDirection north = DirectionFromHeading(0.0);
  EXPECT_NEAR(north.x, 0.0, 1e-12);
  EXPECT_NEAR(north.z, 1.0, 1e-12);
  const SceneDirection east = DirectionFromHeading(90.0);
  EXPECT_NEAR(east.x, -1.0, 1e-12);
  EXPECT_NEAR(east.z, 0.0, 1e-12);
}

}  // namespace
}  // namespace velmara
