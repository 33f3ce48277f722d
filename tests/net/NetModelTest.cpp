#include "net/NetModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmara {
namespace {

constexpr float Near = 1e-5f;

void ExpectAt(const glm::vec3& actual, const glm::vec3& expected, const char* what) {
  EXPECT_NEAR(actual.x, expected.x, Near) << what;
  EXPECT_NEAR(actual.y, expected.y, Near) << what;
  EXPECT_NEAR(actual.z, expected.z, Near) << what;
}

TEST(NetModel, LengthDefaultsTo80AndIsAtLeast20) {
  const struct {
    int asked, built;
  } cases[] = {{0, 80}, {10, 20}, {19, 20}, {20, 20}, {21, 21}, {90, 90}, {-5, 20}};
  for (const auto& c : cases) EXPECT_EQ(NetModelLength(c.asked), c.built) << c.asked;
}

TEST(NetModel, SizesPlacesAndHangsTheCablesForEachNetType) {
  // CellSize 10, b = 1 unless a row says otherwise; sx = L / (10 M) x b, sy = opening / D / 10 x b.
  struct Case {
    const char* name;
    int type, length, opening;
    double b;
    const char* file;
    glm::vec3 scale, position, starboard, port;
    bool lower;
  } cases[] = {
      {"midwater 90 m", 0, 90, 30, 1, "net.3ds", {0.1f, 0.2f, 0.1f}, {0, 0, -2.25f}, {-1, 2.25f, 2.25f},
       {1, 2.25f, 2.25f}, true},
      {"midwater without a length builds 80 m", 0, 0, 15, 1, "net.3ds", {0.8f / 9, 0.1f, 0.8f / 9},
       {0, 0, -2.0f}, {-8.0f / 9, 1.125f, 2.0f}, {8.0f / 9, 1.125f, 2.0f}, true},
      {"bottom 60 m", 1, 60, 6, 1, "Bottomnet.3ds", {0.1f, 0.1f, 0.1f}, {0, 0, -0.5f}, {-0.9f, 0, 3.5f},
       {0.9f, 0, 3.5f}, false},
      {"bottom 10 m builds 20 m, sky camera b = 2", 1, 10, 12, 2, "Bottomnet.3ds",
       {2.0f / 30, 0.4f, 2.0f / 30}, {0, 0, -1.0f / 3}, {-0.6f, 0, 7.0f / 3}, {0.6f, 0, 7.0f / 3}, false},
      {"twin rig 80 m", 2, 80, 5, 1, "doublenet.3ds", {0.1f, 0.05f, 0.1f}, {0, 0, -0.5f},
       {-5.5f, -0.5f, -0.5f - 10.0f / 7}, {5.5f, -0.5f, -0.5f - 10.0f / 7}, false},
  };
  for (const Case& c : cases) {
    const auto placement = NetModelPlacement(c.type, c.length, c.opening, 10, c.b, true);
    ASSERT_TRUE(placement) << c.name;
    EXPECT_EQ(placement->file, c.file) << c.name;
    ExpectAt(placement->scale, c.scale, c.name);
    ExpectAt(placement->position, c.position, c.name);
    ExpectAt(placement->upperStarboard, c.starboard, c.name);
    ExpectAt(placement->upperPort, c.port, c.name);
    EXPECT_EQ(placement->lowerStarboard.has_value(), c.lower) << c.name;
    EXPECT_EQ(placement->lowerCablesVisible, c.lower) << c.name;
  }

  // Midwater lower cables start 8.75 sy below the mesh centre, beside the upper ones; hidden
  // while the net is.
  const auto midwater = NetModelPlacement(0, 90, 30, 10, 1, false);
  ASSERT_TRUE(midwater && midwater->lowerStarboard && midwater->lowerPort);
  ExpectAt(*midwater->lowerStarboard, {-1, -1.75f, 2.25f}, "lower starboard");
  ExpectAt(*midwater->lowerPort, {1, -1.75f, 2.25f}, "lower port");
  EXPECT_FALSE(midwater->lowerCablesVisible);

  EXPECT_FALSE(NetModelPlacement(3, 90, 30, 10, 1, true));
  EXPECT_FALSE(NetModelPlacement(-1, 90, 30, 10, 1, true));
}

TEST(NetModel, ShowNetChangesOnlyOnAChange) {
  EXPECT_FALSE(NetVisibility(true, true, 0, true));
  EXPECT_FALSE(NetVisibility(false, false, 0, true));
  const struct {
    bool visible;
    int type;
    bool depth, net, lower, text;
  } cases[] = {{true, 0, true, true, true, true},   {true, 1, true, true, false, true},
               {true, 2, false, true, false, false}, {false, 0, true, false, false, false}};
  for (const auto& c : cases) {
    const auto shown = NetVisibility(c.visible, !c.visible, c.type, c.depth);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->net, c.net) << c.type;
    EXPECT_EQ(shown->lowerCables, c.lower) << c.type;
    EXPECT_EQ(shown->netDepthText, c.text) << c.type;
  }
}

