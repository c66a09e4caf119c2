#pragma once

#include <QWidget>

class DataGridModel;
class QTableView;

// The footer row under the rows of a data grid: one cell per visible column,
// aligned with the titles, following column resizes and horizontal
// scrolling. It shows the texts the model made; painting computes nothing.
class DataGridFooter : public QWidget {
    Q_OBJECT
public:
    DataGridFooter(QTableView* grid, const DataGridModel* model);

    // Where the cells start inside the footer (the left edge of the viewport).
    void setCellsOffset(int offset);
    // The footer cell of a grid column: under its title, wherever the title
    // has been scrolled or resized to.
    QRect cellRect(int column) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTableView* m_grid;
    const DataGridModel* m_model;
    int m_cellsOffset = 0;
};
