// demo_500k: seconds to make the 500,000-archive demo database with all its
// records (one transaction, indexes built at the end). demo_500k_cpu: the
// processor seconds the process spent on it, which tell the work apart from
// waiting when other programs share the machine.
#include "demo/DemoDatabase.h"
#include "demo/GuiPlatform.h"
#include "support/BenchData.h"
#include "support/BenchReport.h"
#include "support/BenchTiming.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    QTemporaryDir folder(QDir(BenchData::workFolder()).filePath(QStringLiteral("demo-XXXXXX")));
    const QString file = QDir(folder.path()).filePath(QStringLiteral("Dossara.mdb"));

    QString reason;
    bool made = false;
    const double processorBefore = processorSeconds();
    const double seconds = secondsOf([&] { made = DemoDatabase::create(file, BenchData::options500k(), &reason); });
    if (!made) {
        BenchReport::note("demo_500k: " + reason.toStdString());
        return 1;
    }
    BenchReport::note("demo database of " + std::to_string(QFileInfo(file).size() / (1024 * 1024)) + " MiB");
    BenchReport::figure("demo_500k", seconds, "s");
    BenchReport::figure("demo_500k_cpu", processorSeconds() - processorBefore, "s");
    BenchData::offer500k(file);
    return 0;
}
