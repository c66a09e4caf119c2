#include "platform/DataGridFormat.h"

#include <QStringList>

#include <cmath>

namespace DisplayFormat {

namespace {

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// The end of the quoted text that starts at `open` (the closing quote, or the end).
qsizetype closingQuote(const QString& format, qsizetype open)
{
    const qsizetype close = format.indexOf(format[open], open + 1);
    return close < 0 ? format.size() : close;
}

// ---------------------------------------------------------------- numbers

struct NumberPattern {
    QString prefix;
    QString suffix;
    bool hasDigits = false;
    bool thousands = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

QStringList sections(const QString& format)
{
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (isQuote(c)) {
            const qsizetype close = closingQuote(format, i);
            part += format.mid(i, close - i + 1);
            i = close;
        } else if (c == QLatin1Char(';')) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

NumberPattern parseNumberPattern(const QString& section)
{
    NumberPattern pattern;
    bool inDecimals = false;
    auto literal = [&pattern](const QString& text) { (pattern.hasDigits ? pattern.suffix : pattern.prefix) += text; };
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (isQuote(c)) {
            const qsizetype close = closingQuote(section, i);
            literal(section.mid(i + 1, close - i - 1));
            i = close;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            pattern.hasDigits = true;
            if (!inDecimals) {
                pattern.minIntegerDigits += c == QLatin1Char('0') ? 1 : 0;
            } else {
                ++pattern.maxDecimals;
                if (c == QLatin1Char('0'))
                    pattern.minDecimals = pattern.maxDecimals;
            }
        } else if (c == QLatin1Char('.') && !inDecimals) {
            inDecimals = true;
        } else if (c == QLatin1Char(',')) {
            pattern.thousands = pattern.thousands || !inDecimals;
        } else {
            literal(QString(c));
        }
    }
    return pattern;
}

QString grouped(const QString& digits)
{
    QString result;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            result += QLatin1Char(',');
        result += digits[i];
    }
    return result;
}

// The magnitude (not negative) in the pattern.
QString formatMagnitude(const NumberPattern& pattern, double magnitude)
{
    if (!pattern.hasDigits)
        return pattern.prefix + pattern.suffix;
    const QString fixed = QString::number(magnitude, 'f', pattern.maxDecimals);
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    QString integer = point < 0 ? fixed : fixed.left(point);
    QString decimals = point < 0 ? QString() : fixed.mid(point + 1);
    if (integer == QLatin1String("0") && pattern.minIntegerDigits == 0)
        integer.clear();
    if (integer.size() < pattern.minIntegerDigits)
        integer = QString(pattern.minIntegerDigits - integer.size(), QLatin1Char('0')) + integer;
    if (pattern.thousands)
        integer = grouped(integer);
    while (decimals.size() > pattern.minDecimals && decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    return pattern.prefix + integer + (decimals.isEmpty() ? QString() : QLatin1Char('.') + decimals) + pattern.suffix;
}

bool hasNonZeroDigit(const QString& text)
{
    for (const QChar c : text) {
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            return true;
    }
    return false;
}

// ---------------------------------------------------------------- dates

QString padded(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

// The text of one run of a date letter (`count` times `letter`, in lower case).
QString dateToken(const QDateTime& moment, QChar letter, int count, bool minutesForM)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const int width = count >= 2 ? 2 : 1;
    switch (letter.unicode()) {
    case 'y':
        return count <= 2 ? padded(date.year() % 100, 2) : padded(date.year(), 4);
    case 'm':
        return padded(minutesForM ? time.minute() : date.month(), width);
    case 'd':
        return padded(date.day(), width);
    case 'h':
        return padded(time.hour(), width);
    case 'n':
        return padded(time.minute(), width);
    case 's':
        return padded(time.second(), width);
    default: // 'z'
        return padded(time.msec(), count >= 3 ? 3 : 1);
    }
}

bool isDateLetter(QChar lower)
{
    return QStringLiteral("ymdhnsz").contains(lower);
}

}

QString number(double value, const QString& format)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const QStringList parts = sections(format);
    int section = 0;
    double magnitude = std::fabs(value);
    bool sign = false;
    if (value < 0 && parts.size() >= 2 && !parts[1].isEmpty())
        section = 1;
    else if (value < 0)
        sign = true;
    if (value == 0 && parts.size() >= 3 && !parts[2].isEmpty())
        section = 2;
    const QString text = formatMagnitude(parseNumberPattern(parts[section]), magnitude);
    return sign && hasNonZeroDigit(text) ? QLatin1Char('-') + text : text;
}

QString dateTime(const QDateTime& moment, const QString& format)
{
    QString result;
    bool afterHour = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        const QChar lower = c.toLower();
        if (isQuote(c)) {
            const qsizetype close = closingQuote(format, i);
            result += format.mid(i + 1, close - i - 1);
            i = close;
        } else if (isDateLetter(lower)) {
            int count = 1;
            while (i + count < format.size() && format[i + count].toLower() == lower)
                ++count;
            result += dateToken(moment, lower, count, afterHour && lower == QLatin1Char('m'));
            afterHour = lower == QLatin1Char('h');
            i += count - 1;
        } else if (c == QLatin1Char('/')) {
            result += QLatin1Char('-');
        } else {
            result += c;
        }
    }
    return result;
}

}
