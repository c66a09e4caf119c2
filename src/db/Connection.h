#pragma once

#include "db/DatabaseEngine.h"
#include "db/Dialect.h"
#include "db/Params.h"

#include <QString>
#include <QVariant>

#include <memory>

class DataSet;

// The program's one connection to Dossara.mdb. Every statement is written in
// the windows' dialect and translated here for the engine; "today" in a
// statement comes from the clock seam. Failing statements throw DbError.
// After close(), the next statement opens the same file again.
class Connection {
public:
    explicit Connection(EngineKind engine = EngineKind::SQLite);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing database of this program; false (with reason) otherwise.
    bool open(const QString& databaseFile, QString* reason = nullptr);
    void close();
    bool reopen(QString* reason = nullptr);
    bool isOpen() const;
    const QString& databaseFile() const { return m_file; }
    EngineKind engineKind() const { return m_engine->kind(); }
    DatabaseEngine& engine() { return *m_engine; }

    QString translate(const QString& statement) const;

    // Runs a statement without result; returns the number of rows changed.
    int execute(const QString& statement, const Params& params = {});
    // Opens a result into the data set (replacing what it held).
    void load(const QString& statement, DataSet& into, const Params& params = {});
    // The first column of the first row; null when there is no row.
    QVariant scalar(const QString& statement, const Params& params = {});
    // Any statement: loads its rows when it yields some (returns true), or
    // reports the rows changed (returns false).
    bool run(const QString& statement, DataSet& rows, int* changed, const Params& params = {});

    // Transactions; nested begins join the outer transaction.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

private:
    void ensureOpen();

    std::unique_ptr<DatabaseEngine> m_engine;
    QString m_file;
    int m_depth = 0;
};

// Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& m_connection;
    bool m_done = false;
};
