#include "admin/TfrmOperLogin.h"
#include "app/AppTexts.h"
#include "app/DatabaseOpener.h"
#include "app/TfrmSplash.h"
#include "db/DataModule.h"
#include "db/NewDatabase.h"
#include "main/TFrmMain.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QThread>

namespace {

struct Arguments {
    QString dataFolder;   // --data FOLDER: open FOLDER/Dossara.mdb instead of the configured one
    QString newDatabase;  // --new-database FOLDER: create FOLDER/Dossara.mdb and stop
};

Arguments parseArguments(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Arguments parsed;
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--data"))
            parsed.dataFolder = args[++i];
        else if (args[i] == QLatin1String("--new-database"))
            parsed.newDatabase = args[++i];
    }
    return parsed;
}

int createDatabase(const QString& folder)
{
    QString reason;
    if (!NewDatabase::create(QDir(folder).filePath(QStringLiteral("Dossara.mdb")), &reason)) {
        QTextStream(stderr) << reason << "\n";
        return 1;
    }
    return 0;
}

}

int main(int argc, char* argv[])
{
    const Arguments arguments = parseArguments(argc, argv);
    if (!arguments.newDatabase.isEmpty()) {
        QCoreApplication tool(argc, argv); // no display needed to make a database
        return createDatabase(arguments.newDatabase);
    }
    QApplication app(argc, argv);

    auto* splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    QApplication::setApplicationName(AppTexts::kApplicationTitle); // not the display name, which desktops append to every window title

    TdmData data;
    if (!arguments.dataFolder.isEmpty())
        data.setDataFolderOverride(arguments.dataFolder);
    if (!DatabaseOpener(data, splash).open()) {
        delete splash;
        return 0;
    }
    splash->setLine(QStringLiteral("连接成功，正在登录 ....."));

    TFrmMain mainWindow(data);

    splash->setLine(QStringLiteral("连接成功，正在登录 ..."));
    QThread::msleep(20);
    splash->setLine(QStringLiteral("连接成功，正在登录 ....."));
    delete splash;
    splash = nullptr;

    if (!TfrmOperLogin::run(LoginMode::FirstLogin, mainWindow))
        return 0;
    mainWindow.show();
    return app.exec();
}
