#pragma once

#include "demo/DemoDatabase.h"

#include <QString>

// The 500,000-archive demo database the data set benchmarks read. It is made
// once and kept under <build>/bench/data-500k/, with a stamp of what it was
// made from (archive count, seed, schema, generation of the demo data); a
// database with another stamp is made again.
namespace BenchData {

DemoOptions options500k();
// The cached database, made first when it is missing or stale. Throws
// std::runtime_error when it cannot be made.
QString demoDatabase500k();
// Takes a database just made with options500k() into the cache when the
// cache is missing or stale; otherwise leaves the file where it is.
void offer500k(const QString& databaseFile);
// A folder under <build>/bench for work files, on the same disk as the cache.
QString workFolder();

}
