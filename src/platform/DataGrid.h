#pragma once

#include <QString>
#include <QTableView>
#include <QVector>

class DataSet;

enum class FooterType { None = 0, Text = 1, Sum = 2 };
enum class SortMark { None, Ascending, Descending };

// One column of a data grid, as a layout stores it.
struct GridColumn {
    QString fieldName;
    QString title;
    int width = 80;
    bool visible = true;
    bool readOnly = true;
    QString displayFormat;            // number or date format of the cells and the footer
    FooterType footerType = FooterType::None;
    QString footerText;
    Qt::Alignment alignment = Qt::AlignLeft; // of cells and footer; titles are centred
    bool emptyDateRule = false;       // show blank for values before 1901-08-14
};

// A grid over a data set: columns with titles, widths, formats and
// alignment, a footer row (fixed text or the column's sum), sort marks on the
// titles, whole-row selection (one or many rows) and fixed row heights.
// The grid follows the data set's current row and sets it when the operator
// moves. Display text is made only for the rows on screen.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const;

    // The designed columns of a grid, or the columns of a loaded layout. Until
    // columns are given, every field of the data set is a column under its name.
    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const;
    int gridColumnCount() const;
    const GridColumn& gridColumn(int index) const;
    void setGridColumn(int index, const GridColumn& column);
    void setColumnTitle(int index, const QString& title);
    void setColumnVisible(int index, bool visible);
    // Index of the first column with that field (without regard to case), -1 when none.
    int columnOfField(const QString& fieldName) const;

    // Marks shown on the titles, on any number of columns; they do not sort.
    void setSortMark(int index, SortMark mark);
    SortMark sortMark(int index) const;

    // The footer row under the rows (hidden by default).
    void setFooterVisible(bool visible);
    bool footerVisible() const;
    // The footer text of a column as shown (fixed text, formatted sum, or empty).
    QString footerText(int index) const;
    // The text a cell shows (format and empty-date rule applied).
    QString cellText(int row, int index) const;

    void setMultiSelect(bool multi);
    // Rows selected, in the data set's present order; the current row when none is selected.
    QVector<int> selectedRows() const;

    // Cells of columns that are not read-only can be edited (off by default);
    // an edit changes the data set's value in memory.
    void setEditable(bool editable);

    // The height of every row and of the footer.
    int uniformRowHeight() const;

Q_SIGNALS:
    void titleClicked(int index);
    void rowDoubleClicked(int row);

protected:
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void changeEvent(QEvent* event) override;

private:
    void dataSetReset();
    void followDataSetRow(int row);
    void applyColumnGeometry();
    void applyRowHeight();
    void placeFooter();
    int currentOrFirstVisibleColumn() const;

    class Private;
    Private* d;
};
