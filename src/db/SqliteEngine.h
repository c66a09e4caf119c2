#pragma once

#include "db/DatabaseEngine.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// SQLite through QtSql's driver; statements run on the driver's native handle,
// which loads results straight into a DataSet without a QVariant per value.
class SqliteEngine : public DatabaseEngine {
public:
    SqliteEngine();
    ~SqliteEngine() override;

    EngineKind kind() const override { return EngineKind::SQLite; }
    bool open(const QString& databaseFile, QString* reason) override;
    void close() override;
    bool isOpen() const override { return m_handle != nullptr; }
    int run(const QString& statement, const Params& params, DataSet* into, int* resultColumns) override;
    void begin() override;
    void commit() override;
    void rollback() override;
    void backupTo(const QString& targetFile) override;
    void compactInto(const QString& targetFile) override;

    sqlite3* handle() const { return m_handle; }

private:
    sqlite3_stmt* prepare(const QString& statement);
    void bind(sqlite3_stmt* stmt, const Params& params, const QString& statement);
    void load(sqlite3_stmt* stmt, int firstStep, DataSet& into, const QString& statement);
    [[noreturn]] void fail(const QString& statement);

    QString m_connectionName;
    sqlite3* m_handle = nullptr;
};
