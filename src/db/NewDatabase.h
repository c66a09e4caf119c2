#pragma once

#include <QString>

// Makes a new, empty database of this program from the schema shipped with it
// (tables, indexes and the rows a new database must hold). Refuses to
// overwrite an existing file. Returns false with a reason on failure, and
// leaves no partly written file behind.
namespace NewDatabase {
bool create(const QString& databaseFile, QString* reason);
QString schemaText();
}
