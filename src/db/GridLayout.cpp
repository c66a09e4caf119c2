#include "db/GridLayout.h"

#include "db/DataModule.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/SqlText.h"
#include "db/TFrmDispFieldXZ.h"
#include "db/TfrmRowArrangeGl.h"
#include "platform/DataGrid.h"
#include "platform/Messages.h"

#include <QStringList>

namespace GridLayout {

namespace {

using DataMessages::kOperationFailed;

const QStringList kLayoutFields = {
    QStringLiteral("F_FieldName"), QStringLiteral("F_Caption"), QStringLiteral("F_Width"),
    QStringLiteral("F_Visible"), QStringLiteral("F_ReadOnly"), QStringLiteral("F_DisplayFormat"),
    QStringLiteral("F_FooterValue"), QStringLiteral("F_FooterType"), QStringLiteral("F_Alignment"),
};

bool hasLayoutFields(const DataSet& rows)
{
    for (const QString& field : kLayoutFields) {
        if (rows.fieldIndex(field) < 0)
            return false;
    }
    return true;
}

// A yes/no value as the engines store it: a number (true when not 0) or a text.
bool flagValue(const DataSet& rows, int row, const QString& fieldName)
{
    const int column = rows.fieldIndex(fieldName);
    if (rows.isNull(row, column))
        return false;
    return rows.realValue(row, column) != 0 || rows.text(row, column).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

FooterType footerTypeOf(qint64 stored)
{
    switch (stored) {
    case 1:
        return FooterType::Text;
    case 2:
        return FooterType::Sum;
    default:
        return FooterType::None;
    }
}

Qt::Alignment alignmentOf(qint64 stored)
{
    switch (stored) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

int storedAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return 1;
    return (alignment & Qt::AlignRight) ? 2 : 0;
}

int storedFooterType(FooterType type)
{
    return static_cast<int>(type);
}

GridColumn columnOf(const DataSet& rows, int row, const DataGrid& grid)
{
    auto text = [&](const char* field) { return rows.value(row, QLatin1String(field)).toString(); };
    auto number = [&](const char* field) { return rows.value(row, QLatin1String(field)).toLongLong(); };
    GridColumn column;
    column.fieldName = text("F_FieldName");
    column.title = text("F_Caption");
    if (!rows.value(row, QLatin1String("F_Width")).isNull())
        column.width = static_cast<int>(number("F_Width"));
    column.visible = flagValue(rows, row, QStringLiteral("F_Visible"));
    column.readOnly = flagValue(rows, row, QStringLiteral("F_ReadOnly"));
    column.displayFormat = text("F_DisplayFormat");
    column.footerText = text("F_FooterValue");
    column.footerType = footerTypeOf(number("F_FooterType"));
    column.alignment = alignmentOf(number("F_Alignment"));
    // The empty-date rule belongs to the grid's design, not to the layout.
    const int designed = grid.columnOfField(column.fieldName);
    column.emptyDateRule = designed >= 0 && grid.gridColumn(designed).emptyDateRule;
    return column;
}

QString saveStatement(const GridColumn& column, int position, const QString& name)
{
    return QStringLiteral("update cfg_grid set F_caption = ") + SqlText::quoted(column.title)
        + QStringLiteral(",F_width = ") + QString::number(column.width)
        + QStringLiteral(",F_readonly = ") + QString::number(column.readOnly ? 1 : 0)
        + QStringLiteral(",F_visible = ") + QString::number(column.visible ? 1 : 0)
        + QStringLiteral(",F_order = ") + QString::number(position)
        + QStringLiteral(",F_alignMent = ") + QString::number(storedAlignment(column.alignment))
        + QStringLiteral(",F_displayFormat = ") + SqlText::quoted(column.displayFormat)
        + QStringLiteral(",F_footerValue = ") + SqlText::quoted(column.footerText)
        + QStringLiteral(",F_footerType = ") + QString::number(storedFooterType(column.footerType))
        + QStringLiteral(" where (F_name = ") + SqlText::quoted(name.toLower())
        + QStringLiteral(" and F_fieldname = ") + SqlText::quoted(column.fieldName) + QStringLiteral(") ");
}

}

void load(DataGrid* grid, const QString& name)
{
    DataSet rows;
    try {
        dmData->connection().load(QStringLiteral("Select * from cfg_Grid Where (F_name = ") + SqlText::quoted(name)
                                      + QStringLiteral(" and F_fieldname <> '') order by F_Order"),
                                  rows);
    } catch (const DbError&) {
        ShowMess(kOperationFailed, MessFailure);
        return;
    }
    if (rows.isEmpty())
        return;
    if (!hasLayoutFields(rows)) {
        ShowMess(kOperationFailed, MessFailure);
        return;
    }
    QVector<GridColumn> columns;
    for (int row = 0; row < rows.recordCount(); ++row)
        columns << columnOf(rows, row, *grid);
    grid->setColumns(columns);
}

void save(DataGrid* grid, const QString& name)
{
    for (int i = 0; i < grid->gridColumnCount(); ++i)
        dmData->execute(saveStatement(grid->gridColumn(i), i, name));
}

void chooseColumns(DataGrid* grid)
{
    TFrmDispFieldXZ dialog(grid, grid->window());
    dialog.exec();
}

QString sortDialog(DataGrid* grid)
{
    TfrmRowArrangeGl dialog(*grid, grid->window());
    return dialog.exec() == QDialog::Accepted ? dialog.sortKeys() : QString();
}

void applySortKeys(DataGrid* grid, const QString& keys)
{
    if (grid->dataSet())
        grid->dataSet()->sortBy(keys);
}

void titleClick(DataGrid* grid, int column)
{
    DataSet* rows = grid->dataSet();
    const bool open = rows && rows->fieldCount() > 0;
    if (!open || column < 0 || column >= grid->gridColumnCount())
        return;
    const SortMark mark = grid->sortMark(column) == SortMark::Ascending ? SortMark::Descending : SortMark::Ascending;
    grid->setSortMark(column, mark);
    const QString field = grid->gridColumn(column).fieldName;
    if (field.toLower().contains(QLatin1String("mem")))
        return;
    rows->sortBy(field + (mark == SortMark::Ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC")));
}

}
