#include "db/Utilities.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <cmath>

namespace Utilities {

namespace {

// Groups thousands with ",", rounds half away from zero, pads the integer part to minDigits.
QString grouped(double value, int decimals, int minDigits)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    QString digits = QString::number(rounded, 'f', decimals);
    QString integer = digits.section(QLatin1Char('.'), 0, 0);
    const QString fraction = decimals > 0 ? digits.section(QLatin1Char('.'), 1, 1) : QString();
    while (integer.size() < minDigits)
        integer.prepend(QLatin1Char('0'));
    for (int i = static_cast<int>(integer.size()) - 3; i > 0; i -= 3)
        integer.insert(i, QLatin1Char(','));
    return decimals > 0 ? integer + QLatin1Char('.') + fraction : integer;
}

}

QString sizeTextOfBytes(qint64 bytes)
{
    constexpr qint64 kGiB = 1073741824, kMiB = 1048576, kKiB = 1024;
    QString text;
    if (bytes > kGiB)
        text = grouped(double(bytes) / kGiB, 2, 1) + QStringLiteral(" GB");
    else if (bytes > kMiB)
        text = grouped(double(bytes) / kMiB, 2, 1) + QStringLiteral(" MB");
    else if (bytes > kKiB)
        text = grouped(double(bytes) / kKiB, 0, 2) + QStringLiteral(" KB");
    else
        text = grouped(double(bytes), 0, 1) + QStringLiteral(" KB");
    if (text.size() > 2 && text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    return text;
}

QString sizeText(const QString& filePath)
{
    return sizeTextOfBytes(QFileInfo(filePath).size());
}

bool isJpegName(const QString& fileName)
{
    return pictureKind(fileName) == 2;
}

int pictureKind(const QString& fileName)
{
    const QString name = fileName.toLower();
    if (name.endsWith(QLatin1String(".bmp")))
        return 1;
    if (name.endsWith(QLatin1String(".jpg")) || name.endsWith(QLatin1String(".jpeg")))
        return 2;
    if (name.endsWith(QLatin1String(".gif")))
        return 3;
    return 0;
}

void drawFrame(QPainter& painter, int left, int top, int style, int height, int width)
{
    const QColor grey(128, 128, 128);
    const QColor first = style == 1 ? QColor(Qt::white) : grey;
    const QColor second = style == 1 ? grey : QColor(Qt::white);
    painter.setPen(first);
    painter.drawLine(left + width, top, left, top);
    painter.drawLine(left, top, left, top + height);
    painter.setPen(second);
    painter.drawLine(left, top + height, left + width, top + height);
    painter.drawLine(left + width, top + height, left + width, top);
}

void applyInputMethod(QWidget* window, const QString& inputMethodName)
{
    const auto apply = [&](QWidget* control) {
        const bool chinese = control->property("chineseInput").toBool();
        control->setProperty("inputMethod", !inputMethodName.isEmpty() && chinese ? inputMethodName : QString());
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QTextEdit*>(control) || qobject_cast<QPlainTextEdit*>(control)
            || (qobject_cast<QComboBox*>(control) && qobject_cast<QComboBox*>(control)->isEditable()))
            apply(control);
    }
}

void enableStandardButtons(QWidget* window, bool enabled)
{
    for (const char* name : {"tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbSet", "tbExpert"}) {
        const QString objectName = QString::fromLatin1(name);
        if (QWidget* button = window->findChild<QWidget*>(objectName))
            button->setEnabled(enabled);
        else if (QAction* action = window->findChild<QAction*>(objectName))
            action->setEnabled(enabled);
    }
}

}
