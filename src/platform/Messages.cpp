#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int BoxMessageResponder::show(const QString& text, int kind)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString title = QApplication::applicationName().isEmpty()
        ? QStringLiteral("提示") : QApplication::applicationName();
    QWidget* parent = QApplication::activeWindow();
    switch (kind) {
    case MessQuestion: {
        QMessageBox box(QMessageBox::Question, title, shown, QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessYes : MessNo;
    }
    case MessRefusal:
        QMessageBox::warning(parent, title, shown);
        return 0;
    case MessFailure:
        QMessageBox::critical(parent, title, shown);
        return 0;
    default:
        QMessageBox::information(parent, title, shown);
        return 0;
    }
}

int ShowMess(const QString& text, int kind)
{
    const int answer = MessageSeam::get().show(text, kind);
    if (kind == MessQuestion)
        return answer == MessYes ? MessYes : MessNo;
    return answer;
}
