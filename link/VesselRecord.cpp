#include "link/VesselRecord.h"

#include <cstring>

namespace velmara {
namespace {

void ClearBytes(TVesselRecord& record, std::size_t first, std::size_t last) {
  std::memset(reinterpret_cast<unsigned char*>(&record) + first, 0, last - first + 1);
}

}  // namespace

void ResetVesselRecord(TVesselRecord& record) {
  record.Reserved2 = record.Reserved4 = record.Reserved6 = 0;
  record.Reserved10 = record.Reserved12 = 0;
  ClearBytes(record, 14, 45);
  ClearBytes(record, 53, 84);
  record.Reserved89 = 0;
  ClearBytes(record, 93, 112);
  ClearBytes(record, 118, 125);
  ClearBytes(record, 182, 197);
  record.Reserved258 = record.Reserved260 = 0;
  record.Reserved262 = record.Reserved266 = record.Reserved270 = 0;
  record.Status = 2;
}

}  // namespace velmara
