#pragma once

#include <QStringList>

class DataSet;
class QPlainTextEdit;

// The lines that describe the current archive, shown by the borrowing,
// attachment and reminder editors: an empty line, then "  档案编号:" + code and
// the other labelled values of the archive's row. The filing date is left out
// while it is the empty date.
namespace ArchiveSummary {
QStringList lines(const DataSet& archives);
// Empties the box and writes the lines into it.
void fill(QPlainTextEdit* box, const DataSet& archives);
}
