#include "link/ShipDataX.h"

#include <cstring>
#include <ctime>

namespace velmara {
namespace {

constexpr int VesselFailedOpensBeforeWarning = 120000;

long long LocalDay(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  ::localtime_r(&t, &local);
  return (local.tm_year + 1900LL) * 1000 + local.tm_yday;
}

std::string FixedText(const char* field, std::size_t size) { return std::string(field, strnlen(field, size)); }

}  // namespace

TShipData::TShipData(Clock now) : now_(std::move(now)) {
  Configure(vessel_, VesselBlock, false);
  Configure(plotterData_, PlotterDataBlock, false);
  Configure(plotterMarks_, PlotterMarksBlock, false);
  Configure(plotterLines_, PlotterLinesBlock, false);
  Configure(navigation_, NavigationBlock, false);
  OpenVesselBlock();
  OpenAndMap(plotterData_);
  OpenAndMap(plotterMarks_);
  OpenAndMap(plotterLines_);
}

TShipData::~TShipData() {
  for (Block* block : {&vessel_, &plotterData_, &plotterMarks_, &plotterLines_}) {
    if (block->view) block->memory.UnmapView(block->view);
    block->view = nullptr;
  }
}

void TShipData::Configure(Block& block, const TSharedBlockInfo& info, bool readOnly) {
  block.memory.SetName(info.name);
  block.memory.Size = info.size;
  block.memory.Timeout = 5000;
  block.memory.ReadOnly = readOnly;
}

bool TShipData::OpenAndMap(Block& block) {
  if (block.view) return true;
  if (!block.memory.Open()) return false;
  block.view = block.memory.MapView();
  if (!block.view) block.memory.Close();
  return block.view != nullptr;
}

bool TShipData::OpenVesselBlock() {
  if (vesselView_) return true;
  if (OpenAndMap(vessel_)) {
    vesselView_ = vessel_.view;
    return true;
  }
  CountVesselFailure();
  return false;
}

void TShipData::CountVesselFailure() {
  if (++vesselFailedOpens_ <= VesselFailedOpensBeforeWarning) return;
  vesselFailedOpens_ = 0;
  const long long today = LocalDay(now_());
  if (today == lastWarningDay_) return;
  lastWarningDay_ = today;
  if (OnWarning) OnWarning(NautrecMissingWarning);
}

template <typename Access>
bool TShipData::Locked(Access access) {
  if (!OpenVesselBlock()) return false;
  if (!vessel_.memory.Lock()) return false;
  access(Vessel());
  vessel_.memory.Unlock();
  return true;
}

bool TShipData::ReadPosition(double& lat, double& lon, uint16_t& status) {
  status = 0;
  if (!OpenVesselBlock()) {
    lat = lon = 0;
    return false;
  }
  bool ok = false;
  const bool locked = Locked([&](const TVesselRecord& r) {
    const double la = r.Latitude, lo = r.Longitude;  // NaN fails every comparison: no position
    if (la > -85 && la < 85 && lo > -180 && lo < 180) {
      lat = la;
      lon = lo;
      status = r.Status;
      ok = la != 0 && lo != 0;
    } else {
      lat = lon = 0;
    }
  });
  return locked && ok;
}

bool TShipData::ReadNetSensor(bool reset, TNetSensorRecord& record, float& average, bool& bit5, bool& bit4) {
  if (reset) {
    depthRing_[4] = 0;
    ringIndex_ = 0;
    rejectedInRow_ = 0;
  }
  record.Valid = false;
  // The logger writes the block while we read it: under the lock, or a double may come out torn.
  TVesselRecord snapshot;
  if (!Locked([&](const TVesselRecord& r) { snapshot = r; })) return false;

  const float depth = snapshot.NetDepth;
  if (!(depth > 0 && depth < 2500)) return false;
  if (depthRing_[4] != 0) {
    average = (depthRing_[0] + depthRing_[1] + depthRing_[2] + depthRing_[3] + depthRing_[4]) / 5.0f;
    if (!(average * 1.5f > depth)) {
      if (++rejectedInRow_ >= 10) {
        depthRing_[4] = 0;
        ringIndex_ = 0;
        rejectedInRow_ = 0;
      }
      return false;
    }
    rejectedInRow_ = 0;
  }
  depthRing_[ringIndex_] = depth;
  ringIndex_ = (ringIndex_ + 1) % 5;

  record.NetDepth = depth;
  record.NetHeight = snapshot.NetHeight;
  record.SensorValue2 = snapshot.NetSensorValue2;
  record.Spread = snapshot.NetSpread;
  record.SensorValue4 = snapshot.NetSensorValue4;
  record.SensorValue5 = snapshot.NetSensorValue5;
  record.Kind = snapshot.NetSensorKind == 3 ? 6 : 1;
  record.Latitude = snapshot.NetLatitude;
  record.Longitude = snapshot.NetLongitude;
  record.SecondLatitude = snapshot.NetSecondLatitude;
  record.SecondLongitude = snapshot.NetSecondLongitude;
  record.Valid = true;
  bit5 = (snapshot.NetSensorFlags & (1 << 5)) != 0;
  bit4 = (snapshot.NetSensorFlags & (1 << 4)) != 0;
  return true;
}

bool TShipData::ReadStatusRecord(TDataRec& out) {
  return Locked([&](const TVesselRecord& r) {
    out.StatusValue0 = r.StatusValue0;
    out.StatusValue8 = r.StatusValue8;
    out.Latitude = r.Latitude;
    out.Longitude = r.Longitude;
    out.Channel103 = r.Channel103;
    out.Flag170 = r.Flag170 == 1;
    out.TideValid = r.TideValid;
    out.StatusValue44 = r.StatusValue44;
    out.StatusValue48 = r.StatusValue48;
    out.Tide = static_cast<float>(r.Tide);
    out.Text2 = FixedText(r.Text2, sizeof r.Text2);
    out.StatusValue64 = r.StatusValue64;
    out.Text1 = FixedText(r.Text1, sizeof r.Text1);
    out.Text3 = FixedText(r.Text3, sizeof r.Text3);
    out.Status = r.Status;
    out.NetSensorFlags = r.NetSensorFlags;
    out.LoggingSwitch = static_cast<int16_t>(r.LoggingSwitch);
  });
}

bool TShipData::WriteChannel(int channel, int value) {
  return Locked([&](TVesselRecord& r) {
    switch (channel) {
      case 13: r.Channel13 = static_cast<int16_t>(value); break;
      case 14: r.Channel14 = value; break;
      case 15: r.Channel15 = static_cast<int16_t>(value); break;
      case 16: r.LoggingSwitch = static_cast<uint16_t>(value); break;
      case 103: r.Channel103 = value; break;
      case 106: r.Channel106 = static_cast<float>(value); break;
      case 108: r.Channel108 = static_cast<int16_t>(value); break;
      default: break;
    }
  });
}

bool TShipData::WriteNetPosition(const TNetSensorRecord& record) {
  return Locked([&](TVesselRecord& r) {
    r.NetLatitude = record.Latitude;
    r.NetLongitude = record.Longitude;
  });
}

bool TShipData::WriteNetOpening(char kindLetter, float opening) {
  return Locked([&](TVesselRecord& r) {
    r.NetOpening = opening;
    r.NetKind = kindLetter;
  });
}

void* TShipData::PlotterView(Block& block, int& failedOpens, int wrapAbove) {
  if (OpenAndMap(block)) return block.view;
  if (++failedOpens > wrapAbove) failedOpens = 0;
  return nullptr;
}

void* TShipData::PlotterDataView() { return PlotterView(plotterData_, plotterDataFailedOpens_, 1000000); }
void* TShipData::PlotterMarksView() { return PlotterView(plotterMarks_, plotterMarksLinesFailedOpens_, 1000000); }
void* TShipData::PlotterLinesView() { return PlotterView(plotterLines_, plotterMarksLinesFailedOpens_, 10000); }

}  // namespace velmara
