#include "db/DateText.h"

namespace DateText {

QString fromDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString fromDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        return {};
    if (moment.time() == QTime(0, 0))
        return fromDate(moment.date());
    return moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString fromVariant(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return fromDate(value.toDate());
    case QMetaType::QDateTime:
        return fromDateTime(value.toDateTime());
    default:
        return value.toString();
    }
}

QDateTime toDateTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() == 10)
        return QDateTime(QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    QDateTime moment = QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!moment.isValid())
        moment = QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-ddThh:mm:ss"));
    return moment;
}

QString shown(const QString& stored)
{
    return stored < kFirstShownDate ? QString() : stored;
}

}
