#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

// The baseline of the data set benchmarks: a statement stepped through with
// the SQLite C API, every value copied into plain vectors, nothing else.
class RawReader {
public:
    struct Column {
        std::vector<std::string> texts; // texts and blobs
        std::vector<int64_t> integers;
        std::vector<double> reals;
        size_t nulls = 0;
    };

    explicit RawReader(const QString& databaseFile); // read-only; throws std::runtime_error
    ~RawReader();
    RawReader(const RawReader&) = delete;
    RawReader& operator=(const RawReader&) = delete;

    // Copies every value of the result into columns; returns the rows read.
    size_t load(const char* statement, std::vector<Column>& columns);
    // The size of every value of the result as UTF-8 text (numbers as their text).
    uint64_t textBytes(const char* statement);

private:
    struct sqlite3_stmt* prepare(const char* statement);

    sqlite3* m_db = nullptr;
};
