// dataset_open_500k: seconds to open "select * from t_Files" of the
// 500,000-archive demo database into a DataSet through Connection::load.
// Baseline: the same statement stepped through with the SQLite C API, every
// value copied into vectors. Median of five runs each, after one untimed run
// that brings the file into the page cache.
#include "db/Connection.h"
#include "db/DataSet.h"
#include "demo/GuiPlatform.h"
#include "support/BenchData.h"
#include "support/BenchReport.h"
#include "support/BenchTiming.h"
#include "support/RawReader.h"

#include <QGuiApplication>

namespace {

constexpr const char* kStatement = "select * from t_Files";
constexpr int kRuns = 5;

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    const QString file = BenchData::demoDatabase500k();
    Connection connection;
    QString reason;
    if (!connection.open(file, &reason)) {
        BenchReport::note("dataset_open_500k: " + reason.toStdString());
        return 1;
    }
    RawReader raw(file);

    std::vector<double> dataSetSeconds, rawSeconds;
    for (int run = 0; run <= kRuns; ++run) {
        DataSet set;
        const double loading = secondsOf([&] { connection.load(QString::fromLatin1(kStatement), set); });
        std::vector<RawReader::Column> columns;
        size_t rows = 0;
        const double stepping = secondsOf([&] { rows = raw.load(kStatement, columns); });
        if (run == 0) {
            BenchReport::note(std::to_string(set.recordCount()) + " rows of " + std::to_string(set.fieldCount())
                              + " columns; baseline " + std::to_string(rows) + " rows");
            continue;
        }
        dataSetSeconds.push_back(loading);
        rawSeconds.push_back(stepping);
    }
    BenchReport::figure("dataset_open_500k", median(dataSetSeconds), "s", median(rawSeconds));
    return 0;
}
