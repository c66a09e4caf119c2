#pragma once

#include "demo/BulkInsert.h"
#include "demo/DemoClasses.h"
#include "demo/DemoRecords.h"

#include <vector>

struct sqlite3;

// Writes the demo rows through statements prepared once and reused for every
// row. The caller holds the transaction.
class DemoStore {
public:
    explicit DemoStore(sqlite3* db);

    void writeClasses(const std::vector<DemoClass>& classes);
    void writeCodedLists();
    void write(const DemoArchive& archive);
    void write(const DemoLoan& loan);
    void write(const DemoReminder& reminder);
    void write(const DemoImage& image);
    void write(const DemoAttachment& attachment);

private:
    sqlite3* m_db;
    BulkInsert m_archives;
    BulkInsert m_loans;
    BulkInsert m_reminders;
    BulkInsert m_images;
    BulkInsert m_attachments;
};
