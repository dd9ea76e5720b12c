#include "ui/sheet/sheet_date.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

namespace korvanta {

std::string SheetDate() {
    bool given = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&given);
    const QDate day =
        given ? QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()).date() : QDate::currentDate();
    return day.toString(Qt::ISODate).toStdString();
}

} // namespace korvanta
