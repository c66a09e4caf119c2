#include "demo/DeferredIndexes.h"

#include "db/DbError.h"

#include <QString>

#include <sqlite3.h>

namespace {

std::string quotedList(std::initializer_list<std::string_view> names)
{
    std::string list;
    for (std::string_view name : names) {
        list += list.empty() ? "'" : ",'";
        for (char c : name)
            list += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        list += '\'';
    }
    return list;
}

}

DeferredIndexes::DeferredIndexes(sqlite3* db, std::initializer_list<std::string_view> tables) : m_db(db)
{
    // Indexes without a definition are the engine's own (primary keys, unique columns).
    const std::string query = "select name,sql from sqlite_master where type = 'index' and sql is not null "
                              "and lower(tbl_name) in (" + quotedList(tables) + ") order by name";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, query.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)), QString::fromStdString(query));
    std::vector<std::string> names;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        m_definitions.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
    }
    sqlite3_finalize(statement);
    for (const std::string& name : names)
        run("drop index \"" + name + "\"");
}

void DeferredIndexes::rebuild()
{
    for (const std::string& definition : m_definitions)
        run(definition);
    m_definitions.clear();
}

void DeferredIndexes::run(const std::string& statement)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, statement.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
        return;
    const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(m_db));
    sqlite3_free(error);
    throw DbError(message, QString::fromStdString(statement));
}
