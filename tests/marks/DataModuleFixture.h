#pragma once
// A data module on a fresh database file of its own, and small record builders.

#include <gtest/gtest.h>

#include <QString>
#include <QVariantList>
#include <memory>
#include <string>
#include <vector>

#include "marks/DataModule.h"
#include "tests/marks/TempDatabase.h"

namespace velmara::test {

// Texts with quotes and characters outside ASCII, for every text field.
inline const std::string kNordic = "\xC3\x86r\xC3\xB8sk\xC3\xB8" "bing 'Nord'";  // Ærøskøbing 'Nord'
inline const std::string kNandu = "\xC3\x91" "and\xC3\xBA";                       // Ñandú

inline TMarkRecord MakeMark(int32_t type, double lat, double lng, const std::string& desc = "m") {
  TMarkRecord rec;
  rec.MarkType = type;
  rec.Lat = lat;
  rec.Lng = lng;
  rec.Group = 1;
  rec.Height = 42;
  rec.Colour = 0xFF0000;
  rec.Locked = 0;
  rec.Date = 46000.5;  // 2025-12-09 12:00
  rec.Desc = desc;
  return rec;
}

class DataModuleTest : public ::testing::Test {
protected:
  DataModuleTest() : dm(std::make_unique<TS3DDataModule>(db.settings())) {
    dm->ShowMessage = [this](const std::string& text) { shown.push_back(text); };
  }

  // Whether a row matches, asked through a second connection so only committed data counts.
  bool StoredElsewhere(const QString& sql, const QVariantList& values) {
    TS3DDataModule other(db.settings());
    return other.ExecuteExistSQL(sql, values);
  }

  TempDatabase db;
  std::unique_ptr<TS3DDataModule> dm;
  std::vector<std::string> shown;
};

}  // namespace velmara::test
