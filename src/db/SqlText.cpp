#include "db/SqlText.h"

#include <QStringList>

namespace SqlText {

namespace {
constexpr QChar kEscape = QLatin1Char('!');
}

QString quoted(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString escapeLike(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == kEscape || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += kEscape;
        escaped += c;
    }
    return escaped;
}

QString containsPattern(const QString& text)
{
    return quoted(QLatin1Char('%') + escapeLike(text) + QLatin1Char('%'));
}

QString startsWithPattern(const QString& text)
{
    return quoted(escapeLike(text) + QLatin1Char('%'));
}

QString likeEscape()
{
    return QStringLiteral(" escape '!'");
}

QString quotedList(const QString& storedList)
{
    QStringList names;
    QString current;
    bool inQuote = false;
    for (int i = 0; i < storedList.size(); ++i) {
        const QChar c = storedList[i];
        if (inQuote) {
            if (c == QLatin1Char('\'')) {
                if (i + 1 < storedList.size() && storedList[i + 1] == QLatin1Char('\'')) {
                    current += c;
                    ++i;
                } else {
                    inQuote = false;
                }
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('\'')) {
            inQuote = true;
        } else if (c == QLatin1Char(',')) {
            names << quoted(current);
            current.clear();
        } else if (!c.isSpace()) {
            current += c;
        }
    }
    if (!current.isEmpty() || !names.isEmpty() || storedList.contains(QLatin1Char('\'')))
        names << quoted(current);
    if (names.isEmpty())
        return quoted(QString());
    return names.join(QLatin1Char(','));
}

}
