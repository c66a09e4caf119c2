#pragma once

#include <QByteArray>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// Inserts many rows into one table through one prepared statement on a native
// SQLite handle: the values of a row are bound in column order, then insert()
// writes the row and makes the statement ready for the next. Texts and blobs
// are not copied: they must stay alive until insert(). Failures throw DbError.
class BulkInsert {
public:
    BulkInsert(sqlite3* db, std::string_view table, std::initializer_list<std::string_view> columns);
    ~BulkInsert();
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    BulkInsert& text(std::string_view value);
    BulkInsert& integer(int64_t value);
    BulkInsert& real(double value);
    BulkInsert& blob(const QByteArray& value);
    void insert();

private:
    void check(int rc);

    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    std::string m_sql;
    int m_nextColumn = 1;
};
