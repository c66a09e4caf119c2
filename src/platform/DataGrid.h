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

    // The designed columns of a grid, or the columns of a loaded layout.
    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const;
    int gridColumnCount() const;
    const GridColumn& gridColumn(int index) const;
    void setGridColumn(int index, const GridColumn& column);
    void setColumnTitle(int index, const QString& title);
    void setColumnVisible(int index, bool visible);
    // Index of the first column with that field (without regard to case), -1 when none.
    int columnOfField(const QString& fieldName) const;

    void setSortMark(int index, SortMark mark);
    SortMark sortMark(int index) const;

    void setFooterVisible(bool visible);
    bool footerVisible() const;
    // The footer text of a column as shown (fixed text, formatted sum, or empty).
    QString footerText(int index) const;
    // The text a cell shows (format and empty-date rule applied).
    QString cellText(int row, int index) const;

    void setMultiSelect(bool multi);
    // Rows selected, in the data set's present order; the current row when none is selected.
    QVector<int> selectedRows() const;

Q_SIGNALS:
    void titleClicked(int index);
    void rowDoubleClicked(int row);

private:
    class Private;
    Private* d;
};
