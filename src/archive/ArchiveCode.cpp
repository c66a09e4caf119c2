#include "archive/ArchiveCode.h"

namespace ArchiveCode {

namespace {

constexpr int kCounterLength = 4;

bool allDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

}

QString after(const QString& lastCode)
{
    const QString counter = lastCode.right(kCounterLength);
    if (lastCode.size() < kCounterLength || !allDigits(counter))
        return QStringLiteral("0001");
    const int next = (QLatin1Char('1') + counter).toInt() + 1;
    return lastCode.left(lastCode.size() - kCounterLength) + QString::number(next).right(kCounterLength);
}

bool endsInCounter(const QString& code)
{
    return allDigits(code.right(kCounterLength));
}

}
