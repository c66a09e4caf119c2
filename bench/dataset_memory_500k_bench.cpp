// dataset_memory_500k: DataSet::memoryBytes() of "select * from t_Files" of the
// 500,000-archive demo database; dataset_rss_500k: how much the resident set
// of this process grew while loading it. Baseline of both: the size of all
// values of the result as UTF-8 text.
#include "db/Connection.h"
#include "db/DataSet.h"
#include "demo/GuiPlatform.h"
#include "support/BenchData.h"
#include "support/BenchReport.h"
#include "support/RawReader.h"

#include <QGuiApplication>

#include <fstream>

#include <unistd.h>

namespace {

constexpr const char* kStatement = "select * from t_Files";

double residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    const QString file = BenchData::demoDatabase500k();
    const double textBytes = static_cast<double>(RawReader(file).textBytes(kStatement));

    Connection connection;
    QString reason;
    if (!connection.open(file, &reason)) {
        BenchReport::note("dataset_memory_500k: " + reason.toStdString());
        return 1;
    }
    const double before = residentBytes();
    DataSet set;
    connection.load(QString::fromLatin1(kStatement), set);
    const double after = residentBytes();

    BenchReport::note(std::to_string(set.recordCount()) + " rows");
    BenchReport::figure("dataset_memory_500k", static_cast<double>(set.memoryBytes()), "bytes", textBytes);
    BenchReport::figure("dataset_rss_500k", after - before, "bytes", textBytes);
    return 0;
}
