#pragma once
// The tables of the database, created where they are missing.
//
// Column types: keys are Firebird identity columns; positions of marks and line nodes are INTEGER
// millionths of a degree (longitudes 0 .. 360 degrees); MLDATE is a TIMESTAMP; descriptions and names
// are VARCHAR(80) in UTF8, so 80 characters of any script fit; a track node's depth and a lake's
// position are DOUBLE PRECISION. linenodes has its own key LNKEY so nodes read back in the order they
// were stored. The main plot "Main" is the first mlgroup row and so has key 1.

#include <QSqlDatabase>
#include <string>

namespace velmara {

bool EnsureSchema(QSqlDatabase& db, std::string& error);

}  // namespace velmara
