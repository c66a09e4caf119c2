#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// Sets the indexes of some tables aside while they are filled, then makes them
// again from their own definitions: one index build over all rows is several
// times faster than keeping the index up to date row by row. Both steps run
// inside the caller's transaction, so a failed fill keeps the indexes.
// Failures throw DbError.
class DeferredIndexes {
public:
    DeferredIndexes(sqlite3* db, std::initializer_list<std::string_view> tables);
    void rebuild();

private:
    void run(const std::string& statement);

    sqlite3* m_db;
    std::vector<std::string> m_definitions;
};
