#include "tools/nautrec/NautrecBlocks.h"

#include "link/ShipDataX.h"

namespace velmara::nautrec {

NautrecBlocks::NautrecBlocks(bool replaceExisting)
    : vessel_(VesselBlock.name, VesselBlock.size, replaceExisting),
      plotterData_(PlotterDataBlock.name, PlotterDataBlock.size, replaceExisting),
      plotterMarks_(PlotterMarksBlock.name, PlotterMarksBlock.size, replaceExisting),
      plotterLines_(PlotterLinesBlock.name, PlotterLinesBlock.size, replaceExisting) {
  WithVessel([](TVesselRecord& record) { ResetVesselRecord(record); });
}

}  // namespace velmara::nautrec
