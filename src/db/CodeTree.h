#pragma once

#include <QMetaType>
#include <QString>

class QTreeWidgetItem;

// What a node of a loaded code tree carries.
struct TreeNodeRecord {
    int depth = 0;      // length of the code; 0 for the root
    QString code;       // "000" for the root
    QString name;
    QString path;       // F_likecode; two backslashes for the root
};
Q_DECLARE_METATYPE(TreeNodeRecord)

namespace CodeTree {
inline constexpr int kRecordRole = Qt::UserRole + 1;
TreeNodeRecord record(const QTreeWidgetItem* node);
void setRecord(QTreeWidgetItem* node, const TreeNodeRecord& record);
// The next code after the highest one of a level: "005" -> "006", "099" -> "100".
// Empty when the level is full ("999").
QString nextLevelCode(const QString& last);
}
