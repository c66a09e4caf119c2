#include "app/TfrmSplash.h"

#include "app/AppTexts.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_line(new QLabel(QStringLiteral("系统正在启动，请稍候 ....."), this))
{
    setFixedSize(470, 294);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    m_line->setFont(font);
    m_line->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    m_line->setGeometry(16, height() - 34, width() - 32, 22);
    if (QScreen* screen = QApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmSplash::setLine(const QString& text)
{
    m_line->setText(text);
    m_line->repaint();
}

QString TfrmSplash::line() const
{
    return m_line->text();
}

void TfrmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(226, 236, 248));
    sky.setColorAt(1, QColor(178, 202, 232));
    painter.fillRect(rect(), sky);

    // A row of archive boxes on a shelf.
    const QColor spines[] = {QColor(176, 58, 46), QColor(41, 98, 160), QColor(202, 142, 44), QColor(58, 128, 84), QColor(120, 72, 150)};
    int x = 300;
    for (int i = 0; i < 5; ++i) {
        const QRect box(x, 92 + (i % 2) * 8, 26, 120 - (i % 2) * 8);
        painter.fillRect(box, spines[i]);
        painter.fillRect(QRect(box.left() + 5, box.top() + 14, 16, 24), QColor(250, 248, 240));
        x += 30;
    }
    painter.fillRect(QRect(290, 212, 166, 8), QColor(96, 72, 48));

    painter.setPen(QColor(24, 48, 96));
    QFont title(font());
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(28, 70, 270, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Veltra档案管理"));
    QFont subtitle(font());
    subtitle.setPixelSize(15);
    painter.setFont(subtitle);
    painter.drawText(QRect(30, 118, 270, 24), Qt::AlignLeft | Qt::AlignVCenter, AppTexts::kVersion.trimmed());
    painter.setPen(QColor(70, 90, 120));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
