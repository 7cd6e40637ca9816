#include "calendar.h"

#include <QDate>
#include <QTime>

namespace zupel {

int todayAsDayNumber() {
    static const qint64 kDayZero = QDate(1899, 12, 30).toJulianDay();
    return static_cast<int>(QDate::currentDate().toJulianDay() - kDayZero);
}

int currentHour() {
    return QTime::currentTime().hour();
}

}  // namespace zupel
