#include "link/ShipDataX.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

#include "tests/support/IsolatedNames.h"
#include "tools/nautrec/NautrecBlocks.h"

namespace velmara {
namespace {

using nautrec::NautrecBlocks;

class ShipDataTest : public ::testing::Test {
protected:
  // Raw bytes of the vessel block, to check offsets independently of the record type.
  unsigned char* Raw() { return blocks.vessel().data(); }
  template <typename T>
  void Put(int offset, T value) {
    std::memcpy(Raw() + offset, &value, sizeof value);
  }
  template <typename T>
  T Get(int offset) {
    T value;
    std::memcpy(&value, Raw() + offset, sizeof value);
    return value;
  }
  std::vector<unsigned char> Snapshot() { return {Raw(), Raw() + VesselBlockSize}; }

  test::IsolatedNames names;
  NautrecBlocks blocks;
  TShipData ship;
};

struct PositionCase {
  const char* name;
  double lat, lon;
  bool ok;
  double expectLat, expectLon;
};

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

const PositionCase PositionCases[] = {
    {"inside", 62.5, 5.25, true, 62.5, 5.25},
    {"south_west", -41.5, -71.25, true, -41.5, -71.25},
    {"just_inside_85", 84.99, 5.0, true, 84.99, 5.0},
    {"latitude_85_rejected", 85.0, 5.0, false, 0, 0},
    {"latitude_minus_85_rejected", -85.0, 5.0, false, 0, 0},
    {"longitude_180_rejected", 60.0, 180.0, false, 0, 0},
    {"on_the_equator_is_no_position", 0.0, 5.0, false, 0.0, 5.0},
    {"on_the_meridian_is_no_position", 60.0, 0.0, false, 60.0, 0.0},
    {"nan_latitude", NaN, 5.0, false, 0, 0},
    {"infinite_longitude", 60.0, Inf, false, 0, 0},
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class ReadPositionTest : public ShipDataTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(ReadPositionTest, RangeAndZeroChecks) {
  const PositionCase& c = GetParam();
  Put<double>(14, c.lat);
  Put<double>(22, c.lon);
  Put<uint16_t>(46, 0x0005);
  double lat = -1, lon = -1;
  uint16_t status = 99;
  EXPECT_EQ(ship.ReadPosition(lat, lon, status), c.ok);
  EXPECT_EQ(lat, c.expectLat);
  EXPECT_EQ(lon, c.expectLon);
  const bool inRange = c.expectLat != 0 || c.expectLon != 0;
  EXPECT_EQ(status, inRange ? 0x0005 : 0);
}

INSTANTIATE_TEST_SUITE_P(Positions, ReadPositionTest, ::testing::ValuesIn(PositionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShipDataWithoutLogger, ReadsNothingAndCountsFailedOpens) {
  test::IsolatedNames names;
  TShipData ship;
  EXPECT_EQ(ship.VesselFailedOpens(), 1);  // the try at creation
  double lat = 5, lon = 5;
  uint16_t status = 7;
  EXPECT_FALSE(ship.ReadPosition(lat, lon, status));
  EXPECT_EQ(lat, 0);
  EXPECT_EQ(lon, 0);
  EXPECT_EQ(status, 0);
  TDataRec record;
  EXPECT_FALSE(ship.ReadStatusRecord(record));
  EXPECT_FALSE(ship.WriteChannel(16, 1));
  EXPECT_EQ(ship.PlotterDataView(), nullptr);
  EXPECT_EQ(ship.VesselFailedOpens(), 4);

  // The logger starts later: the next access finds it.
  NautrecBlocks blocks;
  EXPECT_TRUE(ship.WriteChannel(16, 1));
  EXPECT_NE(ship.PlotterDataView(), nullptr);
  EXPECT_NE(ship.PlotterMarksView(), nullptr);
  EXPECT_NE(ship.PlotterLinesView(), nullptr);
}

TEST(ShipDataWithoutLogger, WarnsAfterManyFailedOpensAtMostOnceADay) {
  test::IsolatedNames names;
  auto now = std::chrono::system_clock::now();
  TShipData ship([&] { return now; });
  std::vector<std::string> warnings;
  ship.OnWarning = [&](const std::string& text) { warnings.push_back(text); };
  auto failOpens = [&](int count) {
    for (int i = 0; i < count; ++i) ship.OpenVesselBlock();
  };
  failOpens(120000 - 1);  // with the try at creation: 120,000, not yet more
  EXPECT_TRUE(warnings.empty());
  failOpens(1);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Warning! KVTNautrec shared memory not available. Please ensure KVTNautrec is running");
  EXPECT_EQ(ship.VesselFailedOpens(), 0);
  failOpens(120001);
  EXPECT_EQ(warnings.size(), 1u);  // same day
  now += std::chrono::hours(24);
  failOpens(120001);
  EXPECT_EQ(warnings.size(), 2u);
}

// Feeds net depths through the filter; returns which were accepted.
std::vector<bool> FeedDepths(NautrecBlocks& blocks, TShipData& ship, const std::vector<float>& depths,
                             float* lastAverage = nullptr) {
  std::vector<bool> accepted;
  for (float depth : depths) {
    blocks.WithVessel([&](TVesselRecord& r) { r.NetDepth = depth; });
    TNetSensorRecord record{};
    float average = -1;
    bool bit5 = false, bit4 = false;
    accepted.push_back(ship.ReadNetSensor(false, record, average, bit5, bit4));
    EXPECT_EQ(record.Valid, accepted.back());
    if (lastAverage && average >= 0) *lastAverage = average;
  }
  return accepted;
}

TEST_F(ShipDataTest, NetDepthFilterRejectsImplausibleDepths) {
  float average = 0;
  EXPECT_EQ(FeedDepths(blocks, ship, {10, 11, 12, 13, 14}), std::vector<bool>(5, true));
  EXPECT_EQ(FeedDepths(blocks, ship, {25}, &average), std::vector<bool>{false});
  EXPECT_FLOAT_EQ(average, 12.0f);
  EXPECT_EQ(FeedDepths(blocks, ship, {17}), std::vector<bool>{true});
  // Out of range readings are not candidates and leave the rejection count alone.
  EXPECT_EQ(FeedDepths(blocks, ship, {0, -3, 2500, std::numeric_limits<float>::quiet_NaN()}),
            std::vector<bool>(4, false));
}

TEST_F(ShipDataTest, TenRejectionsInARowRestartTheFilter) {
  FeedDepths(blocks, ship, {10, 11, 12, 13, 14});
  EXPECT_EQ(FeedDepths(blocks, ship, std::vector<float>(10, 40)), std::vector<bool>(10, false));
  EXPECT_EQ(FeedDepths(blocks, ship, {40}), std::vector<bool>{true});
}

TEST_F(ShipDataTest, ResetRestartsTheFilter) {
  FeedDepths(blocks, ship, {10, 11, 12, 13, 14});
  blocks.WithVessel([](TVesselRecord& r) { r.NetDepth = 100; });
  TNetSensorRecord record{};
  float average = 0;
  bool bit5 = false, bit4 = false;
  EXPECT_FALSE(ship.ReadNetSensor(false, record, average, bit5, bit4));
  EXPECT_TRUE(ship.ReadNetSensor(true, record, average, bit5, bit4));
}

TEST_F(ShipDataTest, NetReadingCarriesTheSensorFields) {
  Put<float>(85, 120.5f);
  Put<float>(93, 4.5f);
  Put<float>(97, 2.0f);
  Put<float>(101, 31.0f);
  Put<float>(105, 3.0f);
  Put<float>(109, 9.5f);
  Put<double>(53, 62.01);
  Put<double>(61, 5.02);
  Put<double>(69, 62.03);
  Put<double>(77, 5.04);
  Put<uint16_t>(48, 1 << 5);
  for (const auto& [sensorKind, kind] : std::array<std::pair<uint8_t, uint8_t>, 2>{{{3, 6}, {2, 1}}}) {
    Put<uint8_t>(52, sensorKind);
    TNetSensorRecord record{};
    float average = 0;
    bool bit5 = false, bit4 = true;
    ASSERT_TRUE(ship.ReadNetSensor(false, record, average, bit5, bit4));
    EXPECT_EQ(+record.Kind, kind);
    EXPECT_TRUE(bit5);
    EXPECT_FALSE(bit4);
    EXPECT_EQ(+record.NetDepth, 120.5f);
    EXPECT_EQ(+record.NetHeight, 4.5f);
    EXPECT_EQ(+record.SensorValue2, 2.0f);
    EXPECT_EQ(+record.Spread, 31.0f);
    EXPECT_EQ(+record.SensorValue4, 3.0f);
    EXPECT_EQ(+record.SensorValue5, 9.5f);
    EXPECT_EQ(+record.Latitude, 62.01);
    EXPECT_EQ(+record.Longitude, 5.02);
    EXPECT_EQ(+record.SecondLatitude, 62.03);
    EXPECT_EQ(+record.SecondLongitude, 5.04);
  }
}

TEST_F(ShipDataTest, NetReadingWaitsForTheLoggersWrite) {
  // The logger holds the mutex in the middle of an update: half of the net latitude is written.
  Put<float>(85, 50.0f);
  std::atomic<bool> holding{false};
  std::thread logger([&] {
    ASSERT_EQ(blocks.vessel().mutex().lock(1000), platform::LockResult::Obtained);
    Put<uint32_t>(53, 0xFFFFFFFFu);
    holding = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Put<double>(53, 61.5);
    blocks.vessel().mutex().unlock();
  });
  while (!holding) std::this_thread::yield();
  TNetSensorRecord record{};
  float average = 0;
  bool bit5 = false, bit4 = false;
  EXPECT_TRUE(ship.ReadNetSensor(false, record, average, bit5, bit4));
  EXPECT_EQ(+record.Latitude, 61.5);
  logger.join();
}

struct ChannelCase {
  int channel;
  int offset;
  int width;
};

TEST_F(ShipDataTest, WriteChannelTouchesOnlyItsField) {
  const ChannelCase channels[] = {{13, 120, 2}, {14, 122, 4}, {15, 118, 2}, {16, 50, 2},
                                  {103, 126, 4}, {106, 274, 4}, {108, 176, 2}};
  for (const ChannelCase& c : channels) {
    const std::vector<unsigned char> before = Snapshot();
    ASSERT_TRUE(ship.WriteChannel(c.channel, 1));
    const std::vector<unsigned char> after = Snapshot();
    for (int i = 0; i < VesselBlockSize; ++i) {
      if (i < c.offset || i >= c.offset + c.width) {
        EXPECT_EQ(before[i], after[i]) << "channel " << c.channel << " byte " << i;
      }
    }
    if (c.channel == 106) {
      EXPECT_EQ(Get<float>(c.offset), 1.0f);
    } else if (c.width == 2) {
      EXPECT_EQ(Get<int16_t>(c.offset), 1) << c.channel;
    } else {
      EXPECT_EQ(Get<int32_t>(c.offset), 1) << c.channel;
    }
  }
  const std::vector<unsigned char> before = Snapshot();
  EXPECT_TRUE(ship.WriteChannel(17, 1));
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(ShipDataTest, WritesNetPositionAndOpening) {
  TNetSensorRecord record{};
  record.Latitude = 62.125;
  record.Longitude = -5.5;
  ASSERT_TRUE(ship.WriteNetPosition(record));
  EXPECT_EQ(Get<double>(53), 62.125);
  EXPECT_EQ(Get<double>(61), -5.5);
  ASSERT_TRUE(ship.WriteNetOpening('M', 18.0f));
  EXPECT_EQ(Get<float>(113), 18.0f);
  EXPECT_EQ(Get<char>(117), 'M');
}

TEST_F(ShipDataTest, StatusRecordCopiesTheLoggersValues) {
  Put<double>(198, 1.5);
  Put<double>(206, 2.5);
  Put<double>(14, 62.5);
  Put<double>(22, 5.5);
  Put<int32_t>(126, 103);
  Put<int16_t>(170, 1);
  Put<int16_t>(172, -1);
  Put<int32_t>(254, 44);
  Put<float>(30, 0.25f);
  Put<double>(182, 1.234567890123);
  Put<double>(190, 64.5);
  std::memcpy(Raw() + 130, "Text one", 8);
  std::memset(Raw() + 214, 'x', 40);  // a full field has no terminating zero
  std::memcpy(Raw() + 286, "Three", 5);
  Put<uint16_t>(46, 0x8013);
  Put<uint16_t>(48, 0xFFFF);
  Put<uint16_t>(50, 1);
  TDataRec record;
  ASSERT_TRUE(ship.ReadStatusRecord(record));
  EXPECT_EQ(record.StatusValue0, 1.5);
  EXPECT_EQ(record.StatusValue8, 2.5);
  EXPECT_EQ(+record.Latitude, 62.5);
  EXPECT_EQ(+record.Longitude, 5.5);
  EXPECT_EQ(record.Channel103, 103);
  EXPECT_TRUE(record.Flag170);
  EXPECT_EQ(record.TideValid, -1);
  EXPECT_EQ(record.StatusValue44, 44);
  EXPECT_EQ(record.StatusValue48, 0.25);
  EXPECT_EQ(record.Tide, static_cast<float>(1.234567890123));
  EXPECT_EQ(record.StatusValue64, 64.5);
  EXPECT_EQ(record.Text1, "Text one");
  EXPECT_EQ(record.Text2, std::string(40, 'x'));
  EXPECT_EQ(record.Text3, "Three");
  EXPECT_EQ(record.Status, 0x8013);  // zero-extended
  EXPECT_EQ(record.NetSensorFlags, 0xFFFF);
  EXPECT_EQ(record.LoggingSwitch, 1);
}

TEST_F(ShipDataTest, LoggerResetClearsItsFieldsAndSetsStatusTwo) {
  std::memset(Raw(), 0xAB, VesselBlockSize);
  blocks.WithVessel([](TVesselRecord& r) { ResetVesselRecord(r); });
  EXPECT_EQ(Get<uint16_t>(46), 2);
  for (int offset : {2, 4, 6, 10, 12, 14, 45, 53, 84, 89, 93, 112, 118, 125, 182, 197, 258, 260, 262, 266, 270})
    EXPECT_EQ(Raw()[offset], 0) << offset;
  for (int offset : {0, 8, 48, 50, 52, 113, 117, 126, 130, 170, 176, 198, 274, 286})
    EXPECT_EQ(Raw()[offset], 0xAB) << offset;
}

}  // namespace
}  // namespace velmara
