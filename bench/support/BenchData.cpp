#include "support/BenchData.h"

#include "db/NewDatabase.h"
#include "support/BenchReport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <stdexcept>

namespace BenchData {

namespace {

// Raise when the demo generator changes what it writes, so that cached
// databases are made again.
constexpr int kDemoGeneration = 1;

QString cacheFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data-500k"));
}

QString cachedFile()
{
    return QDir(cacheFolder()).filePath(QStringLiteral("Dossara.mdb"));
}

QString stampFile()
{
    return QDir(cacheFolder()).filePath(QStringLiteral("stamp.txt"));
}

QByteArray stamp()
{
    const DemoOptions options = options500k();
    const QByteArray schema = QCryptographicHash::hash(NewDatabase::schemaText().toUtf8(), QCryptographicHash::Sha1);
    return "archives " + QByteArray::number(options.archives) + " seed " + QByteArray::number(options.seed)
        + " media " + QByteArray::number(options.archivesWithMedia) + " generation "
        + QByteArray::number(kDemoGeneration) + " schema " + schema.toHex() + "\n";
}

bool cacheIsCurrent()
{
    QFile file(stampFile());
    return QFile::exists(cachedFile()) && file.open(QIODevice::ReadOnly) && file.readAll() == stamp();
}

void emptyCache()
{
    QDir(cacheFolder()).removeRecursively();
    QDir().mkpath(cacheFolder());
}

void writeStamp()
{
    QFile file(stampFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(stamp()) < 0)
        throw std::runtime_error("cannot write " + stampFile().toStdString());
}

}

DemoOptions options500k()
{
    DemoOptions options;
    options.archives = 500'000;
    options.seed = 1;
    return options;
}

QString demoDatabase500k()
{
    if (cacheIsCurrent())
        return cachedFile();
    BenchReport::note("making the 500,000-archive demo database in " + cacheFolder().toStdString());
    emptyCache();
    QString reason;
    if (!DemoDatabase::create(cachedFile(), options500k(), &reason))
        throw std::runtime_error("cannot make the demo database: " + reason.toStdString());
    writeStamp();
    return cachedFile();
}

void offer500k(const QString& databaseFile)
{
    if (cacheIsCurrent())
        return;
    emptyCache();
    if (QFile::rename(databaseFile, cachedFile()))
        writeStamp();
}

QString workFolder()
{
    const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("work"));
    QDir().mkpath(folder);
    return folder;
}

}
