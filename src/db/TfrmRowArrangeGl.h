#pragma once

#include "platform/DataGrid.h"

#include <QDialog>
#include <QVector>

class QTableWidget;

// The sort dialog ("排序对话框"): one row per column of a grid, in grid
// order, with the column's title and a direction ("", "升序" or "降序").
// A double-click changes a row's direction, "上移" and "下移" change the
// priority, and OK builds the sort keys from the rows in their order.
class TfrmRowArrangeGl : public QDialog {
    Q_OBJECT
public:
    static inline const QString kAscending = QStringLiteral("升序");
    static inline const QString kDescending = QStringLiteral("降序");

    explicit TfrmRowArrangeGl(const DataGrid& grid, QWidget* parent = nullptr);

    // The keys OK built, such as "f_code ASC,f_name DESC,"; empty before OK.
    const QString& sortKeys() const { return m_keys; }

    void accept() override;

private:
    void cycleDirection(int row);
    void moveCurrentRow(int step);
    // The field of the first column with that title.
    QString fieldOfTitle(const QString& title) const;

    QVector<GridColumn> m_columns;
    QTableWidget* m_rows;
    QString m_keys;
};
