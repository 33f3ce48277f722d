#pragma once
// Byte layouts shared with the logging program: the vessel block KVTNAUTREC_DATA (346 bytes) and
// the 58-byte net reading, packed and little-endian; and the status record handed to the main
// window. Fields the chart only copies keep the name of the value they hold for the logger.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace velmara {

static_assert(std::endian::native == std::endian::little, "the shared layouts are little-endian");
static_assert(sizeof(float) == 4 && sizeof(double) == 8);

#pragma pack(push, 1)

struct TVesselRecord {
  uint8_t Reserved0[2];
  int16_t Reserved2;
  int16_t Reserved4;
  int16_t Reserved6;
  uint8_t Reserved8[2];
  int16_t Reserved10;
  int16_t Reserved12;
  double Latitude;             // 14, decimal degrees, north positive
  double Longitude;            // 22, decimal degrees, east positive
  float StatusValue48;         // 30, copied to the status record
  uint32_t Reserved34;
  uint32_t Reserved38;
  uint32_t Reserved42;
  uint16_t Status;             // 46, incoming-data status bits; 2 after a reset
  uint16_t NetSensorFlags;     // 48, bits 4 and 5 go with the net reading
  uint16_t LoggingSwitch;      // 50, channel 16: 0 logging on, 1 suspended
  uint8_t NetSensorKind;       // 52, 3 reports kind 6, anything else kind 1
  double NetLatitude;          // 53
  double NetLongitude;         // 61
  double NetSecondLatitude;    // 69, the sensor's second position
  double NetSecondLongitude;   // 77
  float NetDepth;              // 85, metres
  float Reserved89;
  float NetHeight;             // 93, metres above the bottom; 0 or less when unknown
  float NetSensorValue2;       // 97
  float NetSpread;             // 101, metres; below 25 the net set-up value is used
  float NetSensorValue4;       // 105
  float NetSensorValue5;       // 109
  float NetOpening;            // 113, whole metres, written by the chart
  char NetKind;                // 117, 'B' bottom trawl or twin rig, 'M' midwater
  int16_t Channel15;           // 118
  int16_t Channel13;           // 120
  int32_t Channel14;           // 122
  int32_t Channel103;          // 126, also copied to the status record
  char Text1[40];              // 130, zero-padded
  int16_t Flag170;             // 170, 1 = set
  int16_t TideValid;           // 172, non-zero when a tide value is present
  uint8_t Reserved174[2];
  int16_t Channel108;          // 176
  uint8_t Reserved178[4];
  double Tide;                 // 182, metres
  double StatusValue64;        // 190
  double StatusValue0;         // 198
  double StatusValue8;         // 206
  char Text2[40];              // 214
  int32_t StatusValue44;       // 254
  int16_t Reserved258;
  int16_t Reserved260;
  uint32_t Reserved262;
  uint32_t Reserved266;
  uint32_t Reserved270;
  float Channel106;            // 274, the integer value as a single
  uint8_t Reserved278[8];
  char Text3[60];              // 286
};

struct TNetSensorRecord {
  float NetDepth;              // 0, from 85
  float NetHeight;             // 4, from 93
  float SensorValue2;          // 8, from 97
  float Spread;                // 12, from 101
  float SensorValue4;          // 16, from 105
  float SensorValue5;          // 20, from 109
  uint8_t Kind;                // 24, 6 or 1
  double Latitude;             // 25, from 53
  double Longitude;            // 33, from 61
  double SecondLatitude;       // 41, from 69
  double SecondLongitude;      // 49, from 77
  bool Valid;                  // 57
};

#pragma pack(pop)

