#include "main/MainKeys.h"

#include "main/MainActions.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool isTextEntry(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || (qobject_cast<const QComboBox*>(widget) && static_cast<const QComboBox*>(widget)->isEditable());
}

}

MainKeys::MainKeys(QWidget* window, const MainActions& actions) : QObject(window), m_window(window), m_actions(actions)
{
    qApp->installEventFilter(this);
}

MainKeys::~MainKeys()
{
    qApp->removeEventFilter(this);
}

bool MainKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* receiver = static_cast<QWidget*>(watched);
        if (isFirstReceiver(receiver))
            handle(*static_cast<QKeyEvent*>(event), receiver);
    }
    return false;
}

// A key travels from the focused control up to the window; it is handled at
// its first stop only.
bool MainKeys::isFirstReceiver(const QWidget* widget) const
{
    if (widget->window() != m_window)
        return false;
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == m_window ? widget == focus : widget == m_window;
}

void MainKeys::handle(const QKeyEvent& key, QWidget* receiver)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (modifiers == Qt::ControlModifier) {
        switch (key.key()) {
        case Qt::Key_A: runIfVisible("Action201"); break;
        case Qt::Key_E: runIfVisible("Action202"); break;
        case Qt::Key_S: runIfVisible("Action203"); break;
        default: break;
        }
    } else if (modifiers == Qt::NoModifier) {
        if (key.key() == Qt::Key_Delete && !isTextEntry(receiver))
            runIfVisible("Action203");
        else if (key.key() == Qt::Key_Escape)
            m_window->close();
    }
}

void MainKeys::runIfVisible(const char* actionName)
{
    QAction* action = m_actions[QString::fromLatin1(actionName)];
    if (action->isVisible())
        action->trigger();
}
