#pragma once

#include <QDialog>

class DataGrid;
class QListWidget;

// The column-choice dialog ("字段列表"): the titles of all columns of a grid
// in their order, each with a check box that is checked for a visible
// column. OK shows exactly the checked columns; cancel changes nothing.
class TFrmDispFieldXZ : public QDialog {
    Q_OBJECT
public:
    explicit TFrmDispFieldXZ(DataGrid* grid, QWidget* parent = nullptr);

    void accept() override;

private:
    DataGrid* m_grid;
    QListWidget* m_fields;
};
