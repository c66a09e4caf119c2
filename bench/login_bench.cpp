// login_to_list_500k: seconds from "确定" in the login window, with "admin"
// and his empty password typed, to the main window shown on the
// 500,000-archive demo database with the full archive list and its count,
// the window's events processed (so the grid has been laid out and painted).
// This covers the session set-up, the rights, the showing step of the main
// window (tree, item list, list query, grid layouts) and the first paint.
// Baseline: the start-state list statement, as the engine receives it,
// stepped through with the SQLite C API and every value copied into vectors.
// Median of five runs, each with a new main window, after one untimed run.
#include "admin/Session.h"
#include "admin/TfrmOperLogin.h"
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
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kRuns = 5;
const QString kStartStatement = QStringLiteral("select * from t_Files where (1=1)  order by F_code");

struct LoginRun {
    double seconds = 0;
    int rows = 0;
    bool listShown = false;
};

// One program start from the login on: the main window made hidden, the
// login window shown with the name typed; OK is what is timed.
LoginRun logInAndShow(TdmData& data)
{
    Session::current() = Session{};
    auto window = std::make_unique<TFrmMain>(data);
    TfrmOperLogin login(LoginMode::FirstLogin, *window);
    login.nameBox()->setEditText(QStringLiteral("admin"));
    login.show();
    QApplication::processEvents();

    LoginRun run;
    run.seconds = secondsOf([&] {
        login.okButton()->click();
        window->show();
        QApplication::processEvents();
    });
    run.rows = window->archives().recordCount();
    const auto* count = window->findChild<QLabel*>(QStringLiteral("lblArchiveCount"));
    run.listShown = login.result() == QDialog::Accepted && window->isVisible()
        && count->text() == QStringLiteral("档案总数： %1 个").arg(run.rows);
    return run;
}

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const QString file = BenchData::demoDatabase500k();
    QTemporaryDir folder(QDir(BenchData::workFolder()).filePath(QStringLiteral("login-XXXXXX")));
    ProgramFolder::set(folder.path());
    TdmData data(QDir(folder.path()).filePath(QStringLiteral("config.ini")));
    QString reason;
    if (!data.connection().open(file, &reason)) {
        BenchReport::note("login_to_list_500k: " + reason.toStdString());
        return 1;
    }
    RawReader raw(file);
    const QByteArray statement = data.connection().translate(kStartStatement).toUtf8();

    std::vector<double> loginSeconds, rawSeconds;
    for (int run = 0; run <= kRuns; ++run) {
        const LoginRun login = logInAndShow(data);
        if (!login.listShown) {
            BenchReport::note("login_to_list_500k: the login did not end in the main window with its list");
            return 1;
        }
        std::vector<RawReader::Column> columns;
        size_t rawRows = 0;
        const double stepping = secondsOf([&] { rawRows = raw.load(statement.constData(), columns); });
        if (run == 0) {
            BenchReport::note("login_to_list_500k: " + std::to_string(login.rows) + " rows listed, baseline "
                              + std::to_string(rawRows) + " rows");
            continue;
        }
        loginSeconds.push_back(login.seconds);
        rawSeconds.push_back(stepping);
    }
    BenchReport::figure("login_to_list_500k", median(loginSeconds), "s", median(rawSeconds));
    return 0;
}
