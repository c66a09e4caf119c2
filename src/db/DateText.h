#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// Dates are stored as ISO text: "yyyy-MM-dd" when the time of day is zero,
// "yyyy-MM-dd hh:mm:ss" otherwise. String order is then time order.
namespace DateText {

// The date that stands for "no date".
inline const QString kNoDate = QStringLiteral("1900-08-14");
// A value whose text sorts before this is shown blank.
inline const QString kFirstShownDate = QStringLiteral("1901-08-14");

QString fromDate(const QDate& date);
QString fromDateTime(const QDateTime& moment);
// QDate, QDateTime or text; other values give their text.
QString fromVariant(const QVariant& value);
// Parses either stored form; invalid when the text is neither.
QDateTime toDateTime(const QString& text);
// The display rule for cells marked as dates: blank before 1901-08-14.
QString shown(const QString& stored);

}
