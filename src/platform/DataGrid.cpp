#include "platform/DataGrid.h"

// Placeholder until the grid lands: columns only.
class DataGrid::Private {
public:
    QVector<GridColumn> columns;
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), d(new Private) {}
DataGrid::~DataGrid() { delete d; }
int DataGrid::gridColumnCount() const { return d->columns.size(); }
const GridColumn& DataGrid::gridColumn(int index) const { return d->columns[index]; }
void DataGrid::setColumnTitle(int index, const QString& title) { d->columns[index].title = title; }
