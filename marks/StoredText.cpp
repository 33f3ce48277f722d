#include "marks/StoredText.h"

namespace velmara {
namespace {

QString FirstCodePoints(QString text, int count) {
  qsizetype units = 0;
  for (int n = 0; n < count && units < text.size(); ++n)
    units += (text[units].isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
  text.truncate(units);
  return text;
}

}  // namespace

std::string FirstCharacters(const std::string& utf8, int count) {
  return FirstCodePoints(QString::fromStdString(utf8), count).toStdString();
}

QString StoredText(const std::string& utf8) {
  return FirstCodePoints(QString::fromStdString(utf8), kStoredTextLength);
}

QString LakeName(const std::string& utf8) {
  QString name = QString::fromStdString(utf8).trimmed();
  name.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
  return FirstCodePoints(name, kStoredTextLength);
}

}  // namespace velmara
