#pragma once
// The one place where marks, lines and tracks reach the database, keeping the mark table in step.

#include <cstdint>
#include <string>

#include "marks/DataModule.h"
#include "marks/MarkTable.h"

namespace velmara {

inline constexpr const char* kSaveMarkError = "SaveMark Error -";

// Stores `rec` (its description cut to 80 characters): an update when `exists`, else an insert.
// Updating a line (type 100) first moves its stored nodes by the change of its position against
// its mark-table entry, then copies the record into the table. Returns the row key, or a negative
// value with the message in dataModule.LastError() (shown by the caller as kSaveMarkError + text).
int32_t SaveMark(TS3DDataModule& dataModule, TMarkTable& table, TMarkRecord& rec, bool exists);

}  // namespace velmara
