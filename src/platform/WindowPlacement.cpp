#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

void DispFormPos(QWidget* window, int mode)
{
    if (!window)
        return;
    QScreen* screen = window->screen() ? window->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (mode == 2) {
        const QSize size(qMin(area.width(), qMax(window->width(), area.width() * 9 / 10)),
                         qMin(area.height(), qMax(window->height(), area.height() * 9 / 10)));
        window->resize(size);
    }
    QWidget* anchor = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QRect frame = anchor && anchor->isVisible() ? anchor->frameGeometry() : area;
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(frame.center());
    placed.moveLeft(qBound(area.left(), placed.left(), qMax(area.left(), area.right() - placed.width())));
    placed.moveTop(qBound(area.top(), placed.top(), qMax(area.top(), area.bottom() - placed.height())));
    window->move(placed.topLeft());
}
