#include "marks/MarkDates.h"

#include <cmath>

namespace velmara {
namespace {

constexpr double kMsPerDay = 86400000.0;

QDateTime Epoch() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

}  // namespace

QDateTime DateTimeFromDays(double days) {
  return Epoch().addMSecs(static_cast<qint64>(std::llround(days * kMsPerDay)));
}

double DaysFromDateTime(const QVariant& value) {
  const QDateTime dt = value.toDateTime();
  if (value.isNull() || !dt.isValid()) return 0.0;
  // Counted on the wall clock, so a change of daylight saving time shifts nothing.
  const qint64 wholeDays = Epoch().date().daysTo(dt.date());
  return static_cast<double>(wholeDays) + dt.time().msecsSinceStartOfDay() / kMsPerDay;
}

std::string DateText(const QVariant& value) {
  const QDateTime dt = value.toDateTime();
  if (value.isNull() || !dt.isValid()) return {};
  return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toStdString();
}

}  // namespace velmara
