#pragma once

#include <QDateTime>
#include <QString>

// The display formats of grid columns and footers.
//
// Number formats are built from the digit placeholders "0" (a digit, or 0)
// and "#" (a digit, or nothing), "." (the decimal point) and "," (group the
// thousands), with literal text around them, quoted or not: "#,##0.00", "0",
// "###,##0.00 GB". Up to three sections separated by ";" format positive,
// negative and zero values; a negative value in a section of its own is
// written without its sign.
//
// Date formats are built from y, m, d (year, month, day), h, n, s (hours,
// minutes, seconds) and z (milliseconds); "m" right after an hour stands for
// minutes; "/" is the date separator "-" and ":" the time separator; other
// text is copied: "yyyy-mm-dd", "yyyy年mm月dd日", "yyyy-mm-dd hh:nn:ss".
namespace DisplayFormat {

QString number(double value, const QString& format);
QString dateTime(const QDateTime& moment, const QString& format);

}
