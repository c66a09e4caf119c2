#include "admin/Session.h"

#include "db/SqlText.h"

QString Session::departmentFragment(const QString& prefix) const
{
    switch (restrictionMode) {
    case 1:
        return QStringLiteral("and (") + prefix + QStringLiteral("F_GDdept = ") + SqlText::quoted(department) + QStringLiteral(") ");
    case 2:
        return QStringLiteral("and (") + prefix + QStringLiteral("F_GDdept in (") + SqlText::quotedList(departmentList) + QStringLiteral(")) ");
    default:
        return {};
    }
}

Session& Session::current()
{
    static Session session;
    return session;
}
