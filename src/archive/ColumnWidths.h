#pragma once

#include <QHash>
#include <QString>

class Connection;

// The declared widths of a table's text columns, read from an empty result of
// the table, so that a value too wide for its column is refused with a message
// instead of failing the statement that writes it.
class ColumnWidths {
public:
    // "select * from <table> where (1<>1)"; no widths are known when it fails.
    static ColumnWidths of(Connection& connection, const QString& table);

    // 0 when the column declares none (memo, numbers, dates) or is unknown.
    int width(const QString& column) const;
    bool fits(const QString& column, const QString& value) const;

    // "“档案编号”最多只能输入 50 个字符，请修改后再保存！"
    static QString tooWideMessage(const QString& label, int width);

private:
    QHash<QString, int> m_widths; // by lower-case column name
};
