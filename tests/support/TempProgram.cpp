#include "support/TempProgram.h"

#include "db/NewDatabase.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

QString templateDatabase()
{
    static QTemporaryDir dir;
    static QString file;
    if (file.isEmpty()) {
        const QString candidate = QDir(dir.path()).filePath(QStringLiteral("Dossara.mdb"));
        QString reason;
        if (!NewDatabase::create(candidate, &reason))
            throw std::runtime_error(reason.toStdString());
        file = candidate;
    }
    return file;
}

}

TempProgram::TempProgram(bool withDatabase)
{
    QDir root(m_dir.path());
    for (const char* sub : {"data", "temp", "images", "Qr", "help"})
        root.mkpath(QString::fromLatin1(sub));
    if (withDatabase)
        copyFreshDatabase(databaseFile());
    ProgramFolder::set(m_dir.path());
}

TempProgram::~TempProgram()
{
    ProgramFolder::reset();
}

QString TempProgram::file(const QString& relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

void TempProgram::copyFreshDatabase(const QString& target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(templateDatabase(), target))
        throw std::runtime_error("cannot copy the template database");
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
