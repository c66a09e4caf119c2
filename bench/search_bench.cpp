// search_few_500k, search_most_500k: seconds from a change of the search text
// in the main window on the 500,000-archive demo database to the updated
// archive list and count label, the window's events processed (so the grid
// has been laid out and painted). The search field is "档案编号"; the few
// value matches a handful of codes, the most value nearly every code.
// Baseline: the statement the window ran, as the engine receives it, stepped
// through with the SQLite C API and every value copied into vectors.
// Median of five runs each, after one untimed run.
#include "admin/Session.h"
#include "db/DataModule.h"
#include "demo/GuiPlatform.h"
#include "main/TFrmMain.h"
#include "platform/ProgramFolder.h"
#include "support/BenchData.h"
#include "support/BenchReport.h"
#include "support/BenchTiming.h"
#include "support/RawReader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

constexpr int kRuns = 5;
const QString kNothing = QStringLiteral("~"); // matches no code: the text the box holds before each run

struct SearchCase {
    std::string name;
    QString value;
};

class SearchBench {
public:
    SearchBench(TdmData& data, const QString& databaseFile) : m_data(data), m_window(data), m_raw(databaseFile)
    {
        m_window.sessionStarted();
        m_window.show();
        QApplication::processEvents();
        m_window.findChild<QComboBox*>(QStringLiteral("cbSearchField"))->setCurrentIndex(0);
        m_box = m_window.findChild<QLineEdit*>(QStringLiteral("edtSearchValue"));
        m_count = m_window.findChild<QLabel*>(QStringLiteral("lblArchiveCount"));
    }

    bool measure(const SearchCase& search)
    {
        std::vector<double> windowSeconds, rawSeconds;
        for (int run = 0; run <= kRuns; ++run) {
            m_box->setText(kNothing);
            QApplication::processEvents();
            const double searching = secondsOf([&] {
                m_box->setText(search.value);
                QApplication::processEvents();
            });
            const int rows = m_window.archives().recordCount();
            if (m_count->text() != QStringLiteral("档案总数： %1 个").arg(rows)) {
                BenchReport::note(search.name + ": the count label does not show the rows");
                return false;
            }
            std::vector<RawReader::Column> columns;
            const QByteArray statement = m_data.connection().translate(m_window.archives().statement()).toUtf8();
            size_t rawRows = 0;
            const double stepping = secondsOf([&] { rawRows = m_raw.load(statement.constData(), columns); });
            if (run == 0) {
                BenchReport::note(search.name + ": " + std::to_string(rows) + " rows listed, baseline "
                                  + std::to_string(rawRows) + " rows");
                continue;
            }
            windowSeconds.push_back(searching);
            rawSeconds.push_back(stepping);
        }
        BenchReport::figure(search.name, median(windowSeconds), "s", median(rawSeconds));
        return true;
    }

private:
    TdmData& m_data;
    TFrmMain m_window;
    RawReader m_raw;
    QLineEdit* m_box = nullptr;
    QLabel* m_count = nullptr;
};

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const QString file = BenchData::demoDatabase500k();
    QTemporaryDir folder(QDir(BenchData::workFolder()).filePath(QStringLiteral("search-XXXXXX")));
    ProgramFolder::set(folder.path());
    TdmData data(QDir(folder.path()).filePath(QStringLiteral("config.ini")));
    QString reason;
    if (!data.connection().open(file, &reason)) {
        BenchReport::note("search: " + reason.toStdString());
        return 1;
    }
    Session::current().operatorName = QStringLiteral("admin");

    SearchBench bench(data, file);
    const bool measured = bench.measure({"search_few_500k", QStringLiteral("2019-0041")})
        && bench.measure({"search_most_500k", QStringLiteral("0")});
    return measured ? 0 : 1;
}
