#include "app/view/StatusLamps.h"

#include "controls/KVTLED.h"
#include "controls/hud/GLKVTMenu.h"
#include "link/ShipDataX.h"
#include "platform/ProcessList.h"

#include <QCheckBox>

#include <cstdio>

namespace velmara {
namespace {

void SetLamp(TKVTLED* lamp, bool on) {
  // A lamp is written only when it changes.
  if (lamp && lamp->Status() != on) lamp->SetStatus(on);
}

void SetHint(TKVTLED* lamp, const std::string& text) {
  if (lamp && lamp->toolTip() != QString::fromStdString(text)) lamp->setToolTip(QString::fromStdString(text));
}

}  // namespace

TStatusLamps::TStatusLamps(const TMainControls& controls, TShipData& shipData, TGLKVTMenu& hud)
    : controls_(controls), shipData_(shipData), hud_(hud) {
  const std::pair<const char*, const char*> hints[] = {{"ledNautrec", "KVTNautrec"},
                                                       {"ledNautbase", "Nautbase"},
                                                       {"ledFirebird", "Database Server"},
                                                       {"ledGPS", "Incoming GPS status"},
                                                       {"ledDepth", "Incoming sounder status"},
                                                       {"ledRH", "Incoming Rougyhness and Hardness data status"}};
  for (const auto& [name, hint] : hints)
    if (auto* lamp = controls_.Get<TKVTLED>(name)) lamp->setToolTip(hint);
  if (auto* record = controls_.Get<QCheckBox>("chkRecordData")) {
    record->setEnabled(true);
    QObject::connect(record, &QCheckBox::clicked, record, [this] { RecordDataClicked(); });
  }
}

void TStatusLamps::CheckLamps() {
  // The logging program (or its simulator), the sounding service, and the database server.
  SetLamp(controls_.Get<TKVTLED>("ledNautrec"), platform::IsProcessRunning("kvtnautrec.exe") || platform::IsProcessRunning("nautrec-sim"));
  SetLamp(controls_.Get<TKVTLED>("ledNautbase"), platform::IsProcessRunning("NautbaseSvc") || platform::IsProcessRunning("nautbase"));
  SetLamp(controls_.Get<TKVTLED>("ledFirebird"), platform::IsProcessRunning("firebird") || platform::IsProcessRunning("fbguard"));
  TDataRec record;
  if (!shipData_.ReadStatusRecord(record)) return;
  std::string tide;
  if (record.TideValid != 0) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", static_cast<double>(MetresToDisplayDepth(record.Tide, DepthUnit)), UnitLabel(DepthUnit));
    tide = text;
  }
  if (hud_.SetItem("Tide", tide)) hud_.Lines()[static_cast<std::size_t>(hud_.IndexOfTitle("Tide"))].Visible = !tide.empty();
}

void TStatusLamps::ShowIncomingStatus(std::uint16_t status) {
  const TIncomingStatus incoming = IncomingDataStatus(status);
  auto* gps = controls_.Get<TKVTLED>("ledGPS");
  auto* depth = controls_.Get<TKVTLED>("ledDepth");
  if (incoming.good) SetLamp(gps, true);
  if (incoming.gpsOff) SetLamp(gps, false);
  if (incoming.depthOff) SetLamp(depth, false);
  SetHint(gps, incoming.gpsText);
  SetHint(depth, incoming.depthText);
}

void TStatusLamps::RecordDataClicked() {
  if (auto* record = controls_.Get<QCheckBox>("chkRecordData")) shipData_.WriteChannel(16, RecordDataChannelValue(record->isChecked()));
  ColourCheckBoxes();
}

void TStatusLamps::ColourCheckBoxes() {
  const bool dark = PanelDark && PanelDark();
  for (const char* name : {"chkFollow", "chkRecordData"}) {
    auto* box = controls_.Get<QCheckBox>(name);
    if (!box) continue;
    const char* colour = box->isChecked() ? (dark ? "#00ff00" : "#008000") : (dark ? "white" : "black");
    box->setStyleSheet(QString("color: %1").arg(colour));
  }
}

}  // namespace velmara
