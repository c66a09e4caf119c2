#include "platform/DataGrid.h"

#include "db/DataSet.h"
#include "platform/DataGridFooter.h"
#include "platform/DataGridHeader.h"
#include "platform/DataGridModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace {
constexpr int kIndicatorWidth = 12;
constexpr int kRowPadding = 6;
}

class DataGrid::Private {
public:
    DataSet* dataSet = nullptr;
    DataGridModel* model = nullptr;
    DataGridHeader* header = nullptr;
    DataGridFooter* footer = nullptr;
    QVector<QMetaObject::Connection> dataSetConnections;
    bool footerVisible = false;
    bool applyingGeometry = false; // column sizes set by the grid, not by the operator
    bool placingFooter = false;
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), d(new Private)
{
    d->header = new DataGridHeader(this);
    setHorizontalHeader(d->header);
    d->model = new DataGridModel(this);
    setModel(d->model);
    d->footer = new DataGridFooter(this, d->model);
    d->footer->hide();

    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setWordWrap(false);
    d->header->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(kIndicatorWidth);
    applyRowHeight();

    connect(d->header, &QHeaderView::sectionClicked, this, &DataGrid::titleClicked);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) { Q_EMIT rowDoubleClicked(index.row()); });
    connect(d->model, &DataGridModel::columnsReplaced, this, [this] {
        d->header->clearSortMarks();
        applyColumnGeometry();
    });
    connect(d->header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!d->applyingGeometry && !isColumnHidden(column) && width > 0)
            d->model->setColumnWidth(column, width);
    });
}

DataGrid::~DataGrid()
{
    // The title row and the model outlive the private part; they must not call back into it.
    d->header->disconnect(this);
    d->model->disconnect(this);
    delete d;
}

// ---------------------------------------------------------------- data set

void DataGrid::setDataSet(DataSet* dataSet)
{
    for (const QMetaObject::Connection& connection : std::as_const(d->dataSetConnections))
        disconnect(connection);
    d->dataSetConnections.clear();
    d->dataSet = dataSet;
    if (dataSet) {
        d->dataSetConnections << connect(dataSet, &DataSet::reset, this, &DataGrid::dataSetReset)
                              << connect(dataSet, &DataSet::currentRowChanged, this, &DataGrid::followDataSetRow)
                              << connect(dataSet, &DataSet::valueChanged, d->model, &DataGridModel::valueChanged)
                              << connect(dataSet, &QObject::destroyed, this, [this] { setDataSet(nullptr); });
    }
    {
        QScopedValueRollback guard(d->applyingGeometry, true);
        d->model->setDataSet(dataSet);
    }
    applyColumnGeometry();
    if (dataSet)
        followDataSetRow(dataSet->currentRow());
}

DataSet* DataGrid::dataSet() const
{
    return d->dataSet;
}

void DataGrid::dataSetReset()
{
    {
        // A reset gives the title row default sections; the columns' own sizes follow.
        QScopedValueRollback guard(d->applyingGeometry, true);
        d->model->reload();
    }
    applyColumnGeometry();
    followDataSetRow(d->dataSet->currentRow());
}

void DataGrid::followDataSetRow(int row)
{
    if (row < 0 || row >= d->model->rowCount() || currentIndex().row() == row)
        return;
    const int column = currentOrFirstVisibleColumn();
    if (column >= 0)
        setCurrentIndex(d->model->index(row, column));
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (d->dataSet && current.isValid())
        d->dataSet->setCurrentRow(current.row());
}

int DataGrid::currentOrFirstVisibleColumn() const
{
    if (currentIndex().isValid())
        return currentIndex().column();
    for (int column = 0; column < d->model->columnCount(); ++column) {
        if (!isColumnHidden(column))
            return column;
    }
    return d->model->columnCount() > 0 ? 0 : -1;
}

// ---------------------------------------------------------------- columns

void DataGrid::setColumns(const QVector<GridColumn>& columns)
{
    {
        QScopedValueRollback guard(d->applyingGeometry, true);
        d->model->setColumns(columns);
    }
    applyColumnGeometry();
    if (d->dataSet)
        followDataSetRow(d->dataSet->currentRow());
}

const QVector<GridColumn>& DataGrid::columns() const
{
    return d->model->columns();
}