constexpr int VesselBlockSize = 346;
static_assert(sizeof(TVesselRecord) == VesselBlockSize);
static_assert(offsetof(TVesselRecord, Reserved2) == 2 && offsetof(TVesselRecord, Reserved4) == 4);
static_assert(offsetof(TVesselRecord, Reserved6) == 6 && offsetof(TVesselRecord, Reserved8) == 8);
static_assert(offsetof(TVesselRecord, Reserved10) == 10 && offsetof(TVesselRecord, Reserved12) == 12);
static_assert(offsetof(TVesselRecord, Latitude) == 14 && offsetof(TVesselRecord, Longitude) == 22);
static_assert(offsetof(TVesselRecord, StatusValue48) == 30 && offsetof(TVesselRecord, Reserved34) == 34);
static_assert(offsetof(TVesselRecord, Reserved38) == 38 && offsetof(TVesselRecord, Reserved42) == 42);
static_assert(offsetof(TVesselRecord, Status) == 46 && offsetof(TVesselRecord, NetSensorFlags) == 48);
static_assert(offsetof(TVesselRecord, LoggingSwitch) == 50 && offsetof(TVesselRecord, NetSensorKind) == 52);
static_assert(offsetof(TVesselRecord, NetLatitude) == 53 && offsetof(TVesselRecord, NetLongitude) == 61);
static_assert(offsetof(TVesselRecord, NetSecondLatitude) == 69 && offsetof(TVesselRecord, NetSecondLongitude) == 77);
static_assert(offsetof(TVesselRecord, NetDepth) == 85 && offsetof(TVesselRecord, Reserved89) == 89);
static_assert(offsetof(TVesselRecord, NetHeight) == 93 && offsetof(TVesselRecord, NetSensorValue2) == 97);
static_assert(offsetof(TVesselRecord, NetSpread) == 101 && offsetof(TVesselRecord, NetSensorValue4) == 105);
static_assert(offsetof(TVesselRecord, NetSensorValue5) == 109 && offsetof(TVesselRecord, NetOpening) == 113);
static_assert(offsetof(TVesselRecord, NetKind) == 117 && offsetof(TVesselRecord, Channel15) == 118);
static_assert(offsetof(TVesselRecord, Channel13) == 120 && offsetof(TVesselRecord, Channel14) == 122);
static_assert(offsetof(TVesselRecord, Channel103) == 126 && offsetof(TVesselRecord, Text1) == 130);
static_assert(offsetof(TVesselRecord, Flag170) == 170 && offsetof(TVesselRecord, TideValid) == 172);
static_assert(offsetof(TVesselRecord, Reserved174) == 174 && offsetof(TVesselRecord, Channel108) == 176);
static_assert(offsetof(TVesselRecord, Reserved178) == 178 && offsetof(TVesselRecord, Tide) == 182);
static_assert(offsetof(TVesselRecord, StatusValue64) == 190 && offsetof(TVesselRecord, StatusValue0) == 198);
static_assert(offsetof(TVesselRecord, StatusValue8) == 206 && offsetof(TVesselRecord, Text2) == 214);
static_assert(offsetof(TVesselRecord, StatusValue44) == 254 && offsetof(TVesselRecord, Reserved258) == 258);
static_assert(offsetof(TVesselRecord, Reserved260) == 260 && offsetof(TVesselRecord, Reserved262) == 262);
static_assert(offsetof(TVesselRecord, Reserved266) == 266 && offsetof(TVesselRecord, Reserved270) == 270);
static_assert(offsetof(TVesselRecord, Channel106) == 274 && offsetof(TVesselRecord, Reserved278) == 278);
static_assert(offsetof(TVesselRecord, Text3) == 286);

static_assert(sizeof(TNetSensorRecord) == 58);
static_assert(offsetof(TNetSensorRecord, NetHeight) == 4 && offsetof(TNetSensorRecord, SensorValue2) == 8);
static_assert(offsetof(TNetSensorRecord, Spread) == 12 && offsetof(TNetSensorRecord, SensorValue4) == 16);
static_assert(offsetof(TNetSensorRecord, SensorValue5) == 20 && offsetof(TNetSensorRecord, Kind) == 24);
static_assert(offsetof(TNetSensorRecord, Latitude) == 25 && offsetof(TNetSensorRecord, Longitude) == 33);
static_assert(offsetof(TNetSensorRecord, SecondLatitude) == 41 && offsetof(TNetSensorRecord, SecondLongitude) == 49);
static_assert(offsetof(TNetSensorRecord, Valid) == 57);

// Status bits of TVesselRecord::Status.
enum TVesselStatusBit : uint16_t {
  StatusInvalidGpsDate = 1 << 0,
  StatusNoNewPosition = 1 << 1,
  StatusNoDepth = 1 << 2,
  StatusDepthOutOfRange = 1 << 3,
  StatusLoggingSuspended = 1 << 4,
};

// The status record of the lamp check: the values the logger publishes, in the chart's own types.
struct TDataRec {
  double StatusValue0 = 0;   // from 198
  double StatusValue8 = 0;   // from 206
  double Latitude = 0;       // from 14
  double Longitude = 0;      // from 22
  int32_t Channel103 = 0;    // from 126
  bool Flag170 = false;      // 170 = 1
  int32_t TideValid = 0;     // from 172, sign-extended
  int32_t StatusValue44 = 0; // from 254
  double StatusValue48 = 0;  // from 30
  float Tide = 0;            // from 182
  std::string Text2;         // from 214
  double StatusValue64 = 0;  // from 190
  std::string Text1;         // from 130
  std::string Text3;         // from 286
  int32_t Status = 0;        // from 46
  int32_t NetSensorFlags = 0;// from 48
  int16_t LoggingSwitch = 0; // from 50
};

// Clears what the logger's reset clears and sets the status word to 2. The chart never calls it;
// the logging program's simulator does when it creates the block.
void ResetVesselRecord(TVesselRecord& record);

}  // namespace velmara