TEST(NetModel, DoorsSitAtTheEndOfTheSweep) {
  // Metres / CellSize 10 in, scene units out.
  struct Case {
    const char* name;
    double sweepMetres, spreadMetres, f, b;
    bool twin;
    double portX, doorZ;
    std::optional<long long> corrected;
  } cases[] = {
      {"sweep longer than the half spread", 130, 100, 1, 1, false, 5, 12, std::nullopt},
      {"latitude factor widens both offsets", 130, 100, 0.5, 1, false, 10, 24, std::nullopt},
      {"sky camera factor scales both", 130, 100, 1, 2, false, 10, 24, std::nullopt},
      {"twin rig halves the half spread", 130, 200, 1, 1, true, 5, 12, std::nullopt},
      {"bottom trawl, sweep 50 within half spread 50", 50, 100, 1, 1, false, 5, std::sqrt(75.0), 100},
      {"twin rig, sweep 100 within half spread 100", 100, 400, 1, 1, true, 10, std::sqrt(300.0), 200},
      {"compared in whole metres: 50.9 against 50", 50.9, 100, 1, 1, false, 5, std::sqrt(75.0), 100},
      {"51 m is longer than 50 m", 51, 100, 1, 1, false, 5, std::sqrt(5.1 * 5.1 - 25), std::nullopt},
      {"no spread, no sweep", 0, 0, 1, 1, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const TDoorPlacement doors = PlaceDoors(c.sweepMetres / 10, static_cast<float>(c.spreadMetres / 10), 10, c.f,
                                            c.b, c.twin);
    EXPECT_NEAR(doors.portX, c.portX, 1e-4) << c.name;
    EXPECT_NEAR(doors.starboardX, -c.portX, 1e-4) << c.name;
    EXPECT_NEAR(doors.portZ, c.doorZ, 1e-4) << c.name;
    EXPECT_NEAR(doors.starboardZ, c.doorZ, 1e-4) << c.name;
    EXPECT_EQ(doors.correctedSweepMetres, c.corrected) << c.name;
  }
}

TEST(NetModel, DoorsNeverCrashOnOddNumbers) {
  const double odd[] = {-1e300, -50, 0, 1e-300, 1e300, INFINITY, NAN};
  for (double sweep : odd)
    for (double spread : odd)
      for (double f : {1.0, 0.0, -1.0}) {
        const TDoorPlacement doors = PlaceDoors(sweep, static_cast<float>(spread), 10, f, 1, false);
        EXPECT_TRUE(std::isnan(doors.portX) || doors.portX == -doors.starboardX);
      }
}

TEST(NetModel, CablesHangOnTheirOwnSideDoor) {
  const glm::vec3 starboard(-5, -1, 12), port(5, -2, 12);
  const TCableEnds ends = AttachCables(starboard, port);
  EXPECT_EQ(ends.starboard, starboard);
  EXPECT_EQ(ends.starboardLower, starboard);
  EXPECT_EQ(ends.port, port);
  EXPECT_EQ(ends.portLower, port);
}

}  // namespace
}  // namespace velmara
