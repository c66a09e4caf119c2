#include "admin/TreeCodeService.h"

#include "db/DataModule.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "platform/Messages.h"

namespace {

const QString kRootPath = QStringLiteral("\\\\");
using DataMessages::kOperationFailed;
const QString kConnectionFailed = QStringLiteral("数据连接失败，请与作者联系... ");

enum NextCodeMode { NextSibling = 1, NextChild = 2 };

}

TreeCodeService::TreeCodeService(TdmData& data, QString flag) : m_data(data), m_flag(std::move(flag)) {}

QString TreeCodeService::siblingCode(const TreeNodeRecord& category)
{
    return m_data.nextCode(category.code, m_flag, NextSibling);
}

QString TreeCodeService::childCode(const TreeNodeRecord& category)
{
    // The root's code is not stored: its children are the first level.
    const QString code = category.depth == 0 ? QString() : category.code;
    return m_data.nextCode(code, m_flag, NextChild);
}

QString TreeCodeService::childPath(const QString& parentPath, const QString& name)
{
    QString path = parentPath == kRootPath ? kRootPath + name : parentPath + QLatin1Char('\\') + name;
    return path.replace(QStringLiteral("\\\\\\"), kRootPath);
}

QString TreeCodeService::movedPath(const QString& path, const QString& oldPath, const QString& newPath)
{
    if (path.compare(oldPath, Qt::CaseInsensitive) == 0)
        return newPath;
    if (path.startsWith(oldPath + QLatin1Char('\\'), Qt::CaseInsensitive))
        return newPath + path.mid(oldPath.size());
    return path;
}

bool TreeCodeService::samePath(const QString& a, const QString& b)
{
    return a.trimmed().toLower() == b.trimmed().toLower();
}

bool TreeCodeService::insert(const TreeNodeRecord& category)
{
    try {
        m_data.connection().execute(QStringLiteral("insert into t_treecode(F_code,F_name,F_likecode,F_flag)values(:code,:name,:path,:flag)"),
                                    {{QStringLiteral("code"), category.code},
                                     {QStringLiteral("name"), category.name},
                                     {QStringLiteral("path"), category.path},
                                     {QStringLiteral("flag"), m_flag}});
        return true;
    } catch (const DbError&) {
        ShowMess(kConnectionFailed, MessFailure);
        return false;
    }
}

bool TreeCodeService::rename(const QString& code, const QString& newName, const QString& oldPath, const QString& newPath)
{
    Connection& connection = m_data.connection();
    Transaction transaction(connection);
    try {
        movePaths(QStringLiteral("t_Files"), QStringLiteral("F_DAtype"), oldPath, newPath, QString());
        movePaths(QStringLiteral("t_treecode"), QStringLiteral("F_likeCode"), oldPath, newPath,
                  QStringLiteral(" and F_flag = ") + SqlText::quoted(m_flag));
    } catch (const DbError&) {
        ShowMess(kOperationFailed, MessFailure);
        return false;
    }
    try {
        connection.execute(QStringLiteral("update t_treecode set F_name = :name,F_likeCode = :path where (F_code = :code and F_flag = :flag) "),
                           {{QStringLiteral("name"), newName},
                            {QStringLiteral("path"), newPath},
                            {QStringLiteral("code"), code},
                            {QStringLiteral("flag"), m_flag}});
        transaction.commit();
        return true;
    } catch (const DbError&) {
        ShowMess(kConnectionFailed, MessFailure);
        return false;
    }
}

bool TreeCodeService::removeSubtree(const QString& code)
{
    return m_data.execute(QStringLiteral("delete from t_treecode where F_code like ") + SqlText::startsWithPattern(code)
                          + SqlText::likeEscape() + QStringLiteral(" and F_flag = ") + SqlText::quoted(m_flag) + QLatin1Char(' '));
}

void TreeCodeService::movePaths(const QString& table, const QString& column, const QString& oldPath, const QString& newPath,
                                const QString& extraCondition)
{
    // The category's own path, and the paths that continue it with a
    // backslash: a sibling named like the start of the old name stays.
    const QString atOrBelow = QStringLiteral("(") + column + QStringLiteral(" = ") + SqlText::quoted(oldPath) + QStringLiteral(" or ")
        + column + QStringLiteral(" like ") + SqlText::startsWithPattern(oldPath + QLatin1Char('\\')) + SqlText::likeEscape()
        + QStringLiteral(")");
    m_data.connection().execute(QStringLiteral("update ") + table + QStringLiteral(" set ") + column + QStringLiteral(" = ")
                                + SqlText::quoted(newPath) + QStringLiteral(" + Right(") + column + QStringLiteral(",len(") + column
                                + QStringLiteral(")-") + QString::number(oldPath.size()) + QStringLiteral(") where ") + atOrBelow
                                + extraCondition + QLatin1Char(' '));
}
