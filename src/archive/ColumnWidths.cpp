#include "archive/ColumnWidths.h"

#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"

ColumnWidths ColumnWidths::of(Connection& connection, const QString& table)
{
    ColumnWidths widths;
    DataSet empty;
    try {
        connection.load(QStringLiteral("select * from ") + table + QStringLiteral(" where (1<>1)"), empty);
    } catch (const DbError&) {
        return widths;
    }
    for (const Field& field : empty.fields()) {
        if (field.width > 0)
            widths.m_widths.insert(field.name.toLower(), field.width);
    }
    return widths;
}

int ColumnWidths::width(const QString& column) const
{
    return m_widths.value(column.toLower(), 0);
}

bool ColumnWidths::fits(const QString& column, const QString& value) const
{
    const int limit = width(column);
    return limit == 0 || value.toUcs4().size() <= limit;
}

QString ColumnWidths::tooWideMessage(const QString& label, int width)
{
    return QStringLiteral("“") + label + QStringLiteral("”最多只能输入 ") + QString::number(width)
        + QStringLiteral(" 个字符，请修改后再保存！");
}
