#include "db/SqliteDialect.h"

namespace {

QString call(QLatin1StringView name, const Arguments& arguments)
{
    QString text = name + QLatin1Char('(');
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            text += QLatin1String(", ");
        text += arguments[i].text;
    }
    return text + QLatin1Char(')');
}

QString datePart(QLatin1StringView format, const Argument& date)
{
    return QStringLiteral("CAST(strftime('%1', %2) AS INTEGER)").arg(format, date.text);
}

// Whole days between the calendar days of two moments.
QString dayDifference(const Argument& from, const Argument& to)
{
    return QStringLiteral("CAST(julianday(date(%2)) - julianday(date(%1)) AS INTEGER)").arg(from.text, to.text);
}

// Whole units between two moments cut down to the unit (format), with
// unitsPerDay units in a day.
QString timeDifference(QLatin1StringView format, int unitsPerDay, const Argument& from, const Argument& to)
{
    return QStringLiteral("CAST(round((julianday(strftime('%1', %3)) - julianday(strftime('%1', %2))) * %4) AS INTEGER)")
        .arg(format, from.text, to.text, QString::number(unitsPerDay));
}

}

const EngineDialect& engineDialect(EngineKind engine)
{
    static const SqliteDialect sqlite;
    switch (engine) {
    case EngineKind::SQLite:
        return sqlite;
    case EngineKind::PostgreSQL:
        break;
    }
    throw DialectError("尚不能为 PostgreSQL 翻译语句");
}

QString SqliteDialect::stringLiteral(QStringView value) const
{
    QString text = value.toString();
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString SqliteDialect::dateLiteral(const QString& stored) const
{
    return stringLiteral(stored);
}

QString SqliteDialect::booleanLiteral(bool value) const
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString SqliteDialect::parameter(QStringView name) const
{
    return QLatin1Char(':') + name.toString().toLower();
}

QString SqliteDialect::concatenation() const
{
    return QStringLiteral("||");
}

QString SqliteDialect::modulo() const
{
    return QStringLiteral("%");
}

QString SqliteDialect::limit(QStringView count) const
{
    return QLatin1String("limit ") + count.toString();
}

QString SqliteDialect::function(DialectFunction function, const Arguments& a) const
{
    switch (function) {
    case DialectFunction::Length:
        return call(QLatin1StringView("length"), a);
    case DialectFunction::Position:
        return QStringLiteral("instr(lower(%1), lower(%2))").arg(a[0].text, a[1].text);
    case DialectFunction::Right:
        // From the n-th character before the end, n characters: '' for n = 0.
        return QStringLiteral("substr(%1, -%2, %3)").arg(a[0].text, a[1].operand(), a[1].text);
    case DialectFunction::Left:
        return QStringLiteral("substr(%1, 1, %2)").arg(a[0].text, a[1].text);
    case DialectFunction::Mid:
        return call(QLatin1StringView("substr"), a);
    case DialectFunction::Upper:
        return call(QLatin1StringView("upper"), a);
    case DialectFunction::Lower:
        return call(QLatin1StringView("lower"), a);
    case DialectFunction::Trim:
        return call(QLatin1StringView("trim"), a);
    case DialectFunction::LTrim:
        return call(QLatin1StringView("ltrim"), a);
    case DialectFunction::RTrim:
        return call(QLatin1StringView("rtrim"), a);
    case DialectFunction::IIf:
        return QStringLiteral("CASE WHEN %1 THEN %2 ELSE %3 END").arg(a[0].text, a[1].text, a[2].text);
    case DialectFunction::Nz:
        return QStringLiteral("ifnull(%1, %2)").arg(a[0].text, a.size() > 1 ? a[1].text : QStringLiteral("''"));
    case DialectFunction::Year:
        return datePart(QLatin1StringView("%Y"), a[0]);
    case DialectFunction::Month:
        return datePart(QLatin1StringView("%m"), a[0]);
    case DialectFunction::Day:
        return datePart(QLatin1StringView("%d"), a[0]);
    case DialectFunction::Now:
        return QStringLiteral("datetime('now', 'localtime')");
    case DialectFunction::Sum:
        // Copy counts are texts; summed as numbers, whole counts stay integers.
        if (a[0].simple && a[0].type == ValueType::NumberText)
            return QStringLiteral("sum(CAST(%1 AS NUMERIC))").arg(a[0].text);
        return call(QLatin1StringView("sum"), a);
    }
    return {};
}

QString SqliteDialect::dateDiff(DateInterval interval, const Argument& from, const Argument& to) const
{
    switch (interval) {
    case DateInterval::Year:
        return QStringLiteral("(strftime('%Y', %2) - strftime('%Y', %1))").arg(from.text, to.text);
    case DateInterval::Quarter:
        return QStringLiteral("(strftime('%Y', %2) * 4 + (strftime('%m', %2) - 1) / 3 - strftime('%Y', %1) * 4 - (strftime('%m', %1) - 1) / 3)")
            .arg(from.text, to.text);
    case DateInterval::Month:
        return QStringLiteral("(strftime('%Y', %2) * 12 + strftime('%m', %2) - strftime('%Y', %1) * 12 - strftime('%m', %1))")
            .arg(from.text, to.text);
    case DateInterval::Week:
        return QLatin1Char('(') + dayDifference(from, to) + QLatin1String(" / 7)");
    case DateInterval::Day:
        return dayDifference(from, to);
    case DateInterval::Hour:
        return timeDifference(QLatin1StringView("%Y-%m-%d %H:00:00"), 24, from, to);
    case DateInterval::Minute:
        return timeDifference(QLatin1StringView("%Y-%m-%d %H:%M:00"), 24 * 60, from, to);
    case DateInterval::Second:
        return timeDifference(QLatin1StringView("%Y-%m-%d %H:%M:%S"), 24 * 60 * 60, from, to);
    }
    return {};
}
