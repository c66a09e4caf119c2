#include "platform/DataGridHeader.h"

#include <QStyleOptionHeader>

DataGridHeader::DataGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void DataGridHeader::setSortMark(int section, SortMark mark)
{
    if (section < 0)
        return;
    if (section >= m_marks.size())
        m_marks.resize(section + 1, SortMark::None);
    m_marks[section] = mark;
    updateSection(section);
}

SortMark DataGridHeader::sortMark(int section) const
{
    return m_marks.value(section, SortMark::None);
}

void DataGridHeader::clearSortMarks()
{
    m_marks.clear();
    viewport()->update();
}

void DataGridHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    switch (sortMark(logicalIndex)) {
    case SortMark::Ascending:
        option->sortIndicator = QStyleOptionHeader::SortUp;
        break;
    case SortMark::Descending:
        option->sortIndicator = QStyleOptionHeader::SortDown;
        break;
    default:
        option->sortIndicator = QStyleOptionHeader::None;
        break;
    }
}
