#pragma once
// Creation dates: days since 30 Dec 1899 (the fraction the time of day), stored as TIMESTAMP
// wall-clock values to the millisecond.

#include <QDateTime>
#include <QVariant>
#include <string>

namespace velmara {

QDateTime DateTimeFromDays(double days);
// 0 for a null or invalid value.
double DaysFromDateTime(const QVariant& value);
// "yyyy-MM-dd hh:mm:ss", the same whatever the locale.
std::string DateText(const QVariant& value);

}  // namespace velmara
