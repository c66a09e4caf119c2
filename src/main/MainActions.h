#pragma once

#include <QHash>
#include <QString>

class QAction;
class QObject;

// Every command of the main window as a QAction under the window, named as
// the rights code finds it ("Action101" … "Action907", "Action31",
// "Action32", "Action211", the approval buttons "tbSH" and "tbPZ") or, for
// the commands no right governs, by where they sit ("MenuRelogin",
// "tbClose", "ViewToolbar", "HelpFile", …).
class MainActions {
public:
    explicit MainActions(QObject* owner);

    // The action of that name; every name of the catalogue exists.
    QAction* operator[](const QString& name) const;

private:
    QHash<QString, QAction*> m_actions;
};
