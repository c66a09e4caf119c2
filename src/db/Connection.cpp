#include "db/Connection.h"

#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/SqliteEngine.h"
#include "platform/Clock.h"

namespace {

std::unique_ptr<DatabaseEngine> makeEngine(EngineKind kind)
{
    switch (kind) {
    case EngineKind::SQLite:
        return std::make_unique<SqliteEngine>();
    case EngineKind::PostgreSQL:
        break;
    }
    return std::make_unique<SqliteEngine>();
}

}

Connection::Connection(EngineKind engine) : m_engine(makeEngine(engine)) {}

Connection::~Connection()
{
    close();
}

bool Connection::open(const QString& databaseFile, QString* reason)
{
    close();
    m_file = databaseFile;
    return m_engine->open(databaseFile, reason);
}

void Connection::close()
{
    if (m_engine->isOpen() && m_depth > 0) {
        try {
            m_engine->rollback();
        } catch (const DbError&) {
        }
    }
    m_depth = 0;
    m_engine->close();
}

bool Connection::reopen(QString* reason)
{
    m_engine->close();
    m_depth = 0;
    return m_engine->open(m_file, reason);
}

bool Connection::isOpen() const
{
    return m_engine->isOpen();
}

void Connection::ensureOpen()
{
    if (m_engine->isOpen())
        return;
    QString reason;
    if (m_file.isEmpty() || !m_engine->open(m_file, &reason))
        throw DbError(reason.isEmpty() ? QStringLiteral("数据库未打开") : reason);
}

QString Connection::translate(const QString& statement) const
{
    return translateStatement(statement, DialectContext{m_engine->kind(), clockToday()});
}

int Connection::execute(const QString& statement, const Params& params)
{
    DataSet ignored;
    int changed = 0;
    run(statement, ignored, &changed, params);
    return changed;
}

void Connection::load(const QString& statement, DataSet& into, const Params& params)
{
    int changed = 0;
    if (!run(statement, into, &changed, params))
        into.clear();
}

QVariant Connection::scalar(const QString& statement, const Params& params)
{
    DataSet rows;
    load(statement, rows, params);
    if (rows.isEmpty() || rows.fieldCount() == 0)
        return {};
    return rows.value(0, 0);
}

bool Connection::run(const QString& statement, DataSet& rows, int* changed, const Params& params)
{
    QString translated;
    try {
        translated = translate(statement);
    } catch (const DialectError& error) {
        throw DbError(QString::fromUtf8(error.what()), statement);
    }
    ensureOpen();
    int columns = 0;
    const int count = m_engine->run(translated, params, &rows, &columns);
    if (changed)
        *changed = count;
    return columns > 0;
}

void Connection::begin()
{
    ensureOpen();
    if (m_depth == 0)
        m_engine->begin();
    ++m_depth;
}

void Connection::commit()
{
    if (m_depth == 0)
        return;
    if (m_depth == 1)
        m_engine->commit();
    --m_depth;
}

void Connection::rollback()
{
    if (m_depth == 0)
        return;
    m_depth = 0;
    m_engine->rollback();
}

Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    m_connection.begin();
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_connection.rollback();
        } catch (const DbError&) {
        }
    }
}

void Transaction::commit()
{
    m_connection.commit();
    m_done = true;
}
