#pragma once
// The chart's window onto the logging program's vessel block KVTNAUTREC_DATA: position, status
// bits, net sensor values and tide, and the values the chart writes back (net position, net
// opening and kind, control channels). It also opens the maker's plotter blocks and hands out their
// views. Created once by the main window; main thread only.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "link/KVTSharedMemory.h"
#include "link/VesselRecord.h"

namespace velmara {

struct TSharedBlockInfo {
  const char* name;
  int size;
};

constexpr TSharedBlockInfo VesselBlock{"KVTNAUTREC_DATA", VesselBlockSize};
constexpr TSharedBlockInfo PlotterDataBlock{"TVP_Data", 211};
constexpr TSharedBlockInfo PlotterMarksBlock{"TVP_Marks", 3458};
constexpr TSharedBlockInfo PlotterLinesBlock{"TVP_Lines", 103042};
constexpr TSharedBlockInfo NavigationBlock{"VELMARANAV", 137};  // declared, never opened

// The warning shown when the logging program's block stays unavailable.
inline constexpr const char* NautrecMissingWarning =
    "Warning! KVTNautrec shared memory not available. Please ensure KVTNautrec is running";

class TShipData {
public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;

  // Tries each block once; `now` is the clock of the once-a-day warning.
  explicit TShipData(Clock now = std::chrono::system_clock::now);
  ~TShipData();
  TShipData(const TShipData&) = delete;
  TShipData& operator=(const TShipData&) = delete;

  // Called with the warning text (at most once a calendar day); the main window shows it.
  std::function<void(const std::string&)> OnWarning;

  // 10 inshore (decimetres), 1 deep-sea (metres); kept for the caller.
  int HeightScale = 1;

  bool OpenVesselBlock();
  bool VesselBlockOpen() const { return vesselView_ != nullptr; }

  // Position within ±85 latitude and ±180 longitude, and not on either zero axis; status bits of
  // the block. Outputs untouched when the lock fails; 0, 0 when there is no position.
  bool ReadPosition(double& lat, double& lon, uint16_t& status);

  // The net reading through the net-depth plausibility filter. `average` is written once the
  // filter's ring is full; bit5 and bit4 are the sensor flags.
  bool ReadNetSensor(bool reset, TNetSensorRecord& record, float& average, bool& bit5, bool& bit4);

  bool ReadStatusRecord(TDataRec& record);
  // Channels 13, 14, 15, 16, 103, 106 and 108; any other writes nothing. True when locked.
  bool WriteChannel(int channel, int value);
  bool WriteNetPosition(const TNetSensorRecord& record);
  bool WriteNetOpening(char kindLetter, float opening);

  // The mapped plotter views, opening the block first if needed; nullptr while unavailable.
  void* PlotterDataView();
  void* PlotterMarksView();
  void* PlotterLinesView();

  // For the lamp checks and tests.
  int VesselFailedOpens() const { return vesselFailedOpens_; }

private:
  struct Block {
    TKVTSharedMemory memory;
    void* view = nullptr;
  };
  static void Configure(Block& block, const TSharedBlockInfo& info, bool readOnly);
  static bool OpenAndMap(Block& block);
  void* PlotterView(Block& block, int& failedOpens, int wrapAbove);
  void CountVesselFailure();
  TVesselRecord& Vessel() const { return *static_cast<TVesselRecord*>(vesselView_); }

  // Runs `access` on the vessel record under its lock; false when closed or the lock fails.
  template <typename Access>
  bool Locked(Access access);

  Clock now_;
  Block vessel_, plotterData_, plotterMarks_, plotterLines_, navigation_;
  void* vesselView_ = nullptr;
  int vesselFailedOpens_ = 0;
  int plotterDataFailedOpens_ = 0;
  int plotterMarksLinesFailedOpens_ = 0;
  long long lastWarningDay_ = -1;

  // Net-depth filter: the last five accepted depths.
  float depthRing_[5] = {};
  int ringIndex_ = 0;
  int rejectedInRow_ = 0;
};

}  // namespace velmara
