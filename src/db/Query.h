#pragma once

#include "db/DataSet.h"
#include "db/Params.h"

#include <QString>

class Connection;

// A data set that remembers the statement it was opened with, so that it can
// be closed and opened again (editors reopen the list that opened them).
class Query : public DataSet {
    Q_OBJECT
public:
    explicit Query(Connection& connection, QObject* parent = nullptr);

    // Opens the statement (throws DbError; the query stays closed then).
    void open(const QString& statement, const Params& params = {});
    void reopen();   // the same statement again
    void close();    // no fields, no rows
    bool isActive() const { return m_active; }
    const QString& statement() const { return m_statement; }

private:
    Connection& m_connection;
    QString m_statement;
    Params m_params;
    bool m_active = false;
};
