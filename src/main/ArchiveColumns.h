#pragma once

#include "platform/DataGrid.h"

#include <QVector>

// The designed columns of the archive list, replaced by the stored layout
// "DAmain" when there is one: every column 80 pixels wide, the custom items
// under their default titles, the filing date and the custom dates shown
// blank while they hold the empty date.
namespace ArchiveColumns {
inline const QString kLayoutName = QStringLiteral("DAmain");
QVector<GridColumn> designed();
}
