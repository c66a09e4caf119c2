#pragma once

#include <QString>

class DataGrid;

// The column layouts of the data grids, kept in cfg_Grid under a layout name
// such as "DAmain", and the operator's ways of changing what a grid shows:
// the column choice, the sort dialog and a click on a column title.
namespace GridLayout {

// Replaces the grid's columns by the stored layout; without stored rows the
// grid keeps its columns. A failing statement is reported (kind 3) and the
// grid keeps its columns.
void load(DataGrid* grid, const QString& name);
// Stores every column, hidden ones included, in the layout's existing rows.
void save(DataGrid* grid, const QString& name);

// The column-choice dialog; on OK each column is shown exactly when checked.
void chooseColumns(DataGrid* grid);
// The sort dialog; the keys it built ("f_code ASC,f_name DESC,"), or no keys
// when it was cancelled.
QString sortDialog(DataGrid* grid);
// Reorders the grid's rows in memory; no keys restore the statement's order.
void applySortKeys(DataGrid* grid, const QString& keys);

// A click on a title of the archive list: the column's mark turns ascending
// (from none or descending) or descending (from ascending), and the rows are
// ordered by that column alone, except for memo columns (field names
// containing "mem"), whose click only changes the mark.
void titleClick(DataGrid* grid, int column);

}
