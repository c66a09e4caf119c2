#include "db/CodeTree.h"

#include <QTreeWidgetItem>

namespace CodeTree {

TreeNodeRecord record(const QTreeWidgetItem* node)
{
    return node ? node->data(0, kRecordRole).value<TreeNodeRecord>() : TreeNodeRecord{};
}

void setRecord(QTreeWidgetItem* node, const TreeNodeRecord& record)
{
    node->setData(0, kRecordRole, QVariant::fromValue(record));
}

QString nextLevelCode(const QString& last)
{
    bool ok = false;
    const int n = last.toInt(&ok);
    if (!ok || n >= 999)
        return {};
    return QStringLiteral("%1").arg(n + 1, 3, 10, QLatin1Char('0'));
}

}
