#pragma once

#include "platform/DataGrid.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class DataSet;

// The table a data grid shows: one row per row of the data set in its
// present order, one column per grid column. Cell text is made when the view
// asks for it, that is for the rows on screen only; footer texts are made
// once per reload. The owner calls reload() after the data set was reset.
class DataGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataGridModel(QObject* parent = nullptr);

    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const { return m_dataSet; }

    // Columns given by a design or a layout. Until then every field of the
    // data set is shown under its own name.
    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const { return m_columns; }
    void setColumn(int index, const GridColumn& column);
    // Kept in step with the view without a signal (the view changed it).
    void setColumnWidth(int index, int width) { m_columns[index].width = width; }
    void setColumnVisible(int index, bool visible) { m_columns[index].visible = visible; }
    void setColumnTitle(int index, const QString& title);

    // After the data set was loaded, cleared or reordered.
    void reload();
    void valueChanged(int row, int field);

    void setEditable(bool editable) { m_editable = editable; }

    QString cellText(int row, int column) const;
    QString footerText(int column) const { return m_footerTexts.value(column); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // The set of columns was replaced (the view applies widths and visibility).
    void columnsReplaced();
    void footerChanged();

private:
    bool columnsFollowFields() const { return !m_designed; }
    void takeColumnsFromFields();
    void bindFields();
    void makeFooterTexts();
    QString footerTextOf(int column) const;

    DataSet* m_dataSet = nullptr;
    QVector<GridColumn> m_columns;
    QVector<int> m_fieldOf; // data set field of each column, -1 when absent
    QStringList m_footerTexts;
    bool m_designed = false;
    bool m_editable = false;
};
