#include "archive/ArchiveBatchChange.h"

#include "archive/ColumnWidths.h"
#include "db/DataModule.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "platform/Messages.h"

namespace {

QString columnName(ArchiveBatchChange::Column column)
{
    return column == ArchiveBatchChange::Column::Classification ? QStringLiteral("F_DAtype") : QStringLiteral("F_GDdept");
}

QString columnLabel(ArchiveBatchChange::Column column)
{
    return column == ArchiveBatchChange::Column::Classification ? QStringLiteral("档案分类") : QStringLiteral("归档部门");
}

}

ArchiveBatchChange::ArchiveBatchChange(TdmData& data) : m_data(data) {}

bool ArchiveBatchChange::apply(Query& list, const QVector<int>& rows, Column column, const QString& value)
{
    if (!fits(column, value))
        return false;
    const QString name = columnName(column);
    if (!write(list, rows, name, value)) {
        ShowMess(QStringLiteral("操作失败，请检查连接..."), MessFailure);
        m_data.open(QString(list.statement()), list);
        return false;
    }
    const int field = list.fieldIndex(name);
    for (const int row : rows) {
        list.setCurrentRow(row);
        list.setValue(row, field, value);
    }
    return true;
}

bool ArchiveBatchChange::fits(Column column, const QString& value)
{
    const ColumnWidths widths = ColumnWidths::of(m_data.connection(), QStringLiteral("t_Files"));
    const QString name = columnName(column);
    if (widths.fits(name, value))
        return true;
    ShowMess(ColumnWidths::tooWideMessage(columnLabel(column), widths.width(name)), MessNotice);
    return false;
}

bool ArchiveBatchChange::write(Query& list, const QVector<int>& rows, const QString& columnName, const QString& value)
{
    Connection& connection = m_data.connection();
    const int idField = list.fieldIndex(QStringLiteral("F_ID"));
    try {
        Transaction transaction(connection);
        const QString statement = QStringLiteral("update t_Files set ") + columnName + QStringLiteral(" = :value where F_ID = :id");
        for (const int row : rows)
            connection.execute(statement, {{QStringLiteral("value"), value}, {QStringLiteral("id"), list.intValue(row, idField)}});
        transaction.commit();
        return true;
    } catch (const DbError&) {
        return false;
    }
}
