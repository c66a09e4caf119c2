#pragma once

#include <QString>

#include <cstdint>

struct DemoOptions {
    int archives = 2000;
    uint64_t seed = 1;
    // Only the first archives get scanned images and attachments.
    int archivesWithMedia = 1000;
};

// A database full of made-up but consistent data for trying the program and
// for measuring it: the classification tree, the coded lists, the company,
// the operators, archives with borrowings, reminders, images and attachments,
// dated around the clock's today. One seed and one today always give the same
// rows (the password hashes aside, which are salted).
namespace DemoDatabase {

inline constexpr int kMaxArchives = 2'000'000;

// Makes the new database file from the schema and fills it in one transaction.
// Refuses to overwrite a file; on failure leaves no file behind.
bool create(const QString& databaseFile, const DemoOptions& options, QString* reason);

}
