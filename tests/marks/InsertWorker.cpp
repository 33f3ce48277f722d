// A child for the killed-process test: inserts marks one by one into the database named by argv[1]
// and writes each committed key (4 bytes) to the file descriptor argv[2], until it is killed.
#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <string>

#include "marks/DataModule.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  QCoreApplication app(argc, argv);
  velmara::TS3DDataModule dm(velmara::EmbeddedDatabaseSettings(argv[1]));
  const int fd = std::atoi(argv[2]);
  for (int i = 0;; ++i) {
    velmara::TMarkRecord rec;
    rec.MarkType = velmara::mtFish;
    rec.Lat = 60.0 + (i % 1000) * 0.0001;
    rec.Lng = 5.0;
    rec.Desc = "batch " + std::to_string(i) + " \xC3\x86r\xC3\xB8";
    const int32_t key = dm.InsertMark(rec);
    if (key < 0) return 3;
    if (::write(fd, &key, sizeof key) != static_cast<ssize_t>(sizeof key)) return 4;
  }
}