int DataGrid::gridColumnCount() const
{
    return static_cast<int>(d->model->columns().size());
}

const GridColumn& DataGrid::gridColumn(int index) const
{
    return d->model->columns()[index];
}

void DataGrid::setGridColumn(int index, const GridColumn& column)
{
    d->model->setColumn(index, column);
    applyColumnGeometry();
}

void DataGrid::setColumnTitle(int index, const QString& title)
{
    d->model->setColumnTitle(index, title);
}

void DataGrid::setColumnVisible(int index, bool visible)
{
    d->model->setColumnVisible(index, visible);
    setColumnHidden(index, !visible);
}

int DataGrid::columnOfField(const QString& fieldName) const
{
    const QVector<GridColumn>& all = columns();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].fieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void DataGrid::applyColumnGeometry()
{
    QScopedValueRollback guard(d->applyingGeometry, true);
    const QVector<GridColumn>& all = columns();
    for (int i = 0; i < all.size(); ++i) {
        setColumnHidden(i, false);
        d->header->resizeSection(i, all[i].width);
        setColumnHidden(i, !all[i].visible);
    }
}

void DataGrid::setSortMark(int index, SortMark mark)
{
    d->header->setSortMark(index, mark);
}

SortMark DataGrid::sortMark(int index) const
{
    return d->header->sortMark(index);
}

// ---------------------------------------------------------------- footer

void DataGrid::setFooterVisible(bool visible)
{
    d->footerVisible = visible;
    updateGeometries();
}

bool DataGrid::footerVisible() const
{
    return d->footerVisible;
}

QString DataGrid::footerText(int index) const
{
    return d->model->footerText(index);
}

QString DataGrid::cellText(int row, int index) const
{
    return d->model->cellText(row, index);
}

void DataGrid::updateGeometries()
{
    if (d->placingFooter)
        return;
    // The table view sets the viewport's margins for its headers; the footer
    // takes a strip under the viewport. A change of margins resizes the
    // viewport, which lays the view out again while the table view is still
    // measuring: its rows and scroll bars are then measured with the footer's
    // strip already taken.
    QTableView::updateGeometries();
    if (!d->footer)
        return; // still being made
    QScopedValueRollback guard(d->placingFooter, true);
    const int footerHeight = d->footerVisible ? uniformRowHeight() : 0;
    const QMargins margins = viewportMargins();
    if (margins.bottom() != footerHeight)
        setViewportMargins(margins.left(), margins.top(), margins.right(), footerHeight);
    placeFooter();
}

void DataGrid::placeFooter()
{
    if (!d->footerVisible) {
        d->footer->hide();
        return;
    }
    const QRect area = viewport()->geometry();
    const int left = verticalHeader()->isHidden() ? area.left() : verticalHeader()->geometry().left();
    d->footer->setGeometry(left, area.bottom() + 1, area.right() - left + 1, uniformRowHeight());
    d->footer->setCellsOffset(area.left() - left);
    d->footer->show();
}

// ---------------------------------------------------------------- rows

void DataGrid::setMultiSelect(bool multi)
{
    setSelectionMode(multi ? ExtendedSelection : SingleSelection);
}

QVector<int> DataGrid::selectedRows() const
{
    QVector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty() && d->dataSet && d->dataSet->currentRow() >= 0)
        rows << d->dataSet->currentRow();
    return rows;
}

void DataGrid::setEditable(bool editable)
{
    d->model->setEditable(editable);
}

int DataGrid::uniformRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void DataGrid::applyRowHeight()
{
    const int height = fontMetrics().height() + kRowPadding;
    verticalHeader()->setMinimumSectionSize(qMin(verticalHeader()->minimumSectionSize(), height));
    verticalHeader()->setDefaultSectionSize(height);
    updateGeometries();
}

void DataGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyRowHeight();
}

QModelIndex DataGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Whole rows are selected: Home and End go to the first and the last row.
    if (action != MoveHome && action != MoveEnd)
        return QTableView::moveCursor(action, modifiers);
    const int rows = d->model->rowCount();
    const int column = currentOrFirstVisibleColumn();
    if (rows == 0 || column < 0)
        return {};
    return d->model->index(action == MoveHome ? 0 : rows - 1, column);
}
