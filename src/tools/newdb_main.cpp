// dossara-newdb FOLDER: creates FOLDER/Dossara.mdb, a new, empty database.
#include "db/NewDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args.front().startsWith(QLatin1Char('-'))) {
        err << "usage: dossara-newdb FOLDER\n";
        return 2;
    }
    const QString file = QDir(args.front()).filePath(QStringLiteral("Dossara.mdb"));
    QString reason;
    if (!NewDatabase::create(file, &reason)) {
        err << "dossara-newdb: " << reason << "\n";
        return 1;
    }
    QTextStream(stdout) << "created " << QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()) << "\n";
    return 0;
}
