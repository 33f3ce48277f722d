#pragma once
// Start-up: the stored marks, lines and tracks come back into the mark table, and the nodes of the
// lines and tracks into the line-node table.

#include "marks/DataModule.h"
#include "marks/MarkTable.h"

namespace velmara {

// Resets both tables and fills them from the database; false (tables left empty) on failure.
bool LoadStoredMarks(TS3DDataModule& dataModule, TMarkTable& table, TLineNodeTable& nodes);

}  // namespace velmara
