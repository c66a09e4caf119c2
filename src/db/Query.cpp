#include "db/Query.h"

#include "db/Connection.h"

Query::Query(Connection& connection, QObject* parent) : DataSet(parent), m_connection(connection) {}

void Query::open(const QString& statement, const Params& params)
{
    close();
    m_statement = statement;
    m_params = params;
    m_connection.load(statement, *this, params);
    m_active = true;
}

void Query::reopen()
{
    open(QString(m_statement), Params(m_params));
}

void Query::close()
{
    m_active = false;
    clear();
}
