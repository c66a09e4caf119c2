#include "demo/BulkInsert.h"

#include "db/DbError.h"

#include <QString>

#include <sqlite3.h>

BulkInsert::BulkInsert(sqlite3* db, std::string_view table, std::initializer_list<std::string_view> columns)
    : m_db(db)
{
    std::string names, marks;
    for (std::string_view column : columns) {
        names += names.empty() ? "" : ",";
        names += column;
        marks += marks.empty() ? "?" : ",?";
    }
    m_sql = "insert into " + std::string(table) + "(" + names + ") values(" + marks + ")";
    check(sqlite3_prepare_v3(m_db, m_sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr));
}

BulkInsert::~BulkInsert()
{
    sqlite3_finalize(m_statement);
}

BulkInsert& BulkInsert::text(std::string_view value)
{
    // A null pointer would bind NULL; an empty text stays an empty text.
    const char* data = value.data() ? value.data() : "";
    check(sqlite3_bind_text64(m_statement, m_nextColumn++, data, value.size(), SQLITE_STATIC, SQLITE_UTF8));
    return *this;
}

BulkInsert& BulkInsert::integer(int64_t value)
{
    check(sqlite3_bind_int64(m_statement, m_nextColumn++, value));
    return *this;
}

BulkInsert& BulkInsert::real(double value)
{
    check(sqlite3_bind_double(m_statement, m_nextColumn++, value));
    return *this;
}

BulkInsert& BulkInsert::blob(const QByteArray& value)
{
    check(sqlite3_bind_blob64(m_statement, m_nextColumn++, value.constData(),
                              static_cast<sqlite3_uint64>(value.size()), SQLITE_STATIC));
    return *this;
}

void BulkInsert::insert()
{
    m_nextColumn = 1;
    const int rc = sqlite3_step(m_statement);
    if (rc != SQLITE_DONE) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_reset(m_statement);
        throw DbError(message, QString::fromStdString(m_sql));
    }
    sqlite3_reset(m_statement);
}

void BulkInsert::check(int rc)
{
    if (rc != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)), QString::fromStdString(m_sql));
}
