#include "admin/Rights.h"

#include "admin/Session.h"
#include "db/DataModule.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace Rights {

namespace {

struct MenuGroup {
    const char* menuName;
    int lowestCode;
    int highestCode;
};

const MenuGroup kMenuGroups[] = {
    {"MenuFile", 101, 106}, {"MenuEdit", 201, 210}, {"MenuOutput", 301, 306}, {"MenuStats", 401, 405}, {"MenuData", 501, 505},
};

struct DetailEntry {
    const char* actionName;
    const char* code;
};

const DetailEntry kDetailEntries[] = {
    {"Action904", "204"}, {"Action905", "205"}, {"Action906", "206"}, {"Action31", "301"},
};

// An action, or failing that a widget such as a toolbar button, by object name.
void setShown(QWidget* root, const QString& name, bool shown)
{
    if (auto* action = root->findChild<QAction*>(name)) {
        action->setVisible(shown);
        return;
    }
    if (auto* widget = root->findChild<QWidget*>(name))
        widget->setVisible(shown);
}

bool isShown(QWidget* root, const QString& actionName)
{
    const auto* action = root->findChild<QAction*>(actionName);
    return action && action->isVisible();
}

bool anyShown(QWidget* root, const MenuGroup& group)
{
    for (const GovernedAction& entry : table()) {
        const int code = entry.code.toInt();
        if (code >= group.lowestCode && code <= group.highestCode && isShown(root, entry.actionName))
            return true;
    }
    return false;
}

void showMenu(QWidget* root, const QString& menuName, bool shown)
{
    if (auto* menu = root->findChild<QMenu*>(menuName))
        menu->menuAction()->setVisible(shown);
}

bool holds(const QString& code)
{
    return Session::current().isAdministrator() || dmData->checkRight(code);
}

}

const std::vector<GovernedAction>& table()
{
    static const std::vector<GovernedAction> actions = [] {
        static const int kCodes[] = {101, 102, 103, 104, 105, 106, 201, 202, 203, 204, 205, 206, 207,
                                     208, 209, 210, 301, 302, 303, 304, 305, 306, 401, 402, 403, 404,
                                     405, 501, 502, 503, 504, 505, 901, 902, 903, 904, 905, 906, 907};
        std::vector<GovernedAction> list;
        for (int code : kCodes)
            list.push_back({QString::number(code), QStringLiteral("Action") + QString::number(code)});
        return list;
    }();
    return actions;
}

void apply(QWidget* root)
{
    const Session& session = Session::current();
    for (const GovernedAction& entry : table())
        setShown(root, entry.actionName, holds(entry.code));
    setShown(root, QStringLiteral("Action32"), session.isAdministrator());
    // The batch change of department writes archives as the batch
    // reclassification does, so it needs the same right.
    const bool batchChangeAllowed = isShown(root, QStringLiteral("Action210"));

    for (const MenuGroup& group : kMenuGroups)
        showMenu(root, QString::fromLatin1(group.menuName), anyShown(root, group));
    setShown(root, QStringLiteral("Action31"), isShown(root, QStringLiteral("Action301")));
    setShown(root, QStringLiteral("Action210"), isShown(root, QStringLiteral("Action902")));
    setShown(root, QStringLiteral("Action211"), batchChangeAllowed);
    setShown(root, QStringLiteral("tbSH"), session.approvalFlag);
    setShown(root, QStringLiteral("tbPZ"), session.approvalFlag);
}

void applyToDetailPane(QWidget* root)
{
    for (const DetailEntry& entry : kDetailEntries)
        setShown(root, QString::fromLatin1(entry.actionName), holds(QString::fromLatin1(entry.code)));
}

}
