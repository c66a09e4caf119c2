#include "archive/ArchiveDeletion.h"

#include "db/Connection.h"
#include "db/DbError.h"

ArchiveDeletion::ArchiveDeletion(Connection& connection) : m_connection(connection) {}

bool ArchiveDeletion::remove(qint64 groupKey, qint64 id)
{
    try {
        Transaction transaction(m_connection);
        if (groupKey > 0) {
            const QString key = QString::number(groupKey) + QLatin1Char(' ');
            for (const char* table : {"t_JYrec", "t_TPrec", "t_FJrec", "t_TXrec", "t_Files"})
                m_connection.execute(QStringLiteral("delete from ") + QLatin1String(table) + QStringLiteral(" where F_mainID = ") + key);
        } else {
            m_connection.execute(QStringLiteral("delete from t_Files where F_ID = ") + QString::number(id) + QLatin1Char(' '));
        }
        transaction.commit();
        return true;
    } catch (const DbError&) {
        return false;
    }
}
