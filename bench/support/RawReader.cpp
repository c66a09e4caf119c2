#include "support/RawReader.h"

#include <sqlite3.h>

#include <stdexcept>

RawReader::RawReader(const QString& databaseFile)
{
    if (sqlite3_open_v2(databaseFile.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + databaseFile.toStdString());
}

RawReader::~RawReader()
{
    sqlite3_close(m_db);
}

sqlite3_stmt* RawReader::prepare(const char* statement)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, statement, -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(m_db));
    return stmt;
}

size_t RawReader::load(const char* statement, std::vector<Column>& columns)
{
    sqlite3_stmt* stmt = prepare(statement);
    const int count = sqlite3_column_count(stmt);
    columns.assign(static_cast<size_t>(count), Column{});
    size_t rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < count; ++c) {
            Column& column = columns[static_cast<size_t>(c)];
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                column.integers.push_back(sqlite3_column_int64(stmt, c));
                break;
            case SQLITE_FLOAT:
                column.reals.push_back(sqlite3_column_double(stmt, c));
                break;
            case SQLITE_NULL:
                ++column.nulls;
                break;
            default: {
                const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, c));
                column.texts.emplace_back(data, static_cast<size_t>(sqlite3_column_bytes(stmt, c)));
                break;
            }
            }
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    return rows;
}

uint64_t RawReader::textBytes(const char* statement)
{
    sqlite3_stmt* stmt = prepare(statement);
    const int count = sqlite3_column_count(stmt);
    uint64_t total = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < count; ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_NULL)
                continue;
            sqlite3_column_text(stmt, c);
            total += static_cast<uint64_t>(sqlite3_column_bytes(stmt, c));
        }
    }
    sqlite3_finalize(stmt);
    return total;
}
