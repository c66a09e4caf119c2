#include "platform/DataGridFooter.h"

#include "platform/DataGridModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace {
constexpr int kTextPadding = 3;
}

DataGridFooter::DataGridFooter(QTableView* grid, const DataGridModel* model) : QWidget(grid), m_grid(grid), m_model(model)
{
    auto repaint = [this] { update(); };
    connect(model, &DataGridModel::footerChanged, this, repaint);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, repaint);
    connect(grid->horizontalHeader(), &QHeaderView::sectionCountChanged, this, repaint);
    connect(grid->horizontalHeader(), &QHeaderView::geometriesChanged, this, repaint);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void DataGridFooter::setCellsOffset(int offset)
{
    m_cellsOffset = offset;
    update();
}

QRect DataGridFooter::cellRect(int column) const
{
    const QHeaderView* header = m_grid->horizontalHeader();
    return QRect(m_cellsOffset + header->sectionViewportPosition(column), 1, header->sectionSize(column), height() - 1);
}

void DataGridFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QColor line = palette().color(QPalette::Mid);
    painter.setPen(line);
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setClipRect(QRect(m_cellsOffset, 0, width() - m_cellsOffset, height()));

    const QHeaderView* header = m_grid->horizontalHeader();
    const auto& columns = m_model->columns();
    for (int column = 0; column < columns.size(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const QRect cell = cellRect(column);
        if (cell.right() < m_cellsOffset || cell.left() > width())
            continue;
        painter.setPen(line);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        const QString text = m_model->footerText(column);
        if (text.isEmpty())
            continue;
        const QRect textRect = cell.adjusted(kTextPadding, 0, -kTextPadding - 1, 0);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textRect, int(columns[column].alignment | Qt::AlignVCenter),
                         fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    }
}
