// dataset_sort_500k: seconds for DataSet::sortBy("f_gddept ASC,f_code DESC,")
// on "select * from t_Files" of the 500,000-archive demo database. Baseline:
// std::stable_sort of a vector of structs holding the two keys as std::string,
// compared the same way (ASCII letters without regard to case). Median of five
// runs each; the two orders are checked to be the same.
#include "db/Connection.h"
#include "db/DataSet.h"
#include "demo/GuiPlatform.h"
#include "support/BenchData.h"
#include "support/BenchReport.h"
#include "support/BenchTiming.h"

#include <QGuiApplication>

#include <string>
#include <vector>

namespace {

constexpr int kRuns = 5;

struct Row {
    std::string department;
    std::string code;
    qint64 id;
};

int compareFolded(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        const int ca = fold(static_cast<unsigned char>(a[i])), cb = fold(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool before(const Row& a, const Row& b)
{
    if (const int byDepartment = compareFolded(a.department, b.department))
        return byDepartment < 0;
    return compareFolded(a.code, b.code) > 0;
}

std::vector<Row> rowsOf(const DataSet& set)
{
    const int department = set.fieldIndex(QStringLiteral("F_GDdept"));
    const int code = set.fieldIndex(QStringLiteral("F_code"));
    const int id = set.fieldIndex(QStringLiteral("F_ID"));
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(set.recordCount()));
    for (int r = 0; r < set.recordCount(); ++r)
        rows.push_back({set.bytes(r, department).toStdString(), set.bytes(r, code).toStdString(), set.intValue(r, id)});
    return rows;
}

bool sameOrder(const DataSet& set, const std::vector<Row>& rows)
{
    const int id = set.fieldIndex(QStringLiteral("F_ID"));
    for (int r = 0; r < set.recordCount(); ++r) {
        if (set.intValue(r, id) != rows[static_cast<size_t>(r)].id)
            return false;
    }
    return true;
}

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    Connection connection;
    QString reason;
    if (!connection.open(BenchData::demoDatabase500k(), &reason)) {
        BenchReport::note("dataset_sort_500k: " + reason.toStdString());
        return 1;
    }
    DataSet set;
    connection.load(QStringLiteral("select * from t_Files"), set);
    const std::vector<Row> statementOrder = rowsOf(set);

    std::vector<double> sortSeconds, baselineSeconds;
    std::vector<Row> sorted;
    for (int run = 0; run < kRuns; ++run) {
        sortSeconds.push_back(secondsOf([&] { set.sortBy(QStringLiteral("f_gddept ASC,f_code DESC,")); }));
        sorted = statementOrder;
        baselineSeconds.push_back(secondsOf([&] { std::stable_sort(sorted.begin(), sorted.end(), before); }));
    }
    if (!sameOrder(set, sorted)) {
        BenchReport::note("dataset_sort_500k: the data set's order differs from the baseline's");
        return 1;
    }
    BenchReport::figure("dataset_sort_500k", median(sortSeconds), "s", median(baselineSeconds));
    return 0;
}
