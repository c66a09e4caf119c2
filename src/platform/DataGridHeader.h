#pragma once

#include "platform/DataGrid.h"

#include <QHeaderView>
#include <QVector>

// The title row of a data grid: centred titles, clickable, with a sort mark
// (the style's ascending or descending arrow) on any number of columns.
class DataGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit DataGridHeader(QWidget* parent = nullptr);

    void setSortMark(int section, SortMark mark);
    SortMark sortMark(int section) const;
    void clearSortMarks();

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;

private:
    QVector<SortMark> m_marks;
};
