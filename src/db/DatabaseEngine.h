#pragma once

#include "db/Dialect.h"
#include "db/Params.h"

#include <QString>

class DataSet;

// One engine behind the connection. Statements given to it are already in the
// engine's own dialect. Every failing call throws DbError.
class DatabaseEngine {
public:
    virtual ~DatabaseEngine() = default;
    virtual EngineKind kind() const = 0;

    // Opens an existing database of this program; never creates one.
    // Returns false with a reason when the file is missing or not such a database.
    virtual bool open(const QString& databaseFile, QString* reason) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Runs one statement. When it yields rows and into is given, the rows are
    // loaded into it. Returns the number of rows changed (0 for a result).
    // resultColumns, when given, receives the number of result columns.
    virtual int run(const QString& statement, const Params& params, DataSet* into, int* resultColumns) = 0;

    virtual void begin() = 0; // takes the write lock at once
    virtual void commit() = 0;
    virtual void rollback() = 0;

    // A consistent copy of the open database into a new file.
    virtual void backupTo(const QString& targetFile) = 0;
    // A compacted copy of the open database into a new file.
    virtual void compactInto(const QString& targetFile) = 0;
};

// True when the file is a sound database of this program (integrity check passes).
bool checkDatabaseFile(EngineKind kind, const QString& file, QString* reason);
