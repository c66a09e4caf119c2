#pragma once

#include <QDate>
#include <QString>

class TdmData;

namespace Backup {

// Whether closing the program on that day asks for a backup, by the
// automatic backup frequency (0 never, 1 always, 2 Mondays, 3 first of the month).
bool questionDue(int frequency, const QDate& day);

// The backup file of a day in a folder: folder/dpyyyyMMdd.back.
QString targetFile(const QString& folder, const QDate& day);

// Makes the folder when it is missing, after asking; false when the operator
// declined or the folder could not be made (reported).
bool ensureFolder(const QString& folder);

// The automatic backup when the program closes: a consistent, checked copy of
// the open database into the backup folder of SysInfo, once a day.
void automatic(TdmData& data);

// A consistent copy of the open database into target (replacing it), checked
// before it takes the target's name. Throws DbError on failure.
void copyOpenDatabase(TdmData& data, const QString& target);

}

// Compacts a database file that no connection of this program has open:
// the compacted copy replaces the file only after it passes an integrity check.
bool CompactDatabase(const QString& databaseFile);
